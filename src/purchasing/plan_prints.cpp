// The prints of the plans: the D1 base run's report, the D1 plan as a text report or a workbook, and
// the forecast workbook of a work table or a saved forecast.
#include "purchasing/plan_prints.h"

#include <algorithm>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "purchasing/paged_report.h"
#include "purchasing/purchase_documents.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr const char* kForecastFields[] = {"OMZ_THLL",  "OMZ_TRTGI", "TGT_BLINI", "OMZ_AVG",   "ESTM_JUAL", "HR_KERJA",
                                           "LEAD_TIME", "BUF_STOCK", "STOCK_UPD", "BRG_DIJLN", "ESTM_AKHR"};
constexpr const char* kD1Fields[] = {"STOCK",    "OMTHLKUM", "TGBLNINI", "TGBLNKUM", "OMBLITHI",
                                     "OMTHIKUM", "RT2OMBLN", "ACUANODR", "ORDERBLI"};

constexpr std::string_view kFigurePicture = " 9,999,999";

// A column of a three-row text heading: its width and its three lines, each right-aligned.
struct HeadColumn {
  int width;
  const char* lines[3];
};

// The three heading rows: `lead` before the columns on the first row, blanks on the others.
std::vector<std::string> HeadingRows(const std::string& lead, const std::vector<HeadColumn>& columns) {
  std::vector<std::string> rows(3, std::string(lead.size(), ' '));
  rows[0] = lead;
  for (const HeadColumn& column : columns) {
    for (size_t k = 0; k < 3; ++k) rows[k] += xbase::PadL(column.lines[k], column.width);
  }
  return rows;
}

std::string MonthAndYear(xbase::Date date) { return text::CBULAN_(date) + " " + std::to_string(date.year()); }

// The name of a product line from the open PATRON; blanks when it is not there.
std::string LineName(frame::Session& session, const std::string& line) {
  return MasterText(session, "PATRON", line, "NAMA", 30);
}

frame::ReportLayout RekapLayout(int width, int heading_rows) {
  frame::ReportLayout layout;
  layout.width = width;
  layout.title = "REKAP JUAL";
  layout.left_margin = 2;
  layout.frozen_columns = 35;
  layout.first_body_row = heading_rows + 1;
  layout.signature_box = false;
  return layout;
}

std::string ItemText(int number, const PlanRow& row) {
  return Pictured(number, "9999 ") + row.code + " " + row.line + " " + row.name + Pictured(row.per_box, " 99999");
}

// The rows grouped by product line: calls item(k) for each row and end(first, last) after a line's rows.
template <typename Item, typename End>
void ByLine(const std::vector<PlanRow>& rows, Item item, End end) {
  size_t first = 0;
  for (size_t k = 0; k < rows.size(); ++k) {
    item(k);
    if (k + 1 == rows.size() || rows[k + 1].line != rows[k].line) {
      end(first, k);
      first = k + 1;
    }
  }
}

// The sums of figure `figure` over rows first..last.
double Sum(const std::vector<PlanRow>& rows, size_t first, size_t last, size_t figure) {
  double sum = 0;
  for (size_t k = first; k <= last; ++k) sum += rows[k].figures[figure];
  return sum;
}

}  // namespace

xbase::Status ReadPlanRows(xbase::WorkArea& plan, PlanKind kind, bool orders_only, std::vector<PlanRow>* rows) {
  const bool forecast = kind == PlanKind::kForecast;
  xbase::Status s = plan.SetOrder(1);
  if (s.ok()) s = plan.GoTop();
  while (s.ok() && !plan.eof()) {
    PlanRow row{plan.Text("KODE"), plan.Text("PATRON"), plan.Text("NAMA"), plan.Number("ISI_BOK"), {}};
    if (forecast) {
      for (const char* field : kForecastFields) row.figures.push_back(plan.Number(field));
    } else {
      for (const char* field : kD1Fields) row.figures.push_back(plan.Number(field));
    }
    const size_t order = forecast ? static_cast<size_t>(kEstimate) : static_cast<size_t>(kD1Order);
    if (!orders_only || row.figures[order] != 0) rows->push_back(std::move(row));
    s = plan.Skip();
  }
  return s;
}

