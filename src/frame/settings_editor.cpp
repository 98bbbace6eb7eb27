#include "frame/settings_editor.h"

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/row_clock.h"
#include "console/table_access.h"
#include "console/table_editor.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

// The edit variables of the add box, one per field.
struct AddValues {
  std::vector<std::string> texts;
  std::vector<double> numbers;
};

// Writes the add box's values: over the row of the key when there is one, else into a new row.
xbase::Status SaveRow(console::Console& con, xbase::WorkArea& area, const std::vector<AddField>& fields,
                      const std::vector<xbase::Value>& values) {
  xbase::Status s = area.Seek(values[0].text());
  if (!s.ok()) return s;
  s = area.found() ? console::LOCK_REC(con, area) : console::APP_REC(con, area);
  for (size_t i = 0; s.ok() && i < fields.size(); ++i) s = area.Put(fields[i].field, values[i]);
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status TAMBAHDATA(Session& session, xbase::WorkArea& area, const std::vector<AddField>& fields) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  console::SHADOW(con, 10, 4, 15, 75, "W/n");
  con.Say(10, 33, " Tambah Data ", con.Colour("W/n"));
  std::vector<xbase::Value> values;
  for (const AddField& field : fields) values.push_back(field.blank);
  for (;;) {
    console::GetList form;
    std::vector<double> numbers(fields.size());
    std::vector<std::string> texts(fields.size());
    for (size_t i = 0; i < fields.size(); ++i) {
      const int row = 12 + static_cast<int>(i);
      con.Say(row, 6, fields[i].label, con.Colour("W/n"));
      if (values[i].is_number()) {
        numbers[i] = values[i].number();
        form.Add(row, 13, &numbers[i], fields[i].picture);
      } else {
        texts[i] = values[i].text();
        form.Add(row, 13, &texts[i], fields[i].picture);
      }
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
  }
}

xbase::Status MENCARI(Session& session, xbase::WorkArea& area) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  console::SHADOW(con, 10, 15, 12, 65, "W/n");
  con.Say(11, 17, " Pencari :", con.Colour("W/n"));
  std::string text(10, ' ');
  console::GetList form;
  form.Add(11, 28, &text);
  if (form.Read(con).escaped) return xbase::Status::OK();
  return area.Seek(xbase::AllTrim(text), true);
}

xbase::Status RunSettingsEditor(Session& session, const std::string& table, const std::string& title,
                                const std::vector<console::EditorColumn>& columns, console::Window window,
                                const std::string& footer, const std::vector<AddField>& add_fields) {
  console::Console& con = session.console();
  xbase::WorkArea* area = nullptr;
  if (!OpenTable(session, table, false, "", &area)) {
    return session.tables().CloseAll();
  }
  console::ScreenKeeper keep(con);
  console::SHADOW(con, 3, 1, 22, 78, "W/n");
  con.Say(3, 34, title, con.Colour("W/n"));
  console::TableEditorOptions options;
  options.window = window;
  options.footer = footer;
  options.add = [&] {
    if (xbase::Status s = TAMBAHDATA(session, *area, add_fields); !s.ok()) console::PESAN(con, s.message());
  };
  options.search = [&] {
    if (xbase::Status s = MENCARI(session, *area); !s.ok()) console::PESAN(con, s.message());
  };
  {
    // The time of day is redrawn at the right end of row 0 while the editor waits for keys.
    const console::RowClock clock(con);
    console::RunTableEditor(con, session.tables(), *area, columns, options);
  }
  return session.tables().Close(area->alias());
}

}  // namespace frame
