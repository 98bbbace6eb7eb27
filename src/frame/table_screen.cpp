// The table editor screens of the settings and the master data: a browse over one table in a
// shadowed frame with its title, an add box (F2), a search box (F4) and the keys a screen adds.
#include "frame/table_screen.h"

#include <algorithm>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/row_clock.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

constexpr int kBoxTop = 10;
constexpr int kBoxLeft = 4;
constexpr int kBoxRight = 75;
constexpr int kFirstFieldRow = 12;
constexpr int kLabelCol = 6;

// Writes the add box's values: over the row of the key when there is one, else into a new row.
xbase::Status SaveRow(console::Console& con, xbase::WorkArea& area, const std::vector<AddField>& fields, const std::vector<xbase::Value>& values) {
  xbase::Status s = area.Seek(values[0].text());
  if (!s.ok()) return s;
  s = area.found() ? console::LOCK_REC(con, area) : console::APP_REC(con, area);
  for (size_t i = 0; s.ok() && i < fields.size(); ++i) s = area.Put(fields[i].field, values[i]);
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

std::vector<xbase::Value> Blanks(const std::vector<AddField>& fields) {
  std::vector<xbase::Value> values;
  for (const AddField& field : fields) values.push_back(field.blank);
  return values;
}

// The other fields from the row of the key typed, when there is one.
xbase::Status FillFromRow(xbase::WorkArea& area, const std::vector<AddField>& fields, std::vector<xbase::Value>* values) {
  xbase::Status s = area.Seek((*values)[0].text());
  for (size_t i = 1; s.ok() && area.found() && i < fields.size(); ++i) s = area.Get(fields[i].field, &(*values)[i]);
  return s;
}

}  // namespace

xbase::Status TAMBAHDATA(Session& session, xbase::WorkArea& area, const AddBox& box) {
  console::Console& con = session.console();
  const std::vector<AddField>& fields = box.fields;
  console::ScreenKeeper keep(con);
  const int bottom = std::max(kFirstFieldRow + 3, kFirstFieldRow + static_cast<int>(fields.size()) + 1);
  console::SHADOW(con, kBoxTop, kBoxLeft, bottom, kBoxRight, "W/n");
  con.Say(kBoxTop, (kBoxLeft + kBoxRight) / 2 - static_cast<int>(box.title.size()) / 2, box.title, con.Colour("W/n"));
  size_t label_width = 0;
  for (const AddField& field : fields) label_width = std::max(label_width, field.label.size());
  const int edit_col = kLabelCol + static_cast<int>(label_width);
  std::vector<xbase::Value> values = Blanks(fields);
  for (;;) {
    console::GetList form;
    std::vector<double> numbers(fields.size());
    std::vector<std::string> texts(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
      const int row = kFirstFieldRow + static_cast<int>(i);
      con.Say(row, kLabelCol, fields[i].label, con.Colour("W/n"));
      if (values[i].is_number()) {
        numbers[i] = values[i].number();
        form.Add(row, edit_col, &numbers[i], fields[i].picture);
      } else {
        texts[i] = values[i].text();
        form.Add(row, edit_col, &texts[i], fields[i].picture);
      }
    }
    if (box.fill_from_row) {
      form.fields()[0].valid = [&] {
        values[0] = xbase::Value::Text(texts[0]);
        const xbase::Status s = FillFromRow(area, fields, &values);
        frame::ShowFailure(session, s);
        for (size_t i = 1; i < fields.size(); ++i) {
          if (values[i].is_number()) numbers[i] = values[i].number(); else texts[i] = values[i].text();
        }
        form.Display(con);
        return s.ok();
      };
    }
    const console::ReadResult read = form.Read(con);
    for (size_t i = 0; i < fields.size(); ++i) {
      values[i] = values[i].is_number() ? xbase::Value::Num(numbers[i]) : xbase::Value::Text(texts[i]);
    }
    // Only an empty key ends the adding; Esc with a key typed goes back to the fields.
    if (xbase::IsBlank(values[0].text())) return xbase::Status::OK();
    if (read.escaped) continue;
    if (!AnsweredYes(con, kConfirmSave)) continue;
    if (xbase::Status s = SaveRow(con, area, fields, values); !s.ok()) return s;
    if (box.clear_after_save) values = Blanks(fields);
  }
}

xbase::Status MENCARI(Session& session, xbase::WorkArea& area, const SearchBox& box) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  console::SHADOW(con, 10, 15, 12, 65, "W/n");
  con.Say(11, 17, " Pencari :", con.Colour("W/n"));
  std::string text(static_cast<size_t>(box.width), ' ');
  console::GetList form;
  form.Add(11, 28, &text, box.picture);
  if (form.Read(con).escaped) return xbase::Status::OK();
  return area.Seek(xbase::AllTrim(text), true);
}

int RunEditorScreen(Session& session, xbase::WorkArea& area, const EditorScreen& screen) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  // The box's shadow falls on the last column, where the menu's side panel ends: blank it first, so
  // that no letters of the panel show through.
  con.Clear(4, console::kCols - 1, 23, console::kCols - 1, con.Colour("n/n"));
  console::SHADOW(con, 3, 1, 22, 78, "W/n");
  con.Say(3, 34, screen.title, con.Colour("W/n"));
  console::TableEditorOptions options = screen.options;
  if (screen.can_add) {
    options.add = [&] {
      frame::ShowFailure(session, TAMBAHDATA(session, area, screen.add));
    };
  }
  options.search = [&] {
    frame::ShowFailure(session, MENCARI(session, area, screen.search));
  };
  options.other_key = screen.other_key;
  // The time of day is redrawn at the right end of row 0 while the editor waits for keys.
  const console::RowClock clock(con);
  return console::RunTableEditor(con, session.tables(), area, screen.columns, options);
}

xbase::Status EditTable(Session& session, std::string_view table, const EditorScreen& screen) {
  xbase::WorkArea* area = nullptr;
  if (!OpenTable(session, table, false, "", &area)) return session.tables().CloseAll();
  RunEditorScreen(session, *area, screen);  // Esc is the only key that ends it here
  return session.tables().Close(area->alias());
}

}  // namespace frame