void PrintD1Base(frame::Session& session, const PlanBase& base) {
  xbase::WorkArea* plan = nullptr;
  if (!OpenPlanTable(session, PlanTableName(PlanKind::kD1, base.branch, session.Today()), &plan)) return;
  std::vector<PlanRow> rows;
  const xbase::Status read = ReadPlanRows(*plan, PlanKind::kD1, false, &rows);
  const xbase::Status closed = session.tables().Close(kPlanAlias);
  if (!frame::Checked(session, read.ok() ? closed : read)) return;
  std::vector<std::string> headings = {"FORM D1 CABANG     : " + base.branch,
                                       "PROSES s/d TANGGAL : " + xbase::Dtoc(base.cut_off),
                                       "TARGET s/d BULAN   : " + MonthAndYear(base.ship)};
  const std::vector<std::string> columns =
       HeadingRows("NO.  KODE       PRODUK     NAMA BARANG         ",
                   {{6, {"ISI", "per", "BOX"}},
                    {10, {"", "", "STOCK"}},
                    {10, {"REAL", "TH LALU", "KUMM"}},
                    {10, {"TARGET", "BLN INI", ""}},
                    {10, {"TARGET", "KUMM", "BL INI"}},
                    {10, {"REAL", "BL INI", "TH INI"}},
                    {10, {"REAL", "KUMM", "TH INI"}},
                    {10, {"RATA2", "JUAL", "PER BLN"}},
                    {10, {"ORDER D1", "2X RATA", "min STK"}}});
  headings.insert(headings.end(), columns.begin(), columns.end());
  const int width = static_cast<int>(columns.front().size());
  const int heading_rows = static_cast<int>(headings.size());
  PagedReport report(std::move(headings), std::max(1, static_cast<int>(base.per_page) - 1));
  int number = 0;
  for (const PlanRow& row : rows) {
    std::string line = ItemText(++number, row);
    for (const D1Figure figure : {kD1Stock, kD1LastYear, kD1TargetMonth, kD1TargetCumulative, kD1LastMonth, kD1ThisYear,
                                  kD1Average, kD1Reference}) {
      line += Pictured(row.figures[figure], kFigurePicture);
    }
    report.Line(std::move(line));
    report.Check();
  }
  report.Print(session, RekapLayout(width, heading_rows));
}

bool PrintD1Text(frame::Session& session, const std::vector<PlanRow>& rows, const std::string& branch, xbase::Date ship,
                 int per_page) {
  static constexpr D1Figure kShown[] = {kD1LastYear, kD1TargetMonth, kD1TargetCumulative, kD1LastMonth, kD1ThisYear,
                                        kD1Average,  kD1Stock,       kD1Reference,        kD1Order};
  std::vector<std::string> headings = {"FORM D1 CABANG     : " + branch + " ( satuan carton )",
                                       "KEBUTUHAN BULAN    : " + MonthAndYear(ship)};
  for (std::string& row : HeadingRows("NO.  KODE       PRODUK     NAMA BARANG         ",
                                      {{6, {"ISI", "per", "BOX"}},
                                       {10, {"REAL", "TH LALU", "KUMM"}},
                                       {10, {"TARGET", "BLN INI", ""}},
                                       {10, {"TARGET", "KUMM", "BL INI"}},
                                       {10, {"REAL", "BL INI", "TH INI"}},
                                       {10, {"REAL", "KUMM", "TH INI"}},
                                       {10, {"RATA2", "JUAL", "PER BLN"}},
                                       {10, {"", "", "STOCK"}},
                                       {10, {"ACUAN", "2X", "RT2-STK"}},
                                       {10, {"JUMLAH", "ORDER", "BLN INI"}}})) {
    headings.push_back(std::move(row));
  }
  const int width = static_cast<int>(headings.back().size());
  const int heading_rows = static_cast<int>(headings.size());
  PagedReport report(std::move(headings), std::max(1, per_page));
  const auto figures = [&](size_t first, size_t last) {
    std::string text;
    for (const D1Figure figure : kShown) text += Pictured(Sum(rows, first, last, figure), kFigurePicture);
    return text;
  };
  int number = 0;
  ByLine(
      rows,
      [&](size_t k) {
        std::string line = ItemText(++number, rows[k]);
        for (const D1Figure figure : kShown) line += Pictured(rows[k].figures[figure], kFigurePicture);
        report.Line(std::move(line));
        report.Check();
      },
      [&](size_t first, size_t last) {
        report.Line(xbase::PadR("    JUMLAH", 53) + figures(first, last));
        report.Check();
      });
  if (!rows.empty()) report.Line(xbase::PadR("              TOTAL ", 53) + figures(0, rows.size() - 1));
  return report.Print(session, RekapLayout(width, heading_rows));
}

