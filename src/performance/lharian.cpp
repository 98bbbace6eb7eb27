// LHARIAN: a branch's day in one workbook: targets, the day's and the month's sales and the stock per
// goods group, per product family, for type "NT" notes and per focus item.
#include <algorithm>
#include <array>
#include <map>

#include "console/message.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/group_rows.h"
#include "performance/lfokus.h"
#include "performance/performance.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "performance/sheet_layout.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

// The figures of a row: 2 target of the day, 3 today, 4 month to date, 5 target to date, 6 target
// of the month, 7 stock.
enum Figure { kDayTarget = 2, kToday = 3, kMonth = 4, kTargetToDate = 5, kMonthTarget = 6, kStock = 7 };
using Figures = std::array<double, 8>;
constexpr double kWorkingDays = 16.67;
constexpr int kLastColumn = 9;

struct Table {
  GroupRows rows;
  std::vector<Figures> figures;
  explicit Table(GroupRows group_rows) : rows(std::move(group_rows)), figures(rows.size(), Figures{}) {}
  void Add(std::string_view name, Figure figure, double amount) {
    for (size_t row : rows.RowsOf(name)) figures[row][figure] += amount;
  }
};

GroupRows DailyGroupRows() {
  return GroupRows({"SCHOOL", "WRITING", "GIFTWRAP", "OFFICE", "ENVELOPE", "OTHERS", "COPYPAPER", "JASA", "TOTAL"}, "JASA");
}

struct FocusRow {
  std::string key, code, label;
  Figures figures{};
};

struct Daily {
  Table group_cartons{DailyGroupRows()}, group_values{DailyGroupRows()};
  Table family_cartons{FamilyRows()}, family_values{FamilyRows()};
  Table nt_cartons{FamilyRows()}, nt_values{FamilyRows()};
  std::vector<FocusRow> focus;
  std::multimap<std::string, size_t> focus_of;  // item code to its focus rows

  // Adds an item's figures under its group, family and focus rows; an item that cannot be read is the
  // error, with nothing added.
  xbase::Status Add(frame::Session& session, const std::string& code, Figure figure, double cartons, double value,
                    bool nt) {
    std::string group, family;
    xbase::Status s = ItemText(session, code, "GOLONGAN", &group);
    if (s.ok()) s = CARIPATORNK1K2(session, code, &family);
    if (!s.ok()) return s;
    group_cartons.Add(group, figure, cartons);
    family_cartons.Add(family, figure, cartons);
    if (figure != kStock) {
      group_values.Add(group, figure, value);
      family_values.Add(family, figure, value);
    }
    if (nt) {
      nt_cartons.Add(family, figure, cartons);
      nt_values.Add(family, figure, value);
    }
    const auto [first, last] = focus_of.equal_range(std::string(xbase::RTrim(code)));
    for (auto at = first; at != last; ++at) focus[at->second].figures[figure] += cartons;
    return s;
  }
};

frame::OpenedTables OpenDailyTables(frame::Session& session) {
  return OpenTables(session, Joined({ReportTableUses(),
                                     {{"I_FOKUS", {}, false, "I_FOKUS1"}, {"STOKBRG", {}, false, "STOKBRG2"}},
                                     DocumentTableUses()}));
}

xbase::Status LoadFocus(frame::Session& session, const frame::OpenedTables& tables, Daily* daily) {
  xbase::WorkArea& lines = tables["I_FOKUS"];
  std::vector<FocusRow> rows;
  xbase::Status status = lines.GoTop();
  for (; status.ok() && !lines.eof(); status = lines.Skip()) {
    const std::string code = lines.Text("KODE");
    std::string family;
    if (status = CARIPATORNK1K2(session, code, &family); !status.ok()) break;
    rows.push_back({lines.Text("NOMOR") + family + code, std::string(xbase::RTrim(code)),
                    std::string(xbase::RTrim(code)) + " " + std::string(xbase::RTrim(lines.Text("NAMA"))), {}});
  }
  std::stable_sort(rows.begin(), rows.end(), [](const FocusRow& a, const FocusRow& b) { return a.key < b.key; });
  for (size_t i = 0; i < rows.size(); ++i) daily->focus_of.emplace(rows[i].code, i);
  daily->focus = std::move(rows);
  return status;
}

