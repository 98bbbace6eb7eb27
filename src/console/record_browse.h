// A browse over records that are reached by skipping: a table in index order, or anything
// else that can go to its top and bottom, skip, and come back to a position.
#ifndef PALUNDA_CONSOLE_RECORD_BROWSE_H_
#define PALUNDA_CONSOLE_RECORD_BROWSE_H_

#include <functional>
#include <string>
#include <vector>

#include "console/column_view.h"
#include "console/console.h"

namespace console {

// How the browse moves over the records. Every function acts on the source's current record.
struct RecordSource {
  std::function<void()> go_top;
  std::function<void()> go_bottom;
  // Move by n records, not past the first or last; returns how far it moved.
  std::function<int(int n)> skip;
  // A mark of the current record and the way back to it.
  std::function<long()> position;
  std::function<void(long)> go_to;
  // True when there is no record to show.
  std::function<bool()> empty;
};

// One column: its head (";" breaks it into lines) and the text of the current record (already formatted).
struct RecordColumn {
  std::string head;
  std::function<std::string()> text;
  int width = 0;  // 0: the wider of the head and the first record's text
};

class RecordBrowse {
 public:
  // Colours: slot 1 the cells, slot 2 the highlight of the current row.
  RecordBrowse(RecordSource source, std::vector<RecordColumn> columns, Window window, std::string colour,
               int frozen = 0);

  // Draw heads, separator and the records around the current one, the current cell highlighted.
  void Stabilize(Console& con);
  // The navigation keys: Up, Down, PgUp, PgDn, Ctrl+PgUp, Ctrl+PgDn move between records,
  // Left, Right, Home, End, Ctrl+Left, Ctrl+Right pan the columns. True when the key was one.
  bool Navigate(int key);
  // The line under the heads and the character between columns (code page bytes).
  void set_separators(uint8_t head, uint8_t column) { view_.set_separators(head, column); }
  // Forget the screen line of the current record (after a seek): it is drawn on the first line.
  void ResetLine() { line_ = 0; }
  // The colour slot (0..4) of the current record's cells; by default slot 0.
  void set_row_slot(std::function<int()> slot) { row_slot_ = std::move(slot); }
  // The current column (from 1) and where it stands on the screen (-1 when not shown).
  int column() const { return view_.current() + 1; }
  int ScreenColumn(int column) const { return view_.ScreenColumn(column - 1); }
  // The screen row of the current record.
  int ScreenRow() const { return window_.top + 1 + view_.head_rows() + line_; }
  int page() const { return std::max(1, window_.bottom - window_.top - view_.head_rows()); }

 private:
  // Draw the source's current record on a screen line.
  void DrawLine(Console& con, int line, bool current);

  RecordSource source_;
  std::vector<RecordColumn> columns_;
  ColumnView view_;
  Window window_;
  std::string colour_;
  ColourSet colours_;
  int line_ = 0;  // screen line of the current record, from 0
  std::function<int()> row_slot_;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_RECORD_BROWSE_H_