namespace {

// A workbook of a plan: the title rows, the headings in row 4 and the rows grouped by product line from
// row 5, each line's rows followed by its "JUMLAH" row and the whole by `total`. `cells(k)` gives the
// figure columns (from D, the pieces per carton) of row k; `sums(first, last)` those of a JUMLAH or
// TOTAL row (from E).
template <typename Cells, typename Sums>
bool PlanWorkbook(frame::Session& session, const std::string& title, const std::vector<std::string>& titles,
                  const std::vector<std::string>& heads, const std::vector<PlanRow>& rows, const char* total,
                  bool line_names, Cells cells, Sums sums, std::string* path) {
  frame::SpreadsheetExport book(session, title);
  platform::Worksheet& sheet = book.ActiveSheet();
  for (size_t k = 0; k < titles.size(); ++k) sheet.SetValue(static_cast<int>(k) + 1, 1, titles[k]);
  for (size_t k = 0; k < heads.size(); ++k) sheet.SetValue(4, static_cast<int>(k) + 1, heads[k]);
  int at = 5;
  const auto put = [&](const std::vector<double>& figures, int first_column) {
    for (size_t k = 0; k < figures.size(); ++k) sheet.SetNumber(at, static_cast<int>(k) + first_column, figures[k]);
  };
  int number = 0;
  ByLine(
      rows,
      [&](size_t k) {
        sheet.SetNumber(at, 1, ++number);
        sheet.SetValue(at, 2, frame::AsText(xbase::RTrim(rows[k].code)));
        sheet.SetValue(at, 3, xbase::RTrim(rows[k].name));
        put(cells(k), 4);
        ++at;
      },
      [&](size_t first, size_t last) {
        sheet.SetValue(at, 2, "JUMLAH");
        if (line_names) sheet.SetValue(at, 3, xbase::RTrim(LineName(session, rows[first].line)));
        put(sums(first, last), 5);
        sheet.Bold("A" + std::to_string(at) + ":" + platform::ColumnName(static_cast<int>(heads.size())) +
                   std::to_string(at));
        ++at;
      });
  sheet.SetValue(at, 2, total);
  if (!rows.empty()) put(sums(0, rows.size() - 1), 5);
  const std::string last_column = platform::ColumnName(static_cast<int>(heads.size()));
  sheet.Bold("A" + std::to_string(at) + ":" + last_column + std::to_string(at));
  sheet.Bold("A4:" + last_column + "4");
  const std::string figures = "D4:" + last_column + std::to_string(at);
  sheet.Wrap(figures);
  sheet.SetNumberFormat(figures, frame::kTwoDecimalFormat);
  return book.Show(path);
}

}  // namespace

