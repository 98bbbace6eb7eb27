// TGMG: a salesman's carton targets for a date, one per product group of a master target list.
#include <map>

#include "console/message.h"
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
constexpr int kBoxColumn = 4;
constexpr int kQuantityColumn = 5;

frame::OpenedTables OpenTargetInputTables(frame::Session& session) {
  return OpenTables(session, {{"MSTARGET1"},
                              {"MSTARGET2", {}, false, "MSTARGET21"},
                              {"TGSALES", {}, false, "TGSALES1"},
                              {"PATRON"},
                              {"PATRON2", {}, false, "PATRON21"},
                              {"MASTBRJ"},
                              {"MASTSLS"},
                              {"SETUP"}});
}

struct Stored {
  double cartons = 0, quantity = 0;
};

// One row per group of the list, with the salesman's stored targets of the date.
console::ValueTable LoadTargets(const frame::OpenedTables& tables,
                                const std::string& list_key, const std::string& target_key) {
  std::map<std::string, Stored> stored;
  xbase::WorkArea& targets = tables["TGSALES"];
  std::vector<uint32_t> records;
  if (targets.SeekAll(target_key, &records).ok()) {
    for (uint32_t record : records) {
      if (!targets.GoTo(record).ok()) break;
      stored[targets.Text("PATRON")] = {targets.Number("CARTON"), targets.Number("QUANTITY")};
    }
  }
  console::ValueTable rows;
  xbase::WorkArea& lines = tables["MSTARGET2"];
  xbase::WorkArea& groups = tables["PATRON"];
  records.clear();
  if (lines.SeekAll(list_key, &records).ok()) {
    for (uint32_t record : records) {
      if (!lines.GoTo(record).ok()) break;
      const std::string group = lines.Text("PATRON");
      const bool named = xbase::LookUp(groups, group);
      const Stored& figures = stored[group];
      rows.push_back({xbase::Value::Num(static_cast<double>(rows.size() + 1)), xbase::Value::Text(group),
                      xbase::Value::Text(named ? groups.Text("NAMA") : Blank(30)), xbase::Value::Num(figures.cartons, 5),
                      xbase::Value::Num(figures.quantity, 7)});
    }
  }
  return rows;
}

}  // namespace

xbase::Status GroupCartonSize(frame::Session& session, const std::string& group, double* size) {
  *size = 0;
  const frame::OpenedTables tables = OpenTargetInputTables(session);
  if (!tables) return xbase::Status::IOError("PATRON2", "tidak bisa dibuka");
  xbase::WorkArea& members = tables["PATRON2"];
  xbase::WorkArea& items = tables["MASTBRJ"];
  bool member = false, item = false;
  xbase::Status s = members.SetOrder("PATRON21");
  if (s.ok()) s = xbase::SeekFound(members, members.PadToField("PATRON", xbase::RTrim(group)), &member);
  if (s.ok() && member) s = xbase::SeekFound(items, members.Text("KODE"), &item);
  if (s.ok() && item) *size = items.Number("DOS");
  return s;
}

xbase::Status SaveSalesmanTargets(frame::Session& session, const std::string& branch, const std::string& salesman,
                                  xbase::Date date, const std::string& code, const std::vector<GroupTarget>& targets) {
  const frame::OpenedTables tables = OpenTargetInputTables(session);
  if (!tables) return ListNotSaved(session, xbase::Status::IOError("TGSALES", "tidak bisa dibuka"));
  xbase::WorkArea& area = tables["TGSALES"];
  const std::string kdcb = area.PadToField("KDCB", xbase::AllTrim(branch));
  const std::string sales = area.PadToField("SALES", xbase::AllTrim(salesman));
  ListRows list{&area, kdcb + sales + date.Dtos(), {}};
  for (const GroupTarget& target : targets) {
    if (target.cartons == 0) continue;
    list.rows.push_back({{"KDCB", xbase::Value::Text(kdcb)},
                         {"SALES", xbase::Value::Text(sales)},
                         {"TANGGAL", xbase::Value::FromDate(date)},
                         {"KDTG", xbase::Value::Text(code)},
                         {"PATRON", xbase::Value::Text(target.group)},
                         {"CARTON", xbase::Value::Num(target.cartons)},
                         {"QUANTITY", xbase::Value::Num(target.quantity)},
                         {"TG_UPDATE", xbase::Value::FromDate(session.Today())}});
  }
  return SaveList(session, list);
}

xbase::Status TGMG(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenTargetInputTables(session);
  if (!tables) return xbase::Status();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string branch = Blank(6), salesman = Blank(4), code = Blank(2);
  xbase::Date date = session.Today();
  for (;;) {
    ReportForm form(session, "INPUT TARGET per SALES", {"KODE CABANG :", "KODE SALES  :", "TANGGAL     :", "KODE TARGET :"});
    form.Field(0, &branch, "@!").valid = [&] { return pickers::GETCB(session, branch); };
    form.Field(1, &salesman, "@!").valid = [&] { return pickers::CSALES(session, &salesman); };
    form.Field(2, &date).valid = [&] { return !date.empty(); };
    form.Field(3, &code, "@!").valid = [&] { return !xbase::IsBlank(code); };
    if (!form.Read()) break;
    xbase::WorkArea& targets = tables["TGSALES"];
    const std::string kdcb = targets.PadToField("KDCB", xbase::AllTrim(branch));
    console::ValueTable rows = LoadTargets(tables, kdcb + code, kdcb + targets.PadToField("SALES", salesman) + date.Dtos());
    if (rows.empty()) {
      console::PESAN(con, "Kode target " + std::string(xbase::AllTrim(code)) + " tidak terdaftar");
      continue;
    }
    GridLayout layout;
    layout.heads = {"NO.", "PATRON", "NAMA", "BOX", "QUANTITY"};
    layout.pictures = {"99", "@!", "", "99999", "9999999"};
    layout.window = {11, 4, 21, 76};
    layout.editable = {kBoxColumn, kQuantityColumn};
    layout.accept = [&](int row, int column) {
      console::ValueRow& cells = rows[static_cast<size_t>(row - 1)];
      double size = 0;
      // A carton size that cannot be read converts nothing: the cell is refused after the failure.
      if (!frame::Checked(session, GroupCartonSize(session, cells[kGroupColumn - 1].text(), &size))) return false;
      if (column == kBoxColumn) {
        cells[kQuantityColumn - 1] = xbase::Value::Num(cells[kBoxColumn - 1].number() * size, 7);
      } else {
        cells[kBoxColumn - 1] = xbase::Value::Num(size == 0 ? 0 : cells[kQuantityColumn - 1].number() / size, 5);
      }
      return true;
    };
    if (!EditGrid(session, &rows, layout)) continue;
    std::vector<GroupTarget> targets_typed;
    for (const console::ValueRow& row : rows) {
      targets_typed.push_back({row[kGroupColumn - 1].text(), row[kBoxColumn - 1].number(), row[kQuantityColumn - 1].number()});
    }
    SaveSalesmanTargets(session, branch, salesman, date, code, targets_typed).IgnoreError();  // shown by the save
  }
  return session.tables().CloseAll();
}

}  // namespace performance
