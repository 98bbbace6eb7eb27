// RPPPA: the weekly PP/PA coverage of the salesmen and superiors asked for, as text or workbook.
#include "console/alert.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/coverage.h"
#include "performance/paged_report.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "performance/sheet_layout.h"
#include "performance/weeks.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

const xbase::Date kCutoff = xbase::Date::FromYmd(2019, 1, 1);
constexpr int kBlockWidth = 20;
constexpr int kFirstBlockColumn = 5;

frame::OpenedTables OpenCoverageTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"MASTSLS"}, {"DTSALES", {}, false, "DTSALES2"}, {"SETUP"}, {"TARIFPA"}},
                                     DocumentTableUses()}));
}

std::string Ratio(int reached, int all) { return std::to_string(reached) + "/" + std::to_string(all); }

std::string WeekHead(const Weeks& weeks, int week) {
  if (week > kWeeks) return "TOTAL";
  return week < kWeeks ? "TGL " + Day2(weeks.FirstDay(week)) + " s/d " + Day2(weeks.LastDay(week))
                       : "TGL  >=  " + Day2(weeks.FirstDay(week));
}

// The coverage of each entry in each week and the whole time, a row per entry.
using CoverageTable = std::vector<std::vector<Coverage>>;

bool WriteText(frame::Session& session, const CoverageParams& params, const Weeks& weeks, const CoverageTable& table,
               const std::vector<const SalesmanEntry*>& entries, const std::vector<std::string>& notes) {
  std::string heads = xbase::PadR("NO  KODE NAMA                 JBT", 34);
  std::string subheads(34, ' ');
  for (int week = 1; week <= kWeeks; ++week) {
    heads += xbase::PadR("|  " + WeekHead(weeks, week), kBlockWidth);
    subheads += "|       PP        PA";
  }
  heads += "|      TOTAL        ";
  subheads += "|       PP        PA";
  const std::string rule(heads.size(), '-');
  PagedReport report(session, params.rows_per_page);
  report.set_heading({{"LAPORAN PP/PA MINGGUAN, RELASI : " + std::string(xbase::AllTrim(params.customer)) + ", (VIRNO)", "CB"},
                      {"PERIODE : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to), "C"},
                      {rule, "C"}, {heads, "C"}, {subheads, "C"}, {rule, "C"}});
  if (!report.Start()) return false;
  for (size_t at = 0; at < entries.size(); ++at) {
    const SalesmanEntry* entry = entries[at];
    std::string line = xbase::PadL(std::to_string(at + 1), 3) + " " + xbase::PadR(entry->code, 4) + " " +
                       xbase::PadR(xbase::Left(entry->name, 20), 20) + " " + xbase::PadR(xbase::RTrim(entry->title), 4);
    for (const Coverage& coverage : table[at]) {
      line += "|" + xbase::PadL(Ratio(coverage.pp_reached, coverage.pp_all), 9) +
              xbase::PadL(Ratio(coverage.pa_reached, coverage.pa_all), 10);
    }
    if (!report.Row(line)) return false;
  }
  if (!report.Line(rule)) return false;
  for (const std::string& note : notes) {
    if (!report.Line(note)) return false;
  }
  frame::ReportLayout layout;
  layout.width = static_cast<int>(heads.size());
  layout.title = "LAPORAN PP/PA MINGGUAN";
  return report.Print(layout);
}

bool WriteBook(frame::Session& session, const CoverageParams& params, const Weeks& weeks, const CoverageTable& table,
               const std::vector<const SalesmanEntry*>& entries, const std::vector<std::string>& notes,
               std::string* path) {
  frame::SpreadsheetExport book(session, "LAPORAN PP PA MINGGUAN");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {"LAPORAN PP/PA MINGGUAN, RELASI : " + std::string(xbase::AllTrim(params.customer)) + ", (VIRNO)",
                 "PERIODE : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to)});
  SalesmanHeads(sheet, "JABT");
  for (int week = 1; week <= kWeeks + 1; ++week) {
    CoverageHead(sheet, kFirstBlockColumn + 4 * (week - 1), WeekHead(weeks, week));
  }
  const int last = kFirstBlockColumn + 4 * (kWeeks + 1) - 1;
  FinishHeads(sheet, last);
  int row = kFirstDataRow;
  for (size_t at = 0; at < entries.size(); ++at) {
    const SalesmanEntry* entry = entries[at];
    SalesmanCells(sheet, row, entry->code, entry->name, entry->title);
    for (size_t week = 0; week < table[at].size(); ++week) {
      CoverageCells(sheet, row, kFirstBlockColumn + 4 * static_cast<int>(week), table[at][week]);
    }
    ++row;
  }
  if (row > kFirstDataRow) sheet.SetBorders(Block(kFirstDataRow, 1, row - 1, last), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(kFirstBlockColumn, last), frame::kAmountFormat);
  ++row;
  for (const std::string& note : notes) sheet.SetValue(row++, 1, note);
  sheet.AutoFit(Columns(2, last));
  return book.Show(path);
}

}  // namespace

bool WeeklyCoverage(frame::Session& session, const CoverageParams& params, bool excel, std::string* path) {
  const frame::OpenedTables tables = OpenCoverageTables(session);
  if (!tables) return false;
  const Weeks weeks = WeekStarts(params.from);
  SalesmanChains chains(tables, kCutoff, params.merge);
  CoverageTally tally;
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  filter.customer = params.customer;
  filter.without_admin_return = true;
  const bool read = ForEachDocument(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    tally.Add(chains.Resolve(document.salesman, document.date), weeks.WeekOf(document.date), document, lines);
  });
  if (!read || !frame::Checked(session, chains.status())) return false;
  const std::vector<const SalesmanEntry*> entries = chains.Sorted(params.salesman);
  std::vector<int> periods;
  for (int week = 1; week <= kWeeks; ++week) periods.push_back(week);
  periods.push_back(0);  // the whole time
  CoverageTable table;
  std::vector<std::string> notes;
  xbase::Status s = tally.CountAll(session, tables, entries, periods, params.year, &table);
  if (s.ok()) {
    s = CoverageNotes(session, params.year, "Kode JBT : ", "     XX : Jumlah Langganan transaksi minimal ",
                      "     XX : Jumlah Barang yang terjual minimal ", "     YY : Jumlah Langganan yang bertransaksi",
                      "     YY : Jumlah Barang yang terjual", &notes);
  }
  if (!frame::Checked(session, s)) return false;
  return excel ? WriteBook(session, params, weeks, table, entries, notes, path)
               : WriteText(session, params, weeks, table, entries, notes);
}

xbase::Status RPPPA(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenCoverageTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  CoverageParams params;
  double year = ProcessMonthStart(session).year(), rows = 50;
  params.customer = Blank(10);
  params.salesman = Blank(4);
  params.from = ProcessMonthStart(session);
  params.to = text::TGLAKHIR(params.from);
  for (;;) {
    ReportForm form(session, "LAPORAN PP/PA MINGGUAN",
                    {"KPI          :", "Relasi       :", "Sales        :", "Periode      :", "s/d          :",
                     "Gabung Sales :", "Brs/hal      :"});
    form.Field(0, &year, "9999");
    form.Field(1, &params.customer, "@!");
    form.Field(2, &params.salesman, "@!");
    form.Period(3, 4, &params.from, &params.to);
    form.Field(5, &params.merge, "Y");
    form.Field(6, &rows, "999").valid = [&] { return rows > 0; };
    if (!form.Read()) break;
    params.year = static_cast<int>(year);
    params.rows_per_page = static_cast<int>(rows);
    const int output = ChooseOutput(session, "Output Laporan", {"Text", "Excel"});
    if (output != 0) WeeklyCoverage(session, params, output == 2);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
