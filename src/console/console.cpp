// Console: the 80 x 25 screen that every routine draws on, with its colour setting, cursor and keyboard.
#include "console/console.h"

#include <algorithm>

#include "console/keys.h"

namespace console {

Console::Console(Terminal& terminal, Clock& clock) : terminal_(terminal), clock_(clock) {}

std::string Console::Text(int row, int col, int len) const {
  std::string text;
  for (int c = col; c < col + len && c < kCols; ++c) text.push_back(static_cast<char>(At(row, c).ch));
  return text;
}

void Console::Put(int row, int col, uint8_t ch, Attr attr) {
  if (row < 0 || row >= kRows || col < 0 || col >= kCols) return;
  cells_[row * kCols + col] = Cell{ch, attr};
}

void Console::Say(int row, int col, std::string_view text, Attr attr) {
  for (size_t i = 0; i < text.size(); ++i) Put(row, col + static_cast<int>(i), static_cast<uint8_t>(text[i]), attr);
  cursor_.row = std::clamp(row, 0, kRows - 1);
  cursor_.col = std::clamp(col + static_cast<int>(text.size()), 0, kCols - 1);
}

void Console::Fill(int top, int left, int bottom, int right, uint8_t ch, Attr attr) {
  for (int r = top; r <= bottom; ++r) {
    for (int c = left; c <= right; ++c) Put(r, c, ch, attr);
  }
}

void Console::ClearScreen() {
  Clear(0, 0, kRows - 1, kCols - 1, colours_.standard);
  MoveCursor(0, 0);
}

void Console::Recolour(int top, int left, int bottom, int right, Attr attr) {
  for (int r = std::max(top, 0); r <= std::min(bottom, kRows - 1); ++r) {
    for (int c = std::max(left, 0); c <= std::min(right, kCols - 1); ++c) cells_[r * kCols + c].attr = attr;
  }
}

Region Console::Save(int top, int left, int bottom, int right) const {
  Region region{std::max(top, 0), std::max(left, 0), std::min(bottom, kRows - 1), std::min(right, kCols - 1), {}};
  for (int r = region.top; r <= region.bottom; ++r) {
    for (int c = region.left; c <= region.right; ++c) region.cells.push_back(At(r, c));
  }
  return region;
}

void Console::Restore(const Region& region) {
  size_t i = 0;
  for (int r = region.top; r <= region.bottom; ++r) {
    for (int c = region.left; c <= region.right && i < region.cells.size(); ++c) cells_[r * kCols + c] = region.cells[i++];
  }
}

ColourSet Console::SetColour(std::string_view colour_text) {
  const ColourSet before = colours_;
  colours_ = colours_.With(colour_text);
  return before;
}

void Console::MoveCursor(int row, int col) {
  cursor_.row = std::clamp(row, 0, kRows - 1);
  cursor_.col = std::clamp(col, 0, kCols - 1);
}

bool Console::ShowCursor(bool visible) {
  const bool before = cursor_.visible;
  cursor_.visible = visible;
  return before;
}

int Console::Inkey(int timeout_ms) {
  terminal_.Present(cells_, cursor_);
  int key = key::kNone;
  if (typeahead_.empty()) {
    key = terminal_.ReadKey(timeout_ms);
  } else {
    key = typeahead_.front();
    typeahead_.pop_front();
  }
  if (key != key::kNone) last_key_ = key;
  return key;
}

int Console::WaitKey() {
  for (;;) {
    if (idle_) {
      // What the idle routine draws (the clock) must not take the cursor from the field it is in.
      const Cursor kept = cursor_;
      idle_(*this);
      cursor_ = kept;
    }
    const int key = Inkey(1000);
    if (key != key::kNone) return key;
  }
}

ScreenKeeper::~ScreenKeeper() {
  console_.Restore(region_);
  console_.set_colours(colours_);
  console_.MoveCursor(cursor_.row, cursor_.col);
  console_.ShowCursor(cursor_.visible);
}

}  // namespace console
