// HARIAN: the daily incentive of a Monday-to-Saturday week: each salesman's cartons or thousands
// per day against the daily and weekly targets of the "TARGETHARI" setting.
#include <algorithm>
#include <array>
#include <map>

#include "console/alert.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/paged_report.h"
#include "performance/performance.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "performance/sale_documents.h"
#include "performance/sheet_layout.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kDays = 6;
// The figures of a row: the days, the total, the two targets, the two incentives and their total.
constexpr size_t kFigures = kDays + 6;
constexpr std::array<const char*, kDays> kDayNames = {"SENIN", "SELASA", "RABU", "KAMIS", "JUM AT", "SABTU"};
constexpr int kMonday = 2;
constexpr std::string_view kPicture = " 9,999,999";

struct Targets {
  double daily = 0, weekly = 0, per_day = 0, week_bonus = 0;
};

struct SalesmanDays {
  std::string name;
  std::array<double, kDays> days{};
  double total = 0;
  double daily_incentive = 0, weekly_incentive = 0;
  double incentive() const { return daily_incentive + weekly_incentive; }
};

frame::OpenedTables OpenIncentiveTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"MASTSLS"}, {"SETUP"}, {"MASTBRJ"}, {"KONVERT"}}, DocumentTableUses()}));
}

xbase::Status ReadTargets(frame::Session& session, bool cartons, Targets* targets) {
  std::string ket;
  const xbase::Status s = ReadSetupText(session, "TARGETHARI", &ket);
  const double unit = cartons ? kCartonValue : 1000;
  *targets = {NumberAt(ket, 1, 10) / unit, NumberAt(ket, 11, 10) / unit, NumberAt(ket, 21, 10) / 1000,
              NumberAt(ket, 31, 10) / 1000};
  return s;
}

// The code a salesman's sales count under (his KD_LAMA when merging and it is set) and his name; a
// salesman who cannot be read is the error.
xbase::Status Salesman(xbase::WorkArea& salesmen, const std::string& code, bool merge,
                       std::pair<std::string, std::string>* counted) {
  bool found = false;
  const xbase::Status s = xbase::SeekFound(salesmen, salesmen.PadToField("SALES", xbase::RTrim(code)), &found);
  *counted = {code, ""};
  if (!found) return s;
  const std::string old_code(xbase::AllTrim(salesmen.Text("KD_LAMA")));
  *counted = {merge && !old_code.empty() ? old_code : code, std::string(xbase::RTrim(salesmen.Text("NAMA")))};
  return s;
}

std::vector<std::pair<std::string, SalesmanDays>> Collect(frame::Session& session, const frame::OpenedTables& tables,
                                                          const DailyIncentiveParams& params, const Targets& targets,
                                                          bool* read) {
  std::map<std::string, SalesmanDays> rows;
  DocumentFilter filter;
  filter.from = params.monday;
  filter.to = params.monday + (kDays - 1);
  filter.customer = params.customer;
  filter.accept = [&](const SaleDocument& document) {
    return params.excluded_types.find(document.type) == std::string::npos;
  };
  *read = WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    std::pair<std::string, std::string> counted;
    xbase::Status s = Salesman(tables["MASTSLS"], std::string(xbase::AllTrim(document.salesman)), params.merge, &counted);
    double figure = 0;
    if (s.ok()) s = LinesFigure(session, lines, !params.cartons, &figure);
    if (!s.ok()) return s;
    const auto& [code, name] = counted;
    SalesmanDays& row = rows[code];
    if (row.name.empty()) row.name = name;
    row.days[static_cast<size_t>(document.date - params.monday)] += document.sign() * figure;
    row.total += document.sign() * figure;
    return s;
  });
  std::vector<std::pair<std::string, SalesmanDays>> sorted;
  for (auto& [code, row] : rows) {
    const auto reached = std::count_if(row.days.begin(), row.days.end(), [&](double day) { return day >= targets.daily; });
    row.daily_incentive = targets.per_day * static_cast<double>(reached);
    row.weekly_incentive = row.total >= targets.weekly ? targets.week_bonus : 0;
    if (row.total != 0) sorted.emplace_back(code, row);
  }
  std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second.total > b.second.total; });
  return sorted;
}

// The figures of a row after its name: six days, total, two targets, two incentives, total incentive.
std::vector<double> Figures(const SalesmanDays& row, const Targets& targets) {
  std::vector<double> figures(row.days.begin(), row.days.end());
  figures.insert(figures.end(), {row.total, targets.daily, targets.weekly, row.daily_incentive, row.weekly_incentive,
                                 row.incentive()});
  return figures;
}

std::string Title(const DailyIncentiveParams& params) {
  return std::string("REKAP INSENTIF HARIAN ") + (params.cartons ? "(Carton)" : "(dalam ribuan)");
}

std::string Period(const DailyIncentiveParams& params) {
  return "PERIODE : " + xbase::Dtoc(params.monday) + " s/d " + xbase::Dtoc(params.monday + (kDays - 1));
}

