// MTGT: the master target lists, for a branch and a two-character target code the product
// groups that targets are set on.
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "performance/line_grid.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/tgtsls.h"
#include "pickers/pickers.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kGroupColumn = 2;
constexpr int kNameColumn = 3;

frame::OpenedTables OpenListTables(frame::Session& session) {
  return OpenTables(session, {{"MSTARGET1"}, {"MSTARGET2", {}, false, "MSTARGET21"}, {"PATRON"}, {"SETUP"}});
}

console::ValueRow BlankRow() { return {xbase::Value::Num(1), xbase::Value::Text(Blank(10)), xbase::Value::Text(Blank(30))}; }

// The stored groups of branch + code with their names, and the list's notes.
console::ValueTable LoadList(const frame::OpenedTables& tables, const std::string& key, std::string* notes) {
  xbase::WorkArea& header = tables["MSTARGET1"];
  if (xbase::LookUp(header, key)) *notes = header.Text("NOTES");
  console::ValueTable rows;
  xbase::WorkArea& lines = tables["MSTARGET2"];
  std::vector<uint32_t> records;
  if (lines.SeekAll(key, &records).ok()) {
    xbase::WorkArea& groups = tables["PATRON"];
    for (uint32_t record : records) {
      if (!lines.GoTo(record).ok()) break;
      const std::string group = lines.Text("PATRON");
      const bool named = xbase::LookUp(groups, group);
      rows.push_back({xbase::Value::Num(static_cast<double>(rows.size() + 1)), xbase::Value::Text(group),
                      xbase::Value::Text(named ? groups.Text("NAMA") : Blank(30))});
    }
  }
  rows.push_back(BlankRow());
  rows.back()[0] = xbase::Value::Num(static_cast<double>(rows.size()));
  return rows;
}

// The check of a group typed on row `row` (from 1): "?" picks, the group must exist above level 3
// and may not clash with the others.
bool AcceptGroup(frame::Session& session, console::ValueTable* rows, int row) {
  console::ValueRow& cells = (*rows)[static_cast<size_t>(row - 1)];
  std::string code = cells[kGroupColumn - 1].text();
  if (xbase::IsBlank(code)) return true;
  frame::PickSpec pick;
  pick.alias = "PATRON";
  pick.expressions = {"KODE", "NAMA", "LEVEL"};
  pick.heads = {"Kode", "Nama", "Level"};
  bool found = false;
  xbase::WorkArea* groups = nullptr;
  const xbase::Status status = frame::PickAndSeek(session, pick, &code, &found, &groups);
  const std::string shown(xbase::AllTrim(code));
  if (!frame::Checked(session, status)) return false;
  if (!found || groups->Text("KODE") != groups->PadToField("KODE", shown) || groups->Number("LEVEL") <= 3) {
    console::PESAN(session.console(), "Kode " + shown + " tidak terdaftar");
    return false;
  }
  cells[kGroupColumn - 1] = xbase::Value::Text(groups->Text("KODE"));
  cells[kNameColumn - 1] = xbase::Value::Text(groups->Text("NAMA"));
  std::vector<std::string> codes;
  for (const console::ValueRow& each : *rows) codes.push_back(CellText(each, kGroupColumn));
  const std::string clash = TargetGroupClash(codes, static_cast<size_t>(row - 1));
  if (clash.empty()) return true;
  console::PESAN(session.console(), clash);
  return false;
}

}  // namespace

std::string TargetGroupClash(const std::vector<std::string>& groups, size_t row) {
  const std::string& code = groups[row];
  for (size_t other = 0; other < groups.size(); ++other) {
    const std::string& them = groups[other];
    if (other == row || them.empty()) continue;
    const bool parent = them.size() >= 4 && them.size() <= 10 && code.starts_with(them);
    if (them == code || parent || them.starts_with(code)) {
      return "KodeInduk ini telah diisikan pada urutan ke " + std::to_string(other + 1);
    }
  }
  return {};
}

xbase::Status SaveTargetList(frame::Session& session, const std::string& branch, const std::string& code,
                             const std::string& notes, const std::vector<std::string>& groups) {
  const frame::OpenedTables tables = OpenListTables(session);
  if (!tables) return ListNotSaved(session, xbase::Status::IOError("MSTARGET", "tidak bisa dibuka"));
  xbase::WorkArea& header = tables["MSTARGET1"];
  xbase::WorkArea& lines = tables["MSTARGET2"];
  const std::string kdcb = lines.PadToField("KDCB", xbase::AllTrim(branch));
  const std::string kdtg = lines.PadToField("KDTG", xbase::AllTrim(code));
  ListRows list{&lines, kdcb + kdtg, {}};
  for (const std::string& group : groups) {
    if (xbase::IsBlank(group)) continue;
    list.rows.push_back({{"KDCB", xbase::Value::Text(kdcb)}, {"KDTG", xbase::Value::Text(kdtg)},
                         {"PATRON", xbase::Value::Text(group)}});
  }
  const ListHeader stored{&header, kdcb + kdtg, !list.rows.empty(),
                          {{"KDCB", xbase::Value::Text(kdcb)}, {"KDTG", xbase::Value::Text(kdtg)}},
                          {{"NOTES", xbase::Value::Text(notes)}, {"TG_UPDATE", xbase::Value::FromDate(session.Today())}}};
  return SaveList(session, list, &stored);
}

xbase::Status MTGT(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenListTables(session);
  if (!tables) return xbase::Status();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string branch = Blank(6), code = Blank(2), notes = Blank(30);
  console::ValueTable rows;
  for (;;) {
    ReportForm form(session, "MASTER TARGET per SALES", {"KODE CABANG :", "KODE TARGET :", "NOTES       :"});
    form.Field(0, &branch, "@!").valid = [&] { return pickers::GETCB(session, branch); };
    form.Field(1, &code, "@!").valid = [&] {
      if (xbase::IsBlank(code)) return false;
      notes = Blank(30);
      rows = LoadList(tables, tables["MSTARGET2"].PadToField("KDCB", xbase::AllTrim(branch)) + code, &notes);
      return true;
    };
    form.Field(2, &notes);
    if (!form.Read() || xbase::IsBlank(code)) break;
    GridLayout layout;
    layout.heads = {"NO.", "PATRON", "NAMA"};
    layout.pictures = {"99", "@!", ""};
    layout.window = {13, 10, 21, 70};
    layout.editable = {kGroupColumn};
    layout.blank_row = BlankRow;
    layout.accept = [&](int row, int) { return AcceptGroup(session, &rows, row); };
    if (!EditGrid(session, &rows, layout)) continue;
    std::vector<std::string> groups;
    for (const console::ValueRow& row : rows) groups.push_back(row[kGroupColumn - 1].text());
    SaveTargetList(session, branch, code, notes, groups).IgnoreError();  // the save shows its own refusal
  }
  return session.tables().CloseAll();
}

}  // namespace performance
