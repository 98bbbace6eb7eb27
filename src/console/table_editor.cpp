// The table editor: a browse over a table that adds, searches, deletes or recalls and edits the cell under a record
// lock.
#include "console/table_editor.h"

#include <algorithm>
#include <cctype>
#include <string>

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
  xbase::Status status = LOCK_REC(con, area);
  if (status.ok()) status = area.deleted() ? area.Recall() : area.Delete();
  const xbase::Status unlocked = area.Unlock();
  Complain(con, status.ok() ? unlocked : status);
}

// The picture with its text shown at most `width` columns wide, scrolling: the "@S" function set to
// that width unless the picture already scrolls narrower.
std::string ScrollingPicture(const std::string& picture, int width) {
  const Picture parsed = ParsePicture(picture);
  if (parsed.scroll > 0 && parsed.scroll <= width) return picture;
  std::string functions;
  if (!picture.empty() && picture[0] == '@') {
    for (size_t i = 1; i < picture.size() && picture[i] != ' '; ++i) {
      if (picture[i] == 'S' || picture[i] == 's') {
        while (i + 1 < picture.size() && std::isdigit(static_cast<unsigned char>(picture[i + 1]))) ++i;
      } else {
        functions += picture[i];
      }
    }
  }
  return "@" + functions + "S" + std::to_string(width) + (parsed.mask.empty() ? "" : " " + parsed.mask);
}

// Edit the field of the current cell in place under the record's lock, inside the browse's window.
void EditCurrent(Console& con, xbase::WorkArea& area, const RecordBrowse& browse, const EditorColumn& column,
                 const ColourSet& colours, int window_right) {
  if (area.eof()) return;
  xbase::Status status = LOCK_REC(con, area);
  xbase::Value value;
  if (status.ok()) status = area.Get(column.field, &value);
  const int col = browse.ScreenColumn(browse.column());
  const std::string picture = value.is_text() ? ScrollingPicture(column.picture, window_right - col + 1) : column.picture;
  if (status.ok() && EditValue(con, browse.ScreenRow(), col, &value, picture, colours.standard, colours.enhanced)) {
    status = area.Put(column.field, value);
  }
  const xbase::Status unlocked = area.Unlock();
  Complain(con, status.ok() ? unlocked : status);
}

}  // namespace

int RunTableEditor(Console& con, xbase::Session& session, xbase::WorkArea& area,
                    const std::vector<EditorColumn>& columns, const TableEditorOptions& options) {
  xbase::ShowDeleted show_deleted(&session);
  if (xbase::Status s = area.GoTop(); !s.ok()) {
    Complain(con, s);
    return key::kEsc;
  }
  std::vector<RecordColumn> shown;
  for (const EditorColumn& column : columns) {
    auto text = [&area, &column] {
      xbase::Value value;
      return area.Get(column.field, &value).ok() ? FormatValue(value, column.picture) : std::string();
    };
    // Sized to the field as well as the head, also on an empty table, where the blank record past
    // the end gives the field's width: rows added later show whole.
    shown.push_back({column.head, text, std::max(HeadWidth(column.head), static_cast<int>(text().size()))});
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
    if (key == key::kEsc || std::find(options.end_keys.begin(), options.end_keys.end(), key) != options.end_keys.end()) {
      return key;
    }
    if (browse.Navigate(key)) continue;
    if (options.other_key && options.other_key(key)) {
      browse.ResetLine();
    } else if (key == key::kDel) {
      DeleteOrRecall(con, area);
    } else if (key == key::kF2 && options.add) {
      options.add();
      browse.ResetLine();
    } else if (key == key::kF4 && options.search) {
      options.search();
      browse.ResetLine();
    } else if ((key == key::kEnter || (key >= 32 && key <= 255)) && !area.eof()) {
      // A typed character begins the edit; an empty table has no cell to take it.
      const EditorColumn& column = columns[static_cast<size_t>(browse.column() - 1)];
      if (!column.editable) continue;
      if (key != key::kEnter) con.PushKeys({key});
      EditCurrent(con, area, browse, column, con.colours().With(options.colour), options.window.right);
    }
  }
}

}  // namespace console
