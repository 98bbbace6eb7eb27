// GRSPV: the supervisor groups, a supervisor of a branch and the salesmen in his group.
#include "performance/grspv.h"

#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "performance/line_grid.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "pickers/pickers.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kCodeColumn = 2;
constexpr int kNameColumn = 3;

frame::OpenedTables OpenGroupTables(frame::Session& session) {
  return OpenTables(session, {{"SPV_SALES"}, {"SALES_MEM", {}, false, "SALES_MEM1"}, {"MASTSLS"}, {"CABANG"}});
}

console::ValueRow BlankRow() { return {xbase::Value::Num(1), xbase::Value::Text(Blank(4)), xbase::Value::Text(Blank(20))}; }

console::ValueTable LoadMembers(const frame::OpenedTables& tables, const std::string& supervisor) {
  console::ValueTable rows;
  xbase::WorkArea& members = tables["SALES_MEM"];
  std::vector<uint32_t> records;
  if (members.SetOrder("SALES_MEM1").ok() && members.SeekAll(members.PadToField("SPVID", supervisor), &records).ok()) {
    for (uint32_t record : records) {
      if (!members.GoTo(record).ok()) break;
      rows.push_back({xbase::Value::Num(static_cast<double>(rows.size() + 1)), xbase::Value::Text(members.Text("KODE")),
                      xbase::Value::Text(members.Text("NAMA"))});
    }
  }
  rows.push_back(BlankRow());
  rows.back()[0] = xbase::Value::Num(static_cast<double>(rows.size()));
  return rows;
}

// The supervisor field: "?" picks a supervisor (and his branch); a known one shows his name.
bool AcceptSupervisor(frame::Session& session, std::string* branch, std::string* code, std::string* name) {
  if (xbase::IsBlank(*code)) return true;
  frame::PickSpec pick;
  pick.alias = "SPV_SALES";
  pick.expressions = {"KODE", "CABANG", "NAMA"};
  pick.heads = {"Kode", "Cabang", "Nama"};
  bool picked = false;
  xbase::WorkArea* area = nullptr;
  const xbase::Status status = frame::PickCode(session, pick, code, &picked);
  if (!frame::Checked(session, status)) return false;
  if (!frame::PickerArea(session, pick, &area).ok()) return false;
  if (picked && !area->eof()) *branch = area->Text("CABANG");
  const std::string key = area->PadToField("CABANG", xbase::AllTrim(*branch)) + area->PadToField("KODE", xbase::AllTrim(*code));
  if (xbase::LookUp(*area, key)) *name = area->Text("NAMA");
  return true;
}

bool AcceptMember(frame::Session& session, const frame::OpenedTables& tables, console::ValueTable* rows, int row,
                  const std::string& supervisor) {
  console::ValueRow& cells = (*rows)[static_cast<size_t>(row - 1)];
  std::string code = cells[kCodeColumn - 1].text();
  if (xbase::IsBlank(code)) return true;
  if (!pickers::CSALES(session, &code)) return false;
  xbase::WorkArea& salesmen = tables["MASTSLS"];
  cells[kCodeColumn - 1] = xbase::Value::Text(salesmen.PadToField("SALES", xbase::AllTrim(code)));
  std::vector<std::string> codes;
  for (const console::ValueRow& each : *rows) codes.push_back(CellText(each, kCodeColumn));
  std::string clash;
  // A member row that cannot be read refuses the code as a clash does: he may belong to another group.
  const bool checked = frame::Checked(session, MemberClash(session, codes, static_cast<size_t>(row - 1), supervisor, &clash));
  if (checked && !clash.empty()) console::PESAN(session.console(), clash);
  if (!checked || !clash.empty()) {
    cells[kNameColumn - 1] = xbase::Value::Text(Blank(20));
    return false;
  }
  const bool found = xbase::LookUp(salesmen, salesmen.PadToField("SALES", xbase::AllTrim(code)));
  cells[kNameColumn - 1] = xbase::Value::Text(found ? salesmen.Text("NAMA") : Blank(20));
  return true;
}

}  // namespace