xbase::Status AddTargets(frame::Session& session, const frame::OpenedTables& tables, const DailyReportParams& params,
                         Daily* daily) {
  xbase::WorkArea& targets = tables["TARGET"];
  xbase::Status status = targets.SetOrder("TARGET2");
  if (status.ok()) status = targets.Seek(text::TGLAWAL(params.day).Dtos(), true);
  const xbase::Date end = text::TGLAKHIR(params.day);
  for (; status.ok() && !targets.eof() && targets.DateOf("TANGGAL") <= end; status = targets.Skip()) {
    if (!BeginsWith(targets.Text("KDCB"), params.branch)) continue;
    const std::string code = targets.Text("KODE");
    const double cartons = targets.Number("CARTON"), value = targets.Number("BGTVAL") / 1000;
    status = daily->Add(session, code, kMonthTarget, cartons, value, false);
    if (status.ok()) status = daily->Add(session, code, kDayTarget, cartons / kWorkingDays, value / kWorkingDays, false);
    if (!status.ok()) break;
  }
  return status;
}

xbase::Status AddStock(frame::Session& session, const frame::OpenedTables& tables, const DailyReportParams& params,
                       Daily* daily) {
  xbase::WorkArea& stock = tables["STOKBRG"];
  xbase::Status status = stock.Seek(std::string(xbase::AllTrim(params.warehouse)), true);
  for (; status.ok() && !stock.eof() && BeginsWith(stock.Text("GUDANG"), params.warehouse); status = stock.Skip()) {
    const std::string code = stock.Text("KODE");
    double size = 0;
    status = CartonSize(session, code, &size);
    const double quantity = stock.Number("JUMLAH");
    if (status.ok()) status = daily->Add(session, code, kStock, size == 0 ? 0 : quantity / size, 0, false);
    if (!status.ok()) break;
  }
  return status;
}

int WriteTable(platform::Worksheet& sheet, int row, const std::string& unit, const Table& table) {
  sheet.SetValue(row, 1, unit);
  sheet.Bold(Block(row, 1, row, 1));
  const int first = ++row;
  for (size_t i = 0; i < table.rows.size(); ++i, ++row) {
    const Figures& figures = table.figures[i];
    sheet.SetValue(row, 1, table.rows.labels()[i]);
    for (int figure = kDayTarget; figure <= kStock; ++figure) sheet.SetNumber(row, figure, figures[figure]);
    sheet.SetNumber(row, 8, frame::Ratio(figures[kToday], figures[kMonthTarget]));
    sheet.SetNumber(row, 9, frame::Ratio(figures[kMonth], figures[kMonthTarget]));
    if (table.rows.IsSum(i)) TotalRow(sheet, row, kLastColumn, frame::GroupTotalFill(1));
  }
  sheet.SetBorders(Block(first, 1, row - 1, kLastColumn), frame::kBorderWeight);
  return row + 1;
}

int BlockTitle(platform::Worksheet& sheet, int row, const std::string& title) {
  sheet.SetValue(row, 1, title);
  sheet.Bold(Block(row, 1, row, 1));
  sheet.SetFill(Block(row, 1, row, kLastColumn), 36);
  return row + 1;
}

}  // namespace

