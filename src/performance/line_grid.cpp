// The line editors of the target, supervisor and focus-list screens, and the save that rewrites a list's stored rows.
#include "performance/line_grid.h"

#include <algorithm>

#include "console/keys.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/save_scope.h"
#include "frame/line_arrays.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
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

namespace {

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

xbase::Status StoreHeader(frame::Session& session, const ListHeader& header) {
  console::Console& con = session.console();
  xbase::WorkArea& area = *header.area;
  xbase::Status status = area.Seek(header.key);
  if (!status.ok()) return status;
  const bool stored = area.found();
  if (!header.keep && !stored) return status;
  status = stored ? console::LOCK_REC(con, area) : console::APP_REC(con, area);
  if (status.ok() && !header.keep) status = area.Delete();
  for (size_t i = 0; status.ok() && header.keep && !stored && i < header.key_fields.size(); ++i) {
    status = area.Put(header.key_fields[i].first, header.key_fields[i].second);
  }
  for (size_t i = 0; status.ok() && header.keep && i < header.fields.size(); ++i) {
    status = area.Put(header.fields[i].first, header.fields[i].second);
  }
  const xbase::Status unlocked = area.Unlock();
  return status.ok() ? unlocked : status;
}

// The list's stored rows and its header's record (or the header table's append lock).
xbase::Status NameList(frame::Session& session, documents::SaveScope& save, const ListRows& lines,
                       const ListHeader* header) {
  std::vector<uint32_t> records;
  save.Append(*lines.area);
  xbase::Status status = StoredRows(session, *lines.area, lines.prefix, &records);
  for (uint32_t record : records) save.Update(*lines.area, record);
  if (status.ok() && header != nullptr) status = header->area->Seek(header->key);
  if (status.ok() && header != nullptr) {
    if (header->area->found()) {
      save.Update(*header->area, header->area->recno());
    } else if (header->keep) {
      save.Append(*header->area);
    }
  }
  return status;
}

}  // namespace

xbase::Status SaveList(frame::Session& session, const ListRows& lines, const ListHeader* header) {
  documents::SaveScope save(session.console());
  xbase::Status status = NameList(session, save, lines, header);
  if (status.ok()) status = save.Lock();
  if (!status.ok()) {
    documents::NothingSaved(session, status);
    return status;
  }
  // Under the append lock nobody adds rows to the list any more: its rows as they are now.
  std::vector<uint32_t> records;
  status = save.BeginWrites();
  if (status.ok()) status = StoredRows(session, *lines.area, lines.prefix, &records);
  if (status.ok()) status = RewriteRows(session, *lines.area, records, lines.rows);
  if (status.ok() && header != nullptr) status = StoreHeader(session, *header);
  return ListNotSaved(session, save.CommitWrites(status));
}

xbase::Status ListNotSaved(frame::Session& session, const xbase::Status& status) {
  frame::ShowFailure(session, status);
  return status;
}

}  // namespace performance
