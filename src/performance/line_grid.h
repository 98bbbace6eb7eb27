// The line editors of the target, supervisor and focus-list screens: a browse over rows where
// Enter or a typed character edits the current editable cell, Del removes a row and numbers the
// rest again, F10 asks before saving and Esc gives up; and the save that rewrites a list's stored
// rows in place.
#ifndef PALUNDA_PERFORMANCE_LINE_GRID_H_
#define PALUNDA_PERFORMANCE_LINE_GRID_H_

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "console/array_browse.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace performance {

struct GridLayout {
  std::vector<std::string> heads;
  std::vector<std::string> pictures;
  console::Window window;
  std::vector<int> editable;  // the columns (from 1) that take edits, the first where editing starts
  int code_column = 2;        // a row without a code here is not removed by Del
  // A new empty row; when set, an edit of `grow_column` (the code column when 0) on the last row that
  // has a code adds one.
  std::function<console::ValueRow()> blank_row;
  int grow_column = 0;
  // Called after a cell of row `row` (from 1) took a new value: checks it and fills other cells;
  // false puts the cell's old value back.
  std::function<bool(int row, int column)> accept;
  std::string question = "yakin data akan disimpan (y/t)";
  bool enter_answers_yes = false;     // Enter to the question saves too
  bool enter_on_empty_asks = false;   // Enter on an empty code asks the question (more than one row)
};

// Runs the editor over `rows` (column 1 the row number); true when the save was confirmed, false
// after Esc.
bool EditGrid(frame::Session& session, console::ValueTable* rows, const GridLayout& layout);

// The trimmed text of a cell.
std::string CellText(const console::ValueRow& row, int column);

using FieldValues = std::vector<std::pair<std::string, xbase::Value>>;

// The records (deleted ones included) whose key in the controlling order begins with `prefix`.
xbase::Status StoredRows(frame::Session& session, xbase::WorkArea& area, std::string_view prefix,
                         std::vector<uint32_t>* records);

// The rows of a list: those stored under `prefix` on the area's controlling order are written over
// one by one (a deleted record recalled first), the records left over deleted and the rows beyond
// them appended.
struct ListRows {
  xbase::WorkArea* area = nullptr;
  std::string prefix;
  std::vector<FieldValues> rows;
};

// The header row of a list, sought by `key` on the area's controlling order: deleted when `keep` is
// false; otherwise `fields` are written into it, the row appended with `key_fields` first when missing.
struct ListHeader {
  xbase::WorkArea* area = nullptr;
  std::string key;
  bool keep = true;
  FieldValues key_fields;
  FieldValues fields;
};

// Saves a list's rows and its header (when given) all or nothing: every lock is taken before the
// first write, so that Esc at a lock held elsewhere writes nothing. Shows its own refusal or failure
// on row 24 and returns it.
xbase::Status SaveList(frame::Session& session, const ListRows& lines, const ListHeader* header = nullptr);

// A save of a list that failed before SaveList: the failure on row 24, returned.
xbase::Status ListNotSaved(frame::Session& session, const xbase::Status& status);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_LINE_GRID_H_