bool DailyReport(frame::Session& session, const DailyReportParams& params, std::string* path) {
  const frame::OpenedTables tables = OpenDailyTables(session);
  if (!tables) return false;
  Daily daily;
  xbase::Status status = LoadFocus(session, tables, &daily);
  if (status.ok()) status = AddTargets(session, tables, params, &daily);
  if (status.ok()) status = AddStock(session, tables, params, &daily);
  if (!frame::Checked(session, status)) return false;
  DocumentFilter filter;
  filter.from = text::TGLAWAL(params.day);
  filter.to = params.day;
  filter.customer = params.customer;
  filter.accept = [&](const SaleDocument& document) {
    const std::string_view salesman = xbase::AllTrim(document.salesman);
    return salesman.empty() || params.excluded_salesmen.find(salesman) == std::string::npos;
  };
  const bool read = WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    const bool today = document.date == params.day;
    const bool nt = today && xbase::AllTrim(document.type) == "NT";
    xbase::Status s;
    for (size_t i = 0; s.ok() && i < lines.size(); ++i) {
      double cartons = 0;
      s = LineCartons(session, lines[i], &cartons);
      cartons *= document.sign();
      const double value = document.sign() * lines[i].value / 1000;
      if (s.ok()) s = daily.Add(session, lines[i].code, kMonth, cartons, value, false);
      if (s.ok() && today) s = daily.Add(session, lines[i].code, kToday, cartons, value, nt);
    }
    return s;
  });
  if (!read) return false;

  frame::SpreadsheetExport book(session, "LAPORAN HARIAN");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {"LAPORAN HARIAN, Cabang " + std::string(xbase::AllTrim(params.branch)),
                 "RELASI  " + std::string(xbase::AllTrim(params.customer)), "TANGGAL " + xbase::Dtoc(params.day)});
  TallHead(sheet, 1, "KETERANGAN");
  TallHead(sheet, 2, "TARGET HR INI");
  SpanHead(sheet, 3, "OMSET", {"HARI INI", "KUMM"});
  SpanHead(sheet, 5, "TARGET", {"KUMM", "BULAN INI"});
  TallHead(sheet, 7, "STOCK");
  SpanHead(sheet, 8, "PENCAPAIAN", {"HARI INI", "KUMM"});
  FinishHeads(sheet, kLastColumn);
  int row = kFirstDataRow;
  row = BlockTitle(sheet, row, "GROUP PRODUCT");
  row = WriteTable(sheet, row, "CARTON", daily.group_cartons);
  row = WriteTable(sheet, row, "VALUE", daily.group_values);
  row = BlockTitle(sheet, row, "K1-K2-K3-K4");
  row = WriteTable(sheet, row, "CARTON", daily.family_cartons);
  row = WriteTable(sheet, row, "VALUE", daily.family_values);
  row = BlockTitle(sheet, row, "TYPE NT");
  row = WriteTable(sheet, row, "CARTON", daily.nt_cartons);
  row = WriteTable(sheet, row, "VALUE", daily.nt_values);
  row = BlockTitle(sheet, row, "ITEM FOKUS");
  sheet.SetValue(row++, 1, "CARTON");
  Figures total{};
  const int first = row;
  const auto write = [&](const std::string& label, const Figures& figures) {
    sheet.SetValue(row, 1, label);
    for (int figure = kDayTarget; figure <= kStock; ++figure) sheet.SetNumber(row, figure, figures[figure]);
    sheet.SetNumber(row, 8, frame::Ratio(figures[kToday], figures[kMonthTarget]));
    sheet.SetNumber(row, 9, frame::Ratio(figures[kMonth], figures[kMonthTarget]));
    ++row;
  };
  for (const FocusRow& focus : daily.focus) {
    write(focus.label, focus.figures);
    for (size_t i = 0; i < total.size(); ++i) total[i] += focus.figures[i];
  }
  write("TOTAL FOKUS", total);
  TotalRow(sheet, row - 1, kLastColumn, frame::GroupTotalFill(1));
  sheet.SetBorders(Block(first, 1, row - 1, kLastColumn), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(2, kLastColumn), frame::kAmountFormat);
  sheet.AutoFit(Columns(1, kLastColumn));
  return book.Show(path);
}

xbase::Status LHARIAN(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenDailyTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  DailyReportParams params;
  params.day = session.Today();
  params.customer = Blank(10);
  params.branch = Blank(6);
  params.warehouse = Blank(6);
  params.excluded_salesmen = Blank(30);
  for (;;) {
    ReportForm form(session, "Laporan Harian",
                    {"Tanggal       :", "Relasi        :", "Cabang        :", "Gudang        :", "Kecuali sales :"});
    form.Field(0, &params.day).valid = [&] { return !params.day.empty(); };
    form.Field(1, &params.customer, "@!").valid = [&] {
      const bool set = CBTARGET(params.customer, &params.branch, &params.warehouse);
      params.warehouse = Blank(6);  // an empty prefix the field can still take
      return set;
    };
    form.Field(2, &params.branch, "@!");
    form.Field(3, &params.warehouse, "@!");
    form.Field(4, &params.excluded_salesmen, "@!");
    if (!form.Read()) break;
    DailyReport(session, params);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
