// The delivery-note list of a memo entry screen: the browse of the in-memory lines with its key loop,
// and the small helpers the four entry screens share for its rows.
#ifndef PALUNDA_MEMOS_MEMO_LIST_H_
#define PALUNDA_MEMOS_MEMO_LIST_H_

#include <functional>
#include <string>

#include "console/array_browse.h"
#include "console/console.h"
#include "xbase/value.h"

namespace memos {

struct MemoListHooks {
  // The check of the value typed into a cell of `column` (from 1). It may change the value (a picked
  // number) and fill other cells of the current row; false keeps the cell open.
  std::function<bool(int column, xbase::Value* typed)> check;
  // The empty row `number` added below `above`.
  std::function<console::ValueRow(const console::ValueRow& above, int number)> new_row;
  // Every other key (Esc, F10, Del, ...): true ends the list.
  std::function<bool(int key)> other_key;
};

// Runs the list (the frame's line editor) until other_key ends it: Down on the last row sounds
// 300 Hz, Up on the first row 400 Hz and Left on the first column 200 Hz, without moving. After an
// edit the cursor goes one column right; after an edit of the last column, to the first column of the
// next row (a new row is added first when the row is the last), or of the same row while it holds no
// delivery note (column 2).
// `rows` and `index` are the browse's rows and the current row it follows.
void RunMemoList(console::Console& con, console::ArrayBrowse& browse, console::ValueTable* rows, const int* index,
                 int first, int last, const MemoListHooks& hooks);

// The current row of a browse's rows (from the index the browse follows).
console::ValueRow& CurrentRow(console::ValueTable& rows, int index);
// A text cell (blank-padded to its width), a number cell and an empty date cell.
xbase::Value TextCell(std::string_view text, int width);
xbase::Value NumberCell(double value);
xbase::Value DateCell(xbase::Date date = {});
// The text of cell `column` (from 1) of a row; a date cell's date; a number cell's number.
std::string CellText(const console::ValueRow& row, int column);
xbase::Date CellDate(const console::ValueRow& row, int column);
double CellNumber(const console::ValueRow& row, int column);
bool CellFlag(const console::ValueRow& row, int column);
// Numbers the rows 1, 2, ... in their first cell.
void NumberRows(console::ValueTable* rows);
// The row (from 1) other than `except` whose cell `column` holds `invoice`; 0 when none.
int RowHolding(const console::ValueTable& rows, int column, std::string_view invoice, int except);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_LIST_H_
