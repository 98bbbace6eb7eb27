#include "memos/memo_list.h"

#include <algorithm>

#include "console/keys.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

namespace key = console::key;

constexpr int kTick = 55;  // one clock tick, in milliseconds

void MoveRight(console::ArrayBrowse& browse, int last) {
  if (browse.column() < last) browse.Navigate(key::kRight);
}

void Edit(console::Console& con, console::ArrayBrowse& browse, console::ValueTable* rows, const int* index, int first,
          int last, const MemoListHooks& hooks) {
  const int column = browse.column();
  std::optional<xbase::Value> take;
  const auto valid = [&](const xbase::Value& typed) {
    take.reset();
    return !hooks.check || hooks.check(column, typed, &take);
  };
  browse.EditCell(con, valid);
  if (con.last_key() == key::kEsc) return;
  if (take.has_value()) CurrentRow(*rows, *index)[static_cast<size_t>(column - 1)] = *take;
  switch (hooks.after_edit ? hooks.after_edit(column) : ListMove::kRight) {
    case ListMove::kRight: MoveRight(browse, last); break;
    case ListMove::kRowStart: browse.set_column(first); break;
    case ListMove::kNextRow:
      if (*index == static_cast<int>(rows->size()) && !xbase::IsBlank(CellText(rows->back(), 2)) && hooks.new_row) {
        rows->push_back(hooks.new_row(rows->back(), static_cast<int>(rows->size() + 1)));
      }
      browse.Skip(1);
      browse.set_column(first);
      break;
  }
}

}  // namespace

void RunMemoList(console::Console& con, console::ArrayBrowse& browse, console::ValueTable* rows, const int* index,
                 int first, int last, const MemoListHooks& hooks) {
  browse.set_column(std::clamp(browse.column(), first, last));
  for (;;) {
    browse.Stabilize(con);
    browse.Hilite(con);
    const int pressed = con.WaitKey();
    const int column = browse.column();
    switch (pressed) {
      case key::kUp:
        if (browse.Skip(-1) == 0) con.Tone(400, kTick);
        break;
      case key::kDown:
        if (browse.Skip(1) == 0) con.Tone(300, kTick);
        break;
      case key::kLeft:
        if (column <= first) con.Tone(200, kTick); else browse.Navigate(pressed);
        break;
      case key::kRight: MoveRight(browse, last); break;
      case key::kHome:
      case key::kCtrlPgUp: browse.GoTop(); break;
      case key::kEnd:
      case key::kCtrlPgDn: browse.GoBottom(); break;
      case key::kPgUp:
      case key::kPgDn:
      case key::kCtrlLeft:
      case key::kCtrlRight: browse.Navigate(pressed); break;
      case key::kEnter:
        if (browse.read_only(column)) {
          MoveRight(browse, last);
        } else {
          Edit(con, browse, rows, index, first, last, hooks);
        }
        break;
      default:
        if (pressed >= 32 && pressed <= 127) {
          if (browse.read_only(column)) break;
          con.PushKeys({pressed});  // the typed character goes into the cell
          Edit(con, browse, rows, index, first, last, hooks);
        } else if (hooks.other_key && hooks.other_key(pressed)) {
          return;
        }
        break;
    }
    browse.set_column(std::clamp(browse.column(), first, last));
  }
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
