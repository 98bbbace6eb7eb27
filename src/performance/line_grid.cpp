// The line editors of the target, supervisor and focus-list screens, and the save that rewrites a list's stored rows.
#include "performance/line_grid.h"

#include <algorithm>

#include "console/keys.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/line_arrays.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

namespace key = console::key;

bool Editable(const GridLayout& layout, int column) {
  return std::find(layout.editable.begin(), layout.editable.end(), column) != layout.editable.end();
}

bool Confirmed(frame::Session& session, const GridLayout& layout) {
  console::Console& con = session.console();
  const int answer = console::PESAN(con, layout.question, con.Pick("Gr+/r", "/w"));
  return answer == 'Y' || answer == 'y' || (layout.enter_answers_yes && answer == key::kEnter);
}

// Edits the current cell; the row grows or the old value comes back as the layout says.
void EditCurrent(frame::Session& session, console::ArrayBrowse& browse, console::ValueTable* rows, int row,
                 const GridLayout& layout) {
  console::ValueRow& cells = (*rows)[static_cast<size_t>(row - 1)];
  const int column = browse.column();
  const xbase::Value old = cells[static_cast<size_t>(column - 1)];
  if (!browse.EditCell(session.console())) return;
  if (layout.accept && !layout.accept(row, column)) {
    (*rows)[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)] = old;
    return;
  }
  const int grow = layout.grow_column != 0 ? layout.grow_column : layout.code_column;
  if (layout.blank_row && row == static_cast<int>(rows->size()) && column == grow &&
      !CellText((*rows)[static_cast<size_t>(row - 1)], layout.code_column).empty()) {
    rows->push_back(layout.blank_row());
    rows->back()[0] = xbase::Value::Num(static_cast<double>(rows->size()));
  }
}

}  // namespace

std::string CellText(const console::ValueRow& row, int column) {
  const xbase::Value& cell = row[static_cast<size_t>(column - 1)];
  return cell.is_text() ? std::string(xbase::AllTrim(cell.text())) : std::string();
}

bool EditGrid(frame::Session& session, console::ValueTable* rows, const GridLayout& layout) {
  console::Console& con = session.console();
  const console::KeyHelp help{{"Esc)", "Enter)", "Del)", "F10)"}, {"Batal ", "Edit ", "Hapus ", "Simpan"}, "W+/b", "Gr+/b"};
  int row = 1;
  console::ArrayBrowse browse = console::BUATOBJECT(con, rows, layout.heads, layout.pictures, layout.window, "W+/b,N/W",
                                                    layout.window.bottom + 1, help, &row, 1);
  for (int column = 1; column <= static_cast<int>(layout.heads.size()); ++column) {
    browse.set_read_only(column, !Editable(layout, column));
  }
  browse.set_column(layout.editable.front());
  for (;;) {
    browse.Stabilize(con);
    browse.Hilite(con);
    const int pressed = con.WaitKey();
    browse.DeHilite(con);
    if (pressed == key::kEsc) return false;
    if (pressed == key::kF10) {
      if (Confirmed(session, layout)) return true;
      continue;
    }
    if (pressed == key::kDel) {
      if (!CellText((*rows)[static_cast<size_t>(row - 1)], layout.code_column).empty()) {
        frame::HAPUS_(static_cast<size_t>(row), rows);
        row = std::min(row, static_cast<int>(rows->size()));
      }
      continue;
    }
    if (console::KURSOR(browse, pressed)) continue;
    const bool typed = pressed >= ' ' && pressed < 256;
    if (pressed != key::kEnter && !typed) continue;
    if (pressed == key::kEnter && layout.enter_on_empty_asks && rows->size() > 1 &&
        CellText((*rows)[static_cast<size_t>(row - 1)], layout.code_column).empty()) {
      if (Confirmed(session, layout)) return true;
      continue;
    }
    if (!Editable(layout, browse.column())) browse.set_column(layout.editable.front());
    if (typed) con.PushKeys({pressed});
    EditCurrent(session, browse, rows, row, layout);
  }
}

xbase::Status StoredRows(frame::Session& session, xbase::WorkArea& area, std::string_view prefix,
                         std::vector<uint32_t>* records) {
  const xbase::ShowDeleted deleted_too(&session.tables());
  return area.SeekAll(prefix, records);
}

xbase::Status RewriteRows(frame::Session& session, xbase::WorkArea& area, const std::vector<uint32_t>& records,
                          const std::vector<FieldValues>& rows) {
  console::Console& con = session.console();
  xbase::Status status;
  for (size_t i = 0; status.ok() && i < std::max(records.size(), rows.size()); ++i) {
    if (i < records.size()) {
      status = area.GoTo(records[i]);
      if (status.ok()) status = console::LOCK_REC(con, area);
      if (status.ok() && i < rows.size() && area.deleted()) status = area.Recall();
      if (status.ok() && i >= rows.size() && !area.deleted()) status = area.Delete();
    } else {
      status = console::APP_REC(con, area);
    }
    for (size_t f = 0; status.ok() && i < rows.size() && f < rows[i].size(); ++f) {
      status = area.Put(rows[i][f].first, rows[i][f].second);
    }
    const xbase::Status unlocked = area.Unlock();
    if (status.ok()) status = unlocked;
  }
  return status;
}

xbase::Status StoreHeader(frame::Session& session, xbase::WorkArea& area, std::string_view key, bool keep,
                          const FieldValues& key_fields, const FieldValues& fields) {
  console::Console& con = session.console();
  xbase::Status status = area.Seek(key);
  if (!status.ok()) return status;
  const bool stored = area.found();
  if (!keep && !stored) return status;
  status = stored ? console::LOCK_REC(con, area) : console::APP_REC(con, area);
  if (status.ok() && !keep) status = area.Delete();
  for (size_t i = 0; status.ok() && keep && !stored && i < key_fields.size(); ++i) {
    status = area.Put(key_fields[i].first, key_fields[i].second);
  }
  for (size_t i = 0; status.ok() && keep && i < fields.size(); ++i) status = area.Put(fields[i].first, fields[i].second);
  const xbase::Status unlocked = area.Unlock();
  return status.ok() ? unlocked : status;
}

}  // namespace performance
