// Looking for texts on a scripted terminal's screen and building the key lists tests type.
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

bool ShownWhole(const console::ScriptedTerminal& term, const std::string& text) {
  // A row's text inside a box centred on the screen (its sides 0xB3, the single vertical line, at
  // mirrored columns), else the whole row; without blanks at either end.
  const auto inner = [](const console::CellGrid& grid, int row) {
    std::string line = console::ScriptedTerminal::Text(grid, row);
    for (size_t left = 0; left < line.size() / 2; ++left) {
      if (line[left] != '\xB3') continue;
      const size_t right = line[line.size() - 1 - left] == '\xB3' ? line.size() - 1 - left : line.size() - 2 - left;
      if (line[right] != '\xB3') continue;
      line = line.substr(left + 1, right - left - 1);
      break;
    }
    const size_t first = line.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : line.substr(first, line.find_last_not_of(' ') - first + 1);
  };
  for (const console::CellGrid& grid : term.screens()) {
    for (int top = 0; top < console::kRows; ++top) {
      std::string joined;
      for (int row = top; row < console::kRows && joined.size() < text.size() + console::kCols; ++row) {
        const std::string line = inner(grid, row);
        if (line.empty()) break;
        joined += (joined.empty() ? "" : " ") + line;
      }
      if (joined.find(text) != std::string::npos) return true;
    }
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
