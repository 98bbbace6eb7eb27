// BLPPPA: the PP/PA coverage and the cartons sold and returned of the salesmen and superiors asked for, month
// by month over a year, in a workbook.
#include <array>
#include <map>

#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/coverage.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "performance/sheet_layout.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

const xbase::Date kCutoff = xbase::Date::FromYmd(2019, 1, 1);
constexpr std::array<const char*, 12> kMonths = {"JANUARI", "PEBRUARI", "MARET",     "APRIL",   "MEI",      "JUNI",
                                                 "JULI",    "AGUSTUS",  "SEPTEMBER", "OKTOBER", "NOPEMBER", "DESEMBER"};
constexpr int kFirstMonthColumn = 5;
constexpr int kMonthWidth = 6;

struct Cartons {
  std::array<double, 12> sold{}, returned{};
};

frame::OpenedTables OpenCoverageTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"MASTSLS"}, {"DTSALES", {}, false, "DTSALES2"}, {"SETUP"}, {"TARIFPA"}, {"MASTBRJ"}},
                                     DocumentTableUses()}));
}

}  // namespace

bool MonthlyCoverage(frame::Session& session, const CoverageParams& params, std::string* path) {
  const frame::OpenedTables tables = OpenCoverageTables(session);
  if (!tables) return false;
  SalesmanChains chains(tables, kCutoff, params.merge);
  CoverageTally tally;
  std::map<std::string, Cartons> cartons;
  DocumentFilter filter;
  filter.from = text::AWALTAHUN(params.year);
  filter.to = text::AKHIRTAHUN(params.year);
  filter.customer = params.customer;
  filter.without_admin_return = true;
  const bool read = WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    const std::vector<std::string>& codes = chains.Resolve(document.salesman, document.date);
    const size_t month = static_cast<size_t>(document.date.month() - 1);
    double boxes = 0;
    xbase::Status s;
    for (size_t i = 0; s.ok() && i < lines.size(); ++i) {
      double size = 0;
      s = CartonSize(session, lines[i].code, &size);
      if (size != 0) boxes += lines[i].quantity / size;
    }
    if (!s.ok()) return s;
    tally.Add(codes, document.date.month(), document, lines);
    for (const std::string& code : codes) {
      (document.is_return ? cartons[code].returned : cartons[code].sold)[month] += boxes;
    }
    return s;
  });
  if (!read || !frame::Checked(session, chains.status())) return false;
  const std::vector<const SalesmanEntry*> entries = chains.Sorted(params.salesman);
  std::vector<int> months;
  for (size_t month = 1; month <= kMonths.size(); ++month) months.push_back(static_cast<int>(month));
  std::vector<std::vector<Coverage>> coverages;
  std::vector<std::string> notes;
  xbase::Status s = tally.CountAll(session, tables, entries, months, params.year, &coverages);
  if (s.ok()) {
    s = CoverageNotes(session, params.year, "Kode JABATAN : ", "XX : Jumlah Relasi/Customer yang bertransaksi minimal ",
                      "XX : Jumlah Barang yang terjual minimal ", "YY : Jumlah Relasi/Customer yang bertransaksi",
                      "YY : Jumlah Barang yang terjual", &notes);
  }
  if (!frame::Checked(session, s)) return false;

  frame::SpreadsheetExport book(session, "REKAP PP PA BULANAN");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {"KEY PERFORMANCE INDICATOR : " + std::to_string(params.year), "TEAM SALES (  )"});
  SalesmanHeads(sheet, "JAB");
  for (size_t month = 0; month < kMonths.size(); ++month) {
    CoverageHead(sheet, kFirstMonthColumn + kMonthWidth * static_cast<int>(month), kMonths[month], {"JUAL", "RET"});
  }
  const int last = kFirstMonthColumn + kMonthWidth * 12 - 1;
  FinishHeads(sheet, last);
  int row = kFirstDataRow;
  for (size_t at = 0; at < entries.size(); ++at) {
    const SalesmanEntry* entry = entries[at];
    SalesmanCells(sheet, row, entry->code, entry->name, entry->title);
    const Cartons& own = cartons[entry->code];
    for (size_t month = 0; month < kMonths.size(); ++month) {
      const int column = kFirstMonthColumn + kMonthWidth * static_cast<int>(month);
      sheet.SetNumber(row, column, own.sold[month]);
      sheet.SetNumber(row, column + 1, own.returned[month]);
      CoverageCells(sheet, row, column + 2, coverages[at][month]);
    }
    ++row;
  }
  if (row > kFirstDataRow) sheet.SetBorders(Block(kFirstDataRow, 1, row - 1, last), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(kFirstMonthColumn, last), frame::kAmountFormat);
  ++row;
  for (const std::string& note : notes) {
    sheet.SetValue(row, 1, note);
    sheet.SetFill(Block(row, 1, row, 12), 36);
    ++row;
  }
  sheet.AutoFit(Columns(2, 4));
  return book.Show(path);
}

xbase::Status BLPPPA(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenCoverageTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  CoverageParams params;
  params.customer = Blank(10);
  params.salesman = Blank(4);
  double year = session.Today().year();
  for (;;) {
    ReportForm form(session, "REKAP PP/PA BULANAN", {"Relasi       :", "Sales        :", "Tahun        :", "Gabung Sales :"});
    form.Field(0, &params.customer, "@!");
    form.Field(1, &params.salesman, "@!");
    form.Field(2, &year, "9999").valid = [&] { return year >= 1900; };
    form.Field(3, &params.merge, "Y");
    if (!form.Read()) break;
    params.year = static_cast<int>(year);
    MonthlyCoverage(session, params);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
