// SITEM: the numbered lists of focus items.
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "performance/lfokus.h"
#include "performance/line_grid.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kCodeColumn = 2, kNameColumn = 3, kGroupColumn = 4, kBoxColumn = 5;

frame::OpenedTables OpenFocusTables(frame::Session& session) {
  return OpenTables(session, {{"I_FOKUS", {}, false, "I_FOKUS1"}, {"MASTBRJ"}});
}

console::ValueRow BlankRow() {
  return {xbase::Value::Num(1), xbase::Value::Text(Blank(10)), xbase::Value::Text(Blank(20)), xbase::Value::Text(Blank(10)),
          xbase::Value::Num(0, 4)};
}

bool AcceptItem(frame::Session& session, console::ValueTable* rows, int row) {
  console::ValueRow& cells = (*rows)[static_cast<size_t>(row - 1)];
  std::string code = cells[kCodeColumn - 1].text();
  if (xbase::IsBlank(code)) return true;
  frame::PickSpec pick;
  pick.alias = "MASTBRJ";
  pick.expressions = {"KODE", "NAMA", "GOLONGAN"};
  pick.heads = {"Kode", "Nama", "Golongan"};
  pick.by_name = code.find('/') != std::string::npos;
  bool found = false;
  xbase::WorkArea* items = nullptr;
  const xbase::Status status = frame::PickAndSeek(session, pick, &code, &found, &items);
  const std::string shown(xbase::AllTrim(code));
  if (!frame::Checked(session, status)) return false;
  if (!found || xbase::AllTrim(items->Text("KODE")) != shown) {
    console::PESAN(session.console(), "Kode " + shown + " tidak terdaftar");
    return false;
  }
  for (size_t other = 0; other < rows->size(); ++other) {
    if (static_cast<int>(other) + 1 != row && CellText((*rows)[other], kCodeColumn) == shown) {
      console::PESAN(session.console(), "Kode " + shown + " sudah ada diurutan " + std::to_string(other + 1));
      return false;
    }
  }
  cells[kCodeColumn - 1] = xbase::Value::Text(items->Text("KODE"));
  cells[kNameColumn - 1] = xbase::Value::Text(items->Text("NAMA"));
  cells[kGroupColumn - 1] = xbase::Value::Text(items->Text("GOLONGAN"));
  cells[kBoxColumn - 1] = xbase::Value::Num(items->Number("DOS"), 4);
  return true;
}

}  // namespace

bool CNR(frame::Session& session, std::string* number, console::ValueTable* rows) {
  rows->clear();
  const frame::OpenedTables tables = OpenFocusTables(session);
  if (!tables) return true;
  frame::PickSpec pick;
  pick.alias = "I_FOKUS";
  pick.expressions = {"NOMOR", "KODE", "NAMA"};
  pick.heads = {"Nomor", "Kode", "Nama"};
  frame::PickCode(session, pick, number).IgnoreError();  // a list not picked leaves the number typed
  rows->clear();
  xbase::WorkArea& lines = tables["I_FOKUS"];
  std::vector<uint32_t> records;
  if (lines.SetOrder("I_FOKUS1").ok() && lines.SeekAll(lines.PadToField("NOMOR", xbase::AllTrim(*number)), &records).ok()) {
    for (uint32_t record : records) {
      if (!lines.GoTo(record).ok()) break;
      rows->push_back({xbase::Value::Num(static_cast<double>(rows->size() + 1)), xbase::Value::Text(lines.Text("KODE")),
                       xbase::Value::Text(lines.Text("NAMA")), xbase::Value::Text(lines.Text("GOLONGAN")),
                       xbase::Value::Num(lines.Number("BOX"), 4)});
    }
  }
  rows->push_back(BlankRow());
  rows->back()[0] = xbase::Value::Num(static_cast<double>(rows->size()));
  return true;
}

xbase::Status SaveFocusList(frame::Session& session, const std::string& number, const console::ValueTable& rows) {
  const frame::OpenedTables tables = OpenFocusTables(session);
  if (!tables) return ListNotSaved(session, xbase::Status::IOError("I_FOKUS", "tidak bisa dibuka"));
  xbase::WorkArea& lines = tables["I_FOKUS"];
  const std::string nomor = lines.PadToField("NOMOR", xbase::AllTrim(number));
  const xbase::Status status = lines.SetOrder("I_FOKUS1");
  if (!status.ok()) return ListNotSaved(session, status);
  ListRows list{&lines, nomor, {}};
  for (const console::ValueRow& row : rows) {
    if (CellText(row, kCodeColumn).empty()) continue;
    list.rows.push_back({{"NOMOR", xbase::Value::Text(nomor)},
                         {"GOLONGAN", row[kGroupColumn - 1]},
                         {"KODE", row[kCodeColumn - 1]},
                         {"NAMA", row[kNameColumn - 1]},
                         {"BOX", row[kBoxColumn - 1]},
                         {"URUT", xbase::Value::Text(xbase::Str(static_cast<double>(list.rows.size() + 1), 3))}});
  }
  return SaveList(session, list);
}

xbase::Status SITEM(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenFocusTables(session);
  if (!tables) return xbase::Status();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string number = xbase::PadR("LAPORFOKUS", 10);
  console::ValueTable rows;
  for (;;) {
    ReportForm form(session, "Input ITEM FOKUS", {"Nomor :"}, 40);
    form.Field(0, &number, "@!").valid = [&] { return !xbase::IsBlank(number) && CNR(session, &number, &rows); };
    if (!form.Read()) break;
    GridLayout layout;
    layout.heads = {"No", "KODE", "NAMA", "GOLONGAN", " BOX"};
    layout.pictures = {"99", "@!", "@!", "@!", "9999"};
    layout.window = {9, 10, 21, 70};
    layout.editable = {kCodeColumn, kBoxColumn};
    layout.code_column = kCodeColumn;
    layout.blank_row = BlankRow;
    layout.grow_column = kBoxColumn;
    layout.accept = [&](int row, int column) { return column != kCodeColumn || AcceptItem(session, &rows, row); };
    layout.question = "Yakin data akan disimpan (Y/T)";
    layout.enter_answers_yes = true;
    layout.enter_on_empty_asks = true;
    if (!EditGrid(session, &rows, layout)) continue;
    SaveFocusList(session, number, rows).IgnoreError();  // the save shows its own refusal
  }
  return session.tables().CloseAll();
}

}  // namespace performance
