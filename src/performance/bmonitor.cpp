// BMONITOR: per area manager, what was sold on the delivery notes he visited, alone and with each
// salesman.
#include <map>

#include "frame/spreadsheet.h"
#include "performance/lfokus.h"
#include "performance/performance.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "performance/sheet_layout.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kBlockRow = 8;
constexpr int kOwnColumn = 1, kWithColumn = 8, kTotalColumn = 16;

struct Sold {
  std::string name;
  double quantity = 0, cartons = 0, value = 0;
  void Add(double q, double c, double v) {
    quantity += q;
    cartons += c;
    value += v;
  }
};

// One manager's rows: by salesman ("" his own) and item, and by item.
struct Manager {
  std::map<std::pair<std::string, std::string>, Sold> by_salesman;
  std::map<std::string, Sold> by_item;
};

frame::OpenedTables OpenVisitTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"BMONITOR"}, {"DATABM"}, {"PATRON"}, {"PATRON2", {}, false, "PATRON22"},
                                      {"KONVERT"}, {"MASTBRJ"}},
                                     DocumentTableUses()}));
}

// The figures and a TOTAL row of a block; `salesman` shows the salesman column.
void SoldBlock(platform::Worksheet& sheet, int column, const std::string& title, bool salesman,
           const std::vector<std::pair<std::string, const Sold*>>& rows, const std::vector<std::string>& salesmen) {
  sheet.SetValue(kBlockRow, column, title);
  std::vector<std::string> heads = {"NO", "KODE BARANG", "NAMA BARANG", "QUANTITY", "CARTON", "VALUE"};
  if (salesman) heads.insert(heads.begin() + 1, "SALES");
  for (size_t i = 0; i < heads.size(); ++i) sheet.SetValue(kBlockRow + 1, column + static_cast<int>(i), heads[i]);
  const int last = column + static_cast<int>(heads.size()) - 1;
  sheet.Merge(Block(kBlockRow, column, kBlockRow, last));
  const std::string head_block = Block(kBlockRow, column, kBlockRow + 1, last);
  sheet.Bold(head_block);
  sheet.Centre(head_block);
  sheet.SetBorders(head_block, frame::kBorderWeight);
  int row = kBlockRow + 2;
  Sold total;
  std::string shown;
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto& [item, sold] = rows[i];
    int at = column;
    sheet.SetNumber(row, at++, static_cast<double>(i + 1));
    if (salesman) {
      if (i == 0 || salesmen[i] != shown) sheet.SetValue(row, at, frame::AsText(salesmen[i]));
      shown = salesmen[i];
      ++at;
    }
    sheet.SetValue(row, at++, frame::AsText(item));
    sheet.SetValue(row, at++, sold->name);
    sheet.SetNumber(row, at++, sold->quantity);
    sheet.SetNumber(row, at++, sold->cartons);
    sheet.SetNumber(row, at, sold->value);
    total.Add(sold->quantity, sold->cartons, sold->value);
    ++row;
  }
  sheet.SetValue(row, last - 3, "TOTAL");
  sheet.SetNumber(row, last - 2, total.quantity);
  sheet.SetNumber(row, last - 1, total.cartons);
  sheet.SetNumber(row, last, total.value);
  sheet.Bold(Block(row, column, row, last));
  sheet.SetBorders(Block(kBlockRow + 2, column, row, last), frame::kBorderWeight);
  sheet.SetNumberFormat(Block(kBlockRow + 2, last - 2, row, last), frame::kAmountFormat);
}

}  // namespace

