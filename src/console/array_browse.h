// The browse over a two-dimensional array that every line editor uses (BUATOBJECT and its
// siblings), with the navigation keys (KURSOR) and the key help of the line editors (ARRHLP).
#ifndef PALUNDA_CONSOLE_ARRAY_BROWSE_H_
#define PALUNDA_CONSOLE_ARRAY_BROWSE_H_

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "console/column_view.h"
#include "console/console.h"
#include "console/get.h"
#include "console/key_help.h"
#include "xbase/value.h"

namespace console {

using ValueRow = std::vector<xbase::Value>;
using ValueTable = std::vector<ValueRow>;

class ArrayBrowse {
 public:
  // A browse of rows in the window; row (the caller's IDX, ADX or FDX, from 1) follows the
  // current row. Up to 17 columns, one per head, shown with their pictures; the first
  // `frozen` columns never scroll away. Colours: slot 1 the cells, slot 2 the highlight.
  ArrayBrowse(ValueTable* rows, std::vector<std::string> heads, std::vector<std::string> pictures, Window window,
              std::string colour, int frozen, int* row);
  ArrayBrowse(const ArrayBrowse&) = delete;
  ArrayBrowse& operator=(const ArrayBrowse&) = delete;
  ArrayBrowse(ArrayBrowse&&) = default;

  // Draw heads, separator and the visible rows (the current cell is not highlighted).
  void Stabilize(Console& con);
  // Draw the current cell in the highlight colour, or back in its own colour.
  void Hilite(Console& con) { DrawCell(con, *row_ - 1, view_.current(), true); }
  void DeHilite(Console& con) { DrawCell(con, *row_ - 1, view_.current(), false); }

  // Move the row index by n within the rows; returns how far it moved.
  int Skip(int n);
  void GoTop() { *row_ = 1; }
  // The current row (from 1) and the number of rows.
  int row() const { return *row_; }
  int row_count() const { return static_cast<int>(rows_->size()); }
  void GoBottom() { *row_ = std::max(1, static_cast<int>(rows_->size())); }
  // The current column (from 1, counting every column).
  int column() const { return view_.current() + 1; }
  void set_column(int column) { view_.set_current(column - 1); }
  // Hide a column (from 1) or show it again.
  void set_hidden(int column, bool hidden) { view_.set_hidden(column - 1, hidden); }
  bool hidden(int column) const { return view_.at(column - 1).hidden; }
  // Mark a column (from 1) as not editable.
  void set_read_only(int column, bool read_only) { read_only_[column - 1] = read_only; }
  bool read_only(int column) const { return read_only_[column - 1]; }
  // The colour slot (0..4) of a row's cells; by default slot 0 for every row.
  void set_row_slot(std::function<int(int row)> slot) { row_slot_ = std::move(slot); }
  // The colours of a row's cells as places (from 1) in the browse's colour string, however many colours
  // it lists: the first for the cells, the second for the highlighted cell.
  void set_row_colours(std::function<std::pair<int, int>(int row)> colours) { row_colours_ = std::move(colours); }
  // The first scrolling column shown (from 1).
  int left_column() const { return view_.left() + 1; }
  // Rows shown at once.
  int page() const { return std::max(1, window_.bottom - window_.top - 1); }

  // The navigation keys: true when the key was one of them.
  bool Navigate(int key);

  // Edit the current cell with a GET at its place (unless its column is read-only); true when
  // the cell took a new value; *escaped (when asked for) tells whether the edit was left with Esc.
  // Keys already pushed to the console (a typed first character) go into the field first.
  bool EditCell(Console& con, const ValueCheck& valid = {}, bool* escaped = nullptr);

  // The screen column where a column (from 1) starts, or -1 when it is not shown.
  int ScreenColumn(int column) const { return view_.ScreenColumn(column - 1); }

 private:
  void DrawCell(Console& con, int row_index, int column, bool highlight);
  Attr RowAttr(int row_index) const;
  Attr HighlightAttr(int row_index) const;
  // The colour at place `place` (from 1) of the colour string; the standard colour when it has no such place.
  Attr PaletteAttr(int place) const;

  ValueTable* rows_;
  ColumnView view_;
  std::vector<std::string> pictures_;
  std::vector<bool> read_only_;
  Window window_;
  ColourSet colours_;
  std::string colour_;
  int* row_;
  int first_row_ = 0;  // row shown on the first data line, from 0
  std::function<int(int)> row_slot_;
  std::function<std::pair<int, int>(int)> row_colours_;
  std::vector<Attr> palette_;  // every colour of the colour string, in order
};

// Draw the key help on its row and return the browse (current row in idx).
ArrayBrowse BUATOBJECT(Console& con, ValueTable* rows, std::vector<std::string> heads,
                       std::vector<std::string> pictures, Window window, std::string colour, int help_row,
                       const KeyHelp& help, int* idx, int frozen = 2);
// The same browse; its callers keep the current row in ADX.
inline ArrayBrowse BUATOBJECT_(Console& con, ValueTable* rows, std::vector<std::string> heads,
                               std::vector<std::string> pictures, Window window, std::string colour, int help_row,
                               const KeyHelp& help, int* adx, int frozen = 2) {
  return BUATOBJECT(con, rows, std::move(heads), std::move(pictures), window, std::move(colour), help_row, help, adx,
                    frozen);
}
// The browse over array number `which` (from 1) of several; current row in fdx.
ArrayBrowse BUAT_OBJECT(Console& con, std::vector<ValueTable>* tables, std::vector<std::string> heads, int which,
                        std::vector<std::string> pictures, Window window, std::string colour, int help_row,
                        const KeyHelp& help, int* fdx, int frozen = 2);

// Move the browse by a navigation key; true when the key was one.
inline bool KURSOR(ArrayBrowse& browse, int key) { return browse.Navigate(key); }

// The key help box of the line editors; waits for a key and puts the screen back.
void ARRHLP(Console& con);

}  // namespace console

#endif  // PALUNDA_CONSOLE_ARRAY_BROWSE_H_
