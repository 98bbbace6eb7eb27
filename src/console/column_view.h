// The columns of a browse window: which are shown where, the current one, frozen columns on
// the left, hidden ones, and panning.
#ifndef PALUNDA_CONSOLE_COLUMN_VIEW_H_
#define PALUNDA_CONSOLE_COLUMN_VIEW_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/console.h"

namespace console {

// The window of a browse, inclusive.
struct Window {
  int top = 0, left = 0, bottom = 0, right = 0;
};

// The width a head takes: its longest line (";" breaks a head into lines).
int HeadWidth(std::string_view head);

class ColumnView {
 public:
  struct Column {
    std::string head;
    int width = 0;
    bool hidden = false;
  };

  ColumnView() = default;
  ColumnView(std::vector<Column> columns, int frozen, int window_left, int window_right);

  int size() const { return static_cast<int>(columns_.size()); }
  Column& at(int index) { return columns_[index]; }
  const Column& at(int index) const { return columns_[index]; }

  // The columns shown, left to right, with the screen column where each starts: the frozen
  // ones, then from the first scrolling column as many as fit (one space between two); the
  // frozen ones and the first scrolling one show cut when they do not fit.
  std::vector<std::pair<int, int>> Layout() const;
  // Where a column (from 0) starts on the screen; -1 when it is not shown.
  int ScreenColumn(int index) const;
  // The current column, from 0.
  int current() const { return current_; }
  void set_current(int index);
  // The first scrolling column shown, from 0.
  int left() const { return left_; }
  // Hide or show a column again.
  void set_hidden(int index, bool hidden);

  // Left, Right, Home, End (first and last shown), Ctrl+Left and Tab (pan left), Ctrl+Right
  // and Shift+Tab (pan right), Ctrl+Home and Ctrl+End (first and last column). True when the
  // key was one of them.
  bool Navigate(int key);
  void PanLeft();
  void PanRight();

  // The line under the heads (default single) and the character between two columns (default
  // a blank), as code page bytes.
  void set_separators(uint8_t head, uint8_t column) {
    head_separator_ = head;
    column_separator_ = column;
  }
  // The rows the heads take: one, or as many as the most lines of a head (";" breaks a head).
  int head_rows() const;
  // Write the heads from a row, each line of a head on a row of its own, and the separator line
  // below them across the window.
  void DrawHeads(Console& con, int row, Attr attr) const;
  // Write the column separators of a row.
  void DrawColumnSeparators(Console& con, int row, Attr attr) const;
  // Write the text of a column (from 0) on a row, fitted to its width; nothing when not shown.
  void DrawCell(Console& con, int row, int index, std::string text, Attr attr) const;

 private:
  void KeepCurrentVisible();
  void Step(int step);

  std::vector<Column> columns_;
  int frozen_ = 0;
  int window_left_ = 0;
  int window_right_ = 0;
  int current_ = 0;
  int left_ = 0;
  uint8_t head_separator_ = 0xC4;
  uint8_t column_separator_ = ' ';
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_COLUMN_VIEW_H_
