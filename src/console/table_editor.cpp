#include "console/table_editor.h"

#include "console/area_source.h"
#include "console/field_format.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/record_browse.h"
#include "console/table_access.h"

namespace console {
namespace {

constexpr uint8_t kDoubleLine = 0xCD;
constexpr uint8_t kSingleBar = 0xB3;
constexpr int kDeletedSlot = 4;

// Report a failed table operation on row 24.
void Complain(Console& con, const xbase::Status& status) {
  if (!status.ok()) PESAN(con, status.message());
}

// Delete the current record, or recall it when it is deleted, under its lock.
void DeleteOrRecall(Console& con, xbase::WorkArea& area) {
  if (area.eof()) return;
  xbase::Status status = LOCK_REC(area);
  if (status.ok()) status = area.deleted() ? area.Recall() : area.Delete();
  const xbase::Status unlocked = area.Unlock();
  Complain(con, status.ok() ? unlocked : status);
}

// Edit the field of the current cell in place under the record's lock.
void EditCurrent(Console& con, xbase::WorkArea& area, const RecordBrowse& browse, const EditorColumn& column,
                 const ColourSet& colours) {
  if (area.eof()) return;
  xbase::Status status = LOCK_REC(area);
  xbase::Value value;
  if (status.ok()) status = area.Get(column.field, &value);
  if (status.ok() && EditValue(con, browse.ScreenRow(), browse.ScreenColumn(browse.column()), &value, column.picture,
                               colours.standard, colours.enhanced)) {
    status = area.Put(column.field, value);
  }
  const xbase::Status unlocked = area.Unlock();
  Complain(con, status.ok() ? unlocked : status);
}

}  // namespace

void RunTableEditor(Console& con, xbase::Session& session, xbase::WorkArea& area,
                    const std::vector<EditorColumn>& columns, const TableEditorOptions& options) {
  xbase::ShowDeleted show_deleted(&session);
  if (xbase::Status s = area.GoTop(); !s.ok()) return Complain(con, s);
  std::vector<RecordColumn> shown;
  for (const EditorColumn& column : columns) {
    shown.push_back({column.head, [&area, &column] {
                       xbase::Value value;
                       return area.Get(column.field, &value).ok() ? FormatValue(value, column.picture) : std::string();
                     }});
  }
  xbase::Status fault;
  RecordBrowse browse(AreaSource(area, &fault), std::move(shown), options.window, options.colour, options.frozen);
  browse.set_separators(kDoubleLine, kSingleBar);
  browse.set_row_slot([&area] { return area.deleted() ? kDeletedSlot : 0; });
  const Attr footer = con.Colour(options.footer_colour);
  for (;;) {
    browse.Stabilize(con);
    Complain(con, fault);
    fault = xbase::Status::OK();
    con.Say(options.footer_row, options.footer_col,
            options.footer + (area.deleted() && !area.eof() ? "Del) Recall" : "Del) Hapus "), footer);
    const int key = con.WaitKey();
    if (key == key::kEsc) break;
    if (browse.Navigate(key)) continue;
    if (key == key::kDel) {
      DeleteOrRecall(con, area);
    } else if (key == key::kF2 && options.add) {
      options.add();
      browse.ResetLine();
    } else if (key == key::kF4 && options.search) {
      options.search();
      browse.ResetLine();
    } else if (key == key::kEnter || (key >= 32 && key <= 255)) {
      if (key != key::kEnter) con.PushKeys({key});
      EditCurrent(con, area, browse, columns[static_cast<size_t>(browse.column() - 1)],
                  con.colours().With(options.colour));
    }
  }
}

}  // namespace console
