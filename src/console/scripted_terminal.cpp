// ScriptedTerminal: a terminal for tests. It replays a list of keys and keeps what the
// screen showed each time a key was asked for.
#include "console/scripted_terminal.h"

#include <stdexcept>

#include "xbase/cp437.h"
#include "console/keys.h"

namespace console {
namespace {

// A routine that keeps asking after the script ran out this often is stuck in a loop.
constexpr int kMaxOverruns = 1000;

}  // namespace

ScriptedTerminal::ScriptedTerminal(std::vector<int> keys, ManualClock* clock, bool colour)
    : keys_(keys.begin(), keys.end()), clock_(clock), colour_(colour) {}

void ScriptedTerminal::Present(const CellGrid& cells, const Cursor& cursor) {
  cells_ = cells;
  cursor_ = cursor;
}

int ScriptedTerminal::ReadKey(int timeout_ms) {
  screens_.push_back(cells_);
  cursors_.push_back(cursor_);
  if (keys_.empty()) {
    if (++overruns_ > kMaxOverruns) throw std::runtime_error("key script ran out");
    return key::kEsc;
  }
  const int key = keys_.front();
  keys_.pop_front();
  if (key == key::kNone && clock_ != nullptr && timeout_ms > 0) clock_->Advance((timeout_ms + 999) / 1000);
  return key;
}

std::vector<int> ScriptedTerminal::Typed(std::string_view text) {
  std::vector<int> keys;
  for (char c : text) keys.push_back(static_cast<unsigned char>(c));
  return keys;
}

std::string ScriptedTerminal::Text(int row, int col, int len) const { return Text(cells_, row, col, len); }

std::string ScriptedTerminal::Text(const CellGrid& grid, int row, int col, int len) {
  std::string text;
  for (int c = col; c < col + len && c < kCols; ++c) text.push_back(static_cast<char>(grid[row * kCols + c].ch));
  return text;
}

std::string ScriptedTerminal::Dump(const CellGrid& grid) {
  std::string text;
  for (int row = 0; row < kRows; ++row) text += xbase::Cp437ToUtf8(Text(grid, row)) + "\n";
  return text;
}

}  // namespace console
