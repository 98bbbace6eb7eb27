#include "support/scripted_session.h"

#include "console/keys.h"

namespace support {

bool ShownOnRow(const console::ScriptedTerminal& term, int row, const std::string& text) {
  for (const console::CellGrid& grid : term.screens()) {
    if (console::ScriptedTerminal::Text(grid, row).find(text) != std::string::npos) return true;
  }
  return false;
}

bool Shown(const console::ScriptedTerminal& term, const std::string& text) {
  for (int row = 0; row < console::kRows; ++row) {
    if (ShownOnRow(term, row, text)) return true;
  }
  return false;
}

std::vector<int> Keys(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> keys;
  for (const auto& part : parts) keys.insert(keys.end(), part.begin(), part.end());
  return keys;
}

std::vector<int> Line(std::string_view text) {
  return Keys({console::ScriptedTerminal::Typed(text), {console::key::kEnter}});
}

std::vector<int> Login(std::string_view nik, std::string_view password) { return Keys({Line(nik), Line(password)}); }

}  // namespace support