bool JoinVisits(frame::Session& session, const JoinVisitParams& params, std::string* path) {
  const frame::OpenedTables tables = OpenVisitTables(session);
  if (!tables) return false;
  xbase::WorkArea& visits = tables["BMONITOR"];
  xbase::WorkArea& managers = tables["DATABM"];
  std::map<std::string, Manager> sold;
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  filter.customer = params.customer;
  filter.without_admin_return = true;
  filter.returns = false;
  // The visit row decides whether a note counts, the manager's own salesman in which row: a read
  // that fails stops the report before the workbook.
  const bool read = WalkDocuments(session, tables, filter, [&](const SaleDocument& note, const std::vector<SaleLine>& lines) {
    bool visited = false, known = false;
    xbase::Status s = xbase::SeekFound(visits, visits.PadToField("INVOICE", xbase::RTrim(note.number)), &visited);
    if (!s.ok() || !visited) return s;
    const std::string manager(xbase::AllTrim(visits.Text("KODEBM")));
    if (s = xbase::SeekFound(managers, managers.PadToField("KODE", manager), &known); !s.ok()) return s;
    const std::string own = known ? std::string(xbase::AllTrim(managers.Text("SALES"))) : std::string();
    const std::string salesman(xbase::AllTrim(note.salesman));
    const std::string with = own.empty() || salesman.starts_with(own) ? std::string() : salesman;
    Manager& rows = sold[manager];
    for (const SaleLine& line : lines) {
      std::string item(xbase::RTrim(line.code)), name;
      double cartons = 0;
      if (s = ItemText(session, line.code, "NAMA", &name); s.ok()) s = LineCartons(session, line, &cartons);
      if (!s.ok()) return s;
      name = std::string(xbase::RTrim(name));
      if (params.by_group) {
        std::pair<std::string, std::string> group;
        if (s = CARIPATRON_(session, line.code, &group); !s.ok()) return s;
        item = std::string(xbase::RTrim(group.first));
        name = std::string(xbase::RTrim(group.second));
      }
      for (Sold* row : {&rows.by_salesman[{with, item}], &rows.by_item[item]}) {
        row->name = name;
        row->Add(line.quantity, cartons, line.value);
      }
    }
    return s;
  });
  if (!read) return false;

  frame::SpreadsheetExport book(session, "LAPORAN JOIN VISIT BM");
  std::vector<std::string> names;
  for (const auto& [manager, rows] : sold) names.push_back(manager);
  if (!names.empty()) book.NameSheets(names);
  for (const auto& [manager, rows] : sold) {
    platform::Worksheet& sheet = book.Select(manager);
    std::string branch, name;
    if (xbase::LookUp(managers, managers.PadToField("KODE", manager))) {
      branch = std::string(xbase::RTrim(managers.Text("CABANG")));
      name = std::string(xbase::RTrim(managers.Text("NAMA")));
    }
    Titles(sheet, {"LAPORAN JOIN VISIT BM & SALES", "CABANG : " + branch, "RELASI : " + std::string(xbase::AllTrim(params.customer)),
                   "PERIODE : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to), "NAMA BM/DBM : " + name});
    std::vector<std::pair<std::string, const Sold*>> own, with, total;
    std::vector<std::string> own_salesmen, with_salesmen;
    for (const auto& [key, row] : rows.by_salesman) {
      (key.first.empty() ? own : with).emplace_back(key.second, &row);
      (key.first.empty() ? own_salesmen : with_salesmen).push_back(key.first);
    }
    for (const auto& [item, row] : rows.by_item) total.emplace_back(item, &row);
    SoldBlock(sheet, kOwnColumn, "OMSET BM/DBM SENDIRI", false, own, own_salesmen);
    SoldBlock(sheet, kWithColumn, "OMSET BM/DBM bersama SALES", true, with, with_salesmen);
    SoldBlock(sheet, kTotalColumn, "TOTAL OMSET BM/DBM", false, total, {});
    sheet.AutoFit(Columns(1, kTotalColumn + 5));
  }
  return book.Show(path);
}

xbase::Status BMONITOR(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenVisitTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  JoinVisitParams params;
  params.from = params.to = session.Today();
  params.customer = Blank(10);
  for (;;) {
    ReportForm form(session, "Laporan Join Visit BM", {"Tanggal       :", "s/d           :", "Relasi        :", "by Induk (Y/N):"});
    form.Period(0, 1, &params.from, &params.to, false);
    form.Field(2, &params.customer, "@!");
    form.Field(3, &params.by_group, "Y");
    if (!form.Read()) break;
    JoinVisits(session, params);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
