// The delivery-note list of a memo entry screen: the browse of the in-memory lines with its key loop,
// and the small helpers the four entry screens share for its rows.
#include "memos/memo_list.h"

#include <algorithm>

#include "console/keys.h"
#include "frame/line_editor.h"
#include "xbase/text_functions.h"

namespace memos {
void RunMemoList(console::Console& con, console::ArrayBrowse& browse, console::ValueTable* rows, const int* index,
                 int first, int last, const MemoListHooks& hooks) {
  frame::LineEditorHooks editor;
  editor.check = [&](xbase::Value* typed) { return !hooks.check || hooks.check(browse.column(), typed); };
  editor.after_edit = [&](int column) {
    if (column < last) {
      browse.Navigate(console::key::kRight);
      return;
    }
    if (!xbase::IsBlank(CellText(CurrentRow(*rows, *index), 2))) {
      if (*index == static_cast<int>(rows->size()) && hooks.new_row) {
        rows->push_back(hooks.new_row(rows->back(), static_cast<int>(rows->size() + 1)));
      }
      browse.Skip(1);
    }
    browse.set_column(first);
  };
  editor.other_key = hooks.other_key;
  editor.top_tone = 400;
  editor.bottom_tone = 300;
  editor.left_tone = 200;
  frame::RunLineEditor(con, browse, first, last, editor);
}

console::ValueRow& CurrentRow(console::ValueTable& rows, int index) {
  return rows[static_cast<size_t>(std::clamp(index, 1, static_cast<int>(rows.size())) - 1)];
}

xbase::Value TextCell(std::string_view text, int width) { return xbase::Value::Text(xbase::PadR(text, width)); }
xbase::Value NumberCell(double value) { return xbase::Value::Num(value); }
xbase::Value DateCell(xbase::Date date) { return xbase::Value::FromDate(date); }

namespace {
const xbase::Value* Cell(const console::ValueRow& row, int column) {
  const size_t at = static_cast<size_t>(column - 1);
  return at < row.size() ? &row[at] : nullptr;
}
}  // namespace

std::string CellText(const console::ValueRow& row, int column) {
  const xbase::Value* cell = Cell(row, column);
  return cell != nullptr && cell->is_text() ? cell->text() : std::string();
}

xbase::Date CellDate(const console::ValueRow& row, int column) {
  const xbase::Value* cell = Cell(row, column);
  return cell != nullptr && cell->is_date() ? cell->date() : xbase::Date();
}

double CellNumber(const console::ValueRow& row, int column) {
  const xbase::Value* cell = Cell(row, column);
  return cell != nullptr && cell->is_number() ? cell->number() : 0;
}

bool CellFlag(const console::ValueRow& row, int column) {
  const xbase::Value* cell = Cell(row, column);
  return cell != nullptr && cell->is_logical() && cell->logical();
}

void NumberRows(console::ValueTable* rows) {
  for (size_t i = 0; i < rows->size(); ++i) (*rows)[i][0] = NumberCell(static_cast<double>(i + 1));
}

int RowHolding(const console::ValueTable& rows, int column, std::string_view invoice, int except) {
  const std::string wanted(xbase::RTrim(invoice));
  if (wanted.empty()) return 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i + 1);
    if (row != except && xbase::RTrim(CellText(rows[i], column)) == wanted) return row;
  }
  return 0;
}

}  // namespace memos