bool D1Workbook(frame::Session& session, const std::vector<PlanRow>& rows, const std::string& branch, xbase::Date ship,
                std::string* path) {
  static constexpr D1Figure kShown[] = {kD1LastYear, kD1TargetMonth, kD1TargetCumulative, kD1LastMonth, kD1ThisYear,
                                        kD1Average,  kD1Stock,       kD1Reference,        kD1Order};
  const auto cells = [&](size_t k) {
    std::vector<double> figures = {rows[k].per_box};
    for (const D1Figure figure : kShown) figures.push_back(rows[k].figures[figure]);
    return figures;
  };
  const auto sums = [&](size_t first, size_t last) {
    std::vector<double> figures;
    for (const D1Figure figure : kShown) figures.push_back(Sum(rows, first, last, figure));
    return figures;
  };
  return PlanWorkbook(session, "FORM D1 CABANG",
                      {"FORM D1 CABANG     : " + branch + " ( satuan carton )",
                       "KEBUTUHAN BULAN    : " + MonthAndYear(ship)},
                      {"NO.", "KODE", "NAMA BARANG", "ISI PER BOX", "KUMM JUAL TH LALA", "TARGET BL INI",
                       "KUMM TARGET BL INI ", "REAL JUAL BL LALU", "KUMM JUAL TH INI", "RATA2 JUAL PER BLN", "STOCK",
                       "ACUAN 2X (RATA2-STOCK)", "FIX ORDER"},
                      rows, "TOTAL ", false, cells, sums, path);
}

bool ForecastWorkbook(frame::Session& session, const std::vector<PlanRow>& rows, const std::string& branch,
                      xbase::Date ship, std::string* path) {
  // Columns D to R: per box, last year, largest, target, average, estimate, estimate per working day,
  // lead time, buffer, stock, the lead and buffer days' sales, in transit, estimate to the month's end,
  // the stock aged at the end and the order to produce.
  const auto derived = [](std::vector<double> f) {
    const double per_day = f[kDays] == 0 ? 0 : f[kEstimate] / f[kDays];
    const double aged = f[kBuffer] + f[kTransit] - f[kToEnd];
    return std::vector<double>{f[kLastYear], f[kLargest], f[kTarget], f[kAverage], f[kEstimate], per_day,
                               f[kLead],     f[kBuffer],  f[kStock],  per_day * (f[kLead] + f[kBuffer]),
                               f[kTransit],  f[kToEnd],   aged,       f[kToEnd] - aged};
  };
  constexpr size_t kLeadColumn = 6, kBufferColumn = 7;  // of derived(), carried rather than summed
  const auto cells = [&](size_t k) {
    std::vector<double> figures = derived(rows[k].figures);
    figures.insert(figures.begin(), rows[k].per_box);
    return figures;
  };
  const auto sums = [&](size_t first, size_t last) {
    std::vector<double> figures(14, 0);
    for (size_t k = first; k <= last; ++k) {
      const std::vector<double> row = derived(rows[k].figures);
      for (size_t c = 0; c < row.size(); ++c) figures[c] += row[c];
    }
    figures[kLeadColumn] = rows[last].figures[kLead];
    figures[kBufferColumn] = rows[last].figures[kBuffer];
    return figures;
  };
  return PlanWorkbook(session, "FORM FORCAST CABANG",
                      {"FORM FORCAST CABANG     : " + branch + " ( satuan carton )",
                       "KEBUTUHAN BULAN         : " + MonthAndYear(ship)},
                      {"NO.", "KODE", "NAMA BARANG", "ISI PER BOX", "KUMM JUAL TH LALU", "TERTINGGI s/d INI",
                       "TARGET BL INI ", "AVG JUAL/BULAN", "ESTIMASI JUAL BLN", "AVG/HK", "LEAD TIME", "BUFFER STOCK",
                       "STOCK UPDATE", "LD TIME+BUFF STOCK (hari)", "BARANG DLM PERJALANAN", "ESTIMASI sd AKHIR BLN",
                       "AGING STOCK AKHIR", "FIX ORDER PRODUKSI"},
                      rows, "TOTAL", true, cells, sums, path);
}

}  // namespace purchasing