xbase::Status MemberClash(frame::Session& session, const std::vector<std::string>& codes, size_t row,
                          const std::string& supervisor, std::string* clash) {
  clash->clear();
  const frame::OpenedTables tables = OpenGroupTables(session);
  if (!tables) {
    *clash = "SALES_MEM tidak bisa dibuka";
    return xbase::Status::OK();
  }
  const std::string& code = codes[row];
  for (size_t other = 0; other < codes.size(); ++other) {
    if (other != row && codes[other] == code) {
      *clash = "kode " + code + " ini telah diisikan pada urutan ke " + std::to_string(other + 1);
      return xbase::Status::OK();
    }
  }
  xbase::WorkArea& members = tables["SALES_MEM"];
  bool found = false;
  xbase::Status s = members.SetOrder("SALES_MEM2");
  if (s.ok()) s = xbase::SeekFound(members, members.PadToField("KODE", code), &found);
  const std::string group = s.ok() && found ? std::string(xbase::AllTrim(members.Text("SPVID"))) : std::string();
  members.SetOrder("SALES_MEM1").IgnoreError();  // the grid's loads seek on it again and check
  if (!group.empty() && group != xbase::AllTrim(supervisor)) *clash = "kode ini sudah masuk kelompok " + group;
  return s;
}

xbase::Status SaveSupervisorGroup(frame::Session& session, const std::string& branch, const std::string& code,
                                  const std::string& name, const std::vector<GroupMember>& members) {
  const frame::OpenedTables tables = OpenGroupTables(session);
  if (!tables) return ListNotSaved(session, xbase::Status::IOError("SALES_MEM", "tidak bisa dibuka"));
  xbase::WorkArea& area = tables["SALES_MEM"];
  const std::string spvid = area.PadToField("SPVID", xbase::AllTrim(code));
  const xbase::Status status = area.SetOrder("SALES_MEM1");
  if (!status.ok()) return ListNotSaved(session, status);
  ListRows list{&area, spvid, {}};
  for (const GroupMember& member : members) {
    if (xbase::IsBlank(member.code)) continue;
    list.rows.push_back({{"SPVID", xbase::Value::Text(spvid)}, {"KODE", xbase::Value::Text(member.code)},
                         {"NAMA", xbase::Value::Text(member.name)}});
  }
  xbase::WorkArea& supervisors = tables["SPV_SALES"];
  const std::string cabang = supervisors.PadToField("CABANG", xbase::AllTrim(branch));
  const ListHeader header{&supervisors, cabang + spvid, !list.rows.empty(),
                          {{"CABANG", xbase::Value::Text(cabang)}, {"KODE", xbase::Value::Text(spvid)}},
                          {{"NAMA", xbase::Value::Text(name)}}};
  return SaveList(session, list, &header);
}

xbase::Status GRSPV(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenGroupTables(session);
  if (!tables) return xbase::Status();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string branch = Blank(6), code = Blank(4), name = Blank(20);
  for (;;) {
    ReportForm form(session, "Setting Sales Supervisor", {"Cbng :", "Kode :", "Nama :"}, 44);
    form.Field(0, &branch, "@!").valid = [&] { return pickers::CARICABANG_(session, &branch); };
    form.Field(1, &code, "@!").valid = [&] { return AcceptSupervisor(session, &branch, &code, &name); };
    form.Field(2, &name, "@!");
    if (!form.Read() || xbase::IsBlank(code)) break;
    console::ValueTable rows = LoadMembers(tables, code);
    GridLayout layout;
    layout.heads = {"No.", "Sales", "Nama"};
    layout.pictures = {"99", "@!", ""};
    layout.window = {13, 18, 21, 62};
    layout.editable = {kCodeColumn};
    layout.blank_row = BlankRow;
    layout.accept = [&](int row, int) { return AcceptMember(session, tables, &rows, row, code); };
    if (!EditGrid(session, &rows, layout)) continue;
    std::vector<GroupMember> members;
    for (const console::ValueRow& row : rows) members.push_back({row[kCodeColumn - 1].text(), row[kNameColumn - 1].text()});
    SaveSupervisorGroup(session, branch, code, name, members).IgnoreError();  // the save shows its own refusal
  }
  return session.tables().CloseAll();
}

}  // namespace performance