bool WriteText(frame::Session& session, const DailyIncentiveParams& params, const Targets& targets,
               const std::vector<std::pair<std::string, SalesmanDays>>& rows) {
  std::string heads = "KODE NAMA                ", subheads(25, ' ');
  for (int day = 0; day < kDays; ++day) {
    heads += xbase::PadL(kDayNames[static_cast<size_t>(day)], 10);
    subheads += xbase::PadL("Tg. " + std::to_string((params.monday + day).day()), 10);
  }
  heads += "     TOTAL    TARGET  MINGGUAN  INSENTIF  MINGGUAN     TOTAL";
  subheads += "               Harian                Harian                ";
  const std::string rule(heads.size(), '-');
  PagedReport report(session, 50);
  report.set_heading({{Title(params), "CB"}, {Period(params), "C"}, {rule, "C"}, {heads, "C"}, {subheads, "C"}, {rule, "C"}});
  if (!report.Start()) return false;
  std::vector<double> total(kFigures, 0);
  for (const auto& [code, row] : rows) {
    std::string line = xbase::PadR(code, 4) + " " + xbase::PadR(xbase::Left(row.name, 20), 20);
    const std::vector<double> figures = Figures(row, targets);
    for (size_t i = 0; i < figures.size(); ++i) {
      line += Amount(figures[i], kPicture);
      total[i] += figures[i];
    }
    if (!report.Row(line)) return false;
  }
  std::string line = xbase::PadR("     TOTAL", 25);
  for (double figure : total) line += Amount(figure, kPicture);
  if (!report.Line(rule) || !report.Line(line)) return false;
  frame::ReportLayout layout;
  layout.width = static_cast<int>(heads.size());
  layout.title = "REKAP INSENTIF HARIAN";
  return report.Print(layout);
}

bool WriteBook(frame::Session& session, const DailyIncentiveParams& params, const Targets& targets,
               const std::vector<std::pair<std::string, SalesmanDays>>& rows, std::string* path) {
  frame::SpreadsheetExport book(session, "REKAP INSENTIF HARIAN");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {Title(params), Period(params)});
  TallHead(sheet, 1, "KODE");
  TallHead(sheet, 2, "NAMA");
  for (int day = 0; day < kDays; ++day) {
    SpanHead(sheet, 3 + day, kDayNames[static_cast<size_t>(day)], {"Tg. " + std::to_string((params.monday + day).day())});
  }
  TallHead(sheet, 9, "TOTAL");
  SpanHead(sheet, 10, "TARGET", {"Harian", "Mingguan"});
  SpanHead(sheet, 12, "INSENTIF", {"Harian", "Mingguan"});
  TallHead(sheet, 14, "TOTAL");
  FinishHeads(sheet, 14);
  int line = kFirstDataRow;
  std::vector<double> total(kFigures, 0);
  for (const auto& [code, row] : rows) {
    sheet.SetValue(line, 1, frame::AsText(code));
    sheet.SetValue(line, 2, row.name);
    const std::vector<double> figures = Figures(row, targets);
    for (size_t i = 0; i < figures.size(); ++i) {
      sheet.SetNumber(line, 3 + static_cast<int>(i), figures[i]);
      total[i] += figures[i];
    }
    ++line;
  }
  sheet.SetValue(line, 2, "TOTAL");
  for (size_t i = 0; i < total.size(); ++i) sheet.SetNumber(line, 3 + static_cast<int>(i), total[i]);
  TotalRow(sheet, line, 14);
  sheet.SetBorders(Block(kFirstDataRow, 1, line, 14), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(3, 14), frame::kAmountFormat);
  sheet.AutoFit(Columns(1, 14));
  return book.Show(path);
}

}  // namespace

bool DailyIncentive(frame::Session& session, const DailyIncentiveParams& params, bool excel, std::string* path) {
  if (params.monday.dow() != kMonday) {
    console::Alert(session.console(), "harus dimulai dari hari Senin \"Gan\"", {"ulangi"});
    return false;
  }
  const frame::OpenedTables tables = OpenIncentiveTables(session);
  if (!tables) return false;
  Targets targets;
  if (!frame::Checked(session, ReadTargets(session, params.cartons, &targets))) return false;
  bool read = false;
  const auto rows = Collect(session, tables, params, targets, &read);
  if (!read) return false;
  return excel ? WriteBook(session, params, targets, rows, path) : WriteText(session, params, targets, rows);
}

xbase::Status HARIAN(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenIncentiveTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  DailyIncentiveParams params;
  params.customer = Blank(10);
  std::string excluded = xbase::PadR(params.excluded_types, 20), output = "B";
  params.monday = session.Today();
  for (;;) {
    ReportForm form(session, "INSENTIF HARIAN",
                    {"Relasi         :", "dari Tg        :", "Sales digabung :", "Kecuali Tipe   :", "Output [B/V]   :"});
    form.Field(0, &params.customer, "@!");
    form.Field(1, &params.monday).valid = [&] {
      if (params.monday.dow() == kMonday) return true;
      console::Alert(session.console(), "harus dimulai dari hari Senin \"Gan\"", {"ulangi"});
      return false;
    };
    form.Field(2, &params.merge, "Y");
    form.Field(3, &excluded, "@!");
    form.Field(4, &output, "!").valid = [&] { return output == "B" || output == "V"; };
    if (!form.Read()) break;
    params.excluded_types = std::string(xbase::RTrim(excluded));
    params.cartons = output == "B";
    const int choice = ChooseOutput(session, "OUTPUT LAPORAN", {"Text File", "ExCell"});
    if (choice != 0) DailyIncentive(session, params, choice == 2);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
