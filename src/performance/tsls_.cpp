// _TSLS: the carton targets of each salesman and his superiors per product group and week against
// the cartons sold, in a workbook of one sheet per salesman and a recap sheet.
#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "console/message.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/performance.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "performance/salesman_chain.h"
#include "performance/sheet_layout.h"
#include "performance/tgtsls.h"
#include "performance/weeks.h"
#include "pickers/pickers.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

const xbase::Date kCutoff = xbase::Date::FromYmd(2021, 12, 31);
constexpr int kWeekColumn = 4;                              // D: the first week's TARGET
constexpr int kTotalColumn = kWeekColumn + 3 * kWeeks;      // the JUMLAH block
constexpr int kLastColumn = kTotalColumn + 2;

struct TargetRow {
  std::string name;
  std::array<double, kWeeks> real{}, target{};
  double real_total = 0, target_total = 0;
  double achievement() const { return frame::Ratio(real_total, target_total); }
};
// Work rows by salesman code, then group code.
using TargetRows = std::map<std::string, std::map<std::string, TargetRow>>;

frame::OpenedTables OpenTargetTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"TGSALES", {}, false, "TGSALES2"},
                              {"PATRON"},
                              {"PATRON2", {}, false, "PATRON22"},
                              {"KONVERT"},
                              {"MASTBRJ"},
                              {"MASTSLS"},
                              {"DTSALES", {}, false, "DTSALES2"},
                              {"CABANG"}}, DocumentTableUses()}));
}

std::string GroupName(const frame::OpenedTables& tables, const std::string& group) {
  xbase::WorkArea& groups = tables["PATRON"];
  if (xbase::LookUp(groups, groups.PadToField("KODE", group))) {
    return std::string(xbase::RTrim(groups.Text("NAMA")));
  }
  return {};
}

// Adds every target of the branch in the period; false when there is none, or after a failure shown.
bool AddTargets(frame::Session& session, const frame::OpenedTables& tables,
                const SalesmanReportParams& params, const Weeks& weeks,
                SalesmanChains* chains, TargetRows* rows) {
  xbase::WorkArea& targets = tables["TGSALES"];
  const std::string branch = targets.PadToField("KDCB", xbase::AllTrim(params.branch));
  bool any = false;
  xbase::Status status = targets.Seek(branch + params.from.Dtos(), true);
  for (; status.ok() && !targets.eof() && targets.Text("KDCB") == branch; status = targets.Skip()) {
    const xbase::Date date = targets.DateOf("TANGGAL");
    if (date > params.to) break;
    const double cartons = targets.Number("CARTON");
    if (cartons == 0) continue;
    any = true;
    const std::string group(xbase::AllTrim(targets.Text("PATRON")));
    const std::string salesman = targets.Text("SALES");
    const size_t week = static_cast<size_t>(weeks.WeekOf(date) - 1);
    for (const std::string& code : chains->Resolve(salesman, date)) {
      auto [row, added] = (*rows)[code].try_emplace(group);
      if (added) row->second.name = GroupName(tables, group);
      row->second.target[week] += cartons;
      row->second.target_total += cartons;
    }
  }
  if (status.ok()) status = chains->status();
  frame::ShowFailure(session, status);
  return status.ok() && any;
}

// The work row of a salesman that a group's sales reach: the group's own, else that of the
// group's code shortened while it keeps more than three characters.
TargetRow* RowOfGroup(std::map<std::string, TargetRow>& rows, const std::string& group) {
  for (size_t length = group.size(); length > 3; --length) {
    const auto found = rows.find(group.substr(0, length));
    if (found != rows.end()) return &found->second;
  }
  return nullptr;
}

bool AddSales(frame::Session& session, const frame::OpenedTables& tables,
              const SalesmanReportParams& params, const Weeks& weeks,
              SalesmanChains* chains, TargetRows* rows) {
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  filter.customer = params.customer;
  return WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    const size_t week = static_cast<size_t>(weeks.WeekOf(document.date) - 1);
    const std::vector<std::string> codes = chains->Resolve(document.salesman, document.date);
    for (const SaleLine& line : lines) {
      double cartons = 0;
      if (xbase::Status s = LineCartons(session, line, &cartons); !s.ok()) return s;
      cartons *= document.sign();
      std::pair<std::string, std::string> found;
      if (xbase::Status s = CARIPATRON_(session, line.code, &found); !s.ok()) return s;
      const std::string group(xbase::AllTrim(found.first));
      for (const std::string& code : codes) {
        const auto salesman = rows->find(code);
        if (salesman == rows->end()) continue;
        if (TargetRow* row = RowOfGroup(salesman->second, group)) {
          row->real[week] += cartons;
          row->real_total += cartons;
        }
      }
    }
    return xbase::Status::OK();
  });
}

std::string PeriodText(const SalesmanReportParams& params) {
  return xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to);
}

// The three figures TARGET, REAL and % from `column`.
void Figures(platform::Worksheet& sheet, int row, int column, double target, double real) {
  sheet.SetNumber(row, column, target);
  sheet.SetNumber(row, column + 1, real);
  sheet.SetNumber(row, column + 2, frame::Ratio(real, target));
}

void SalesmanSheet(platform::Worksheet& sheet, const SalesmanEntry& entry, const std::map<std::string, TargetRow>& rows,
                   const Weeks& weeks, const SalesmanReportParams& params) {
  Titles(sheet, {"TARGET vs OMSET SALES : " + std::string(xbase::RTrim(entry.name)), "PERIODE : " + PeriodText(params)});
  TallHead(sheet, 1, "NO");
  TallHead(sheet, 2, "KODE");
  TallHead(sheet, 3, "NAMA");
  const std::vector<std::string> figures = {"TARGET", "REAL", "%"};
  for (int week = 1; week <= kWeeks; ++week) {
    const std::string head = week < kWeeks ? "TGL " + Day2(weeks.FirstDay(week)) + " s/d " + Day2(weeks.LastDay(week))
                                           : "TGL  >=  " + Day2(weeks.FirstDay(week));
    SpanHead(sheet, kWeekColumn + 3 * (week - 1), head, figures);
  }
  SpanHead(sheet, kTotalColumn, "JUMLAH", figures);
  FinishHeads(sheet, kLastColumn);

  std::vector<std::pair<std::string, const TargetRow*>> ordered;
  for (const auto& [group, row] : rows) ordered.emplace_back(group, &row);
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const auto& a, const auto& b) { return a.second->achievement() > b.second->achievement(); });
  int line = kFirstDataRow;
  TargetRow total;
  for (const auto& [group, row] : ordered) {
    sheet.SetNumber(line, 1, line - kFirstDataRow + 1);
    sheet.SetValue(line, 2, frame::AsText(group));
    sheet.SetValue(line, 3, row->name);
    for (size_t week = 0; week < kWeeks; ++week) {
      Figures(sheet, line, kWeekColumn + 3 * static_cast<int>(week), row->target[week], row->real[week]);
      total.target[week] += row->target[week];
      total.real[week] += row->real[week];
    }
    Figures(sheet, line, kTotalColumn, row->target_total, row->real_total);
    total.target_total += row->target_total;
    total.real_total += row->real_total;
    ++line;
  }
  sheet.SetValue(line, 3, "TOTAL");
  for (size_t week = 0; week < kWeeks; ++week) {
    Figures(sheet, line, kWeekColumn + 3 * static_cast<int>(week), total.target[week], total.real[week]);
  }
  Figures(sheet, line, kTotalColumn, total.target_total, total.real_total);
  TotalRow(sheet, line, kLastColumn, 46);
  sheet.SetBorders(Block(kFirstDataRow, 1, line, kLastColumn), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(kWeekColumn, kLastColumn), frame::kTwoDecimalFormat);
  sheet.AutoFit(Columns(1, kLastColumn));
}

void RecapSheet(platform::Worksheet& sheet, const std::vector<const SalesmanEntry*>& entries, const TargetRows& rows,
                const SalesmanReportParams& params) {
  Titles(sheet, {"REKAP PENCAPAIAN TARGET by SALES", "PERIODE : " + PeriodText(params)});
  int column = 1;
  for (const char* head : {"NO", "SALES", "NAMA", "JABATAN", "ITEM", "TERCAPAI", "PENCAPAIAN"}) {
    TallHead(sheet, column++, head);
  }
  FinishHeads(sheet, 7);
  int line = kFirstDataRow;
  for (const SalesmanEntry* entry : entries) {
    const auto& groups = rows.at(entry->code);
    const double reached = static_cast<double>(std::count_if(groups.begin(), groups.end(), [](const auto& row) {
      return row.second.real_total >= row.second.target_total;
    }));
    sheet.SetNumber(line, 1, line - kFirstDataRow + 1);
    sheet.SetValue(line, 2, frame::AsText(entry->code));
    sheet.SetValue(line, 3, std::string(xbase::RTrim(entry->name)));
    sheet.SetValue(line, 4, frame::AsText(xbase::RTrim(entry->title)));
    sheet.SetNumber(line, 5, static_cast<double>(groups.size()));
    sheet.SetNumber(line, 6, reached);
    sheet.SetNumber(line, 7, frame::Ratio(reached, static_cast<double>(groups.size())));
    ++line;
  }
  if (line > kFirstDataRow) sheet.SetBorders(Block(kFirstDataRow, 1, line - 1, 7), frame::kBorderWeight);
  sheet.SetNumberFormat("G", frame::kTwoDecimalFormat);
  sheet.AutoFit(Columns(1, 7));
}

}  // namespace

bool TargetAgainstSales(frame::Session& session, const SalesmanReportParams& params, std::string* path) {
  const frame::OpenedTables tables = OpenTargetTables(session);
  if (!tables) return false;
  const Weeks weeks = WeekStarts(params.from);
  SalesmanChains chains(tables, kCutoff, params.merge);
  TargetRows rows;
  std::optional<BusyNotice> busy(session);
  if (!AddTargets(session, tables, params, weeks, &chains, &rows)) {
    busy.reset();
    if (!chains.status().ok()) return false;  // shown by AddTargets
    console::PESAN(session.console(), "Tidak ada target cabang " + std::string(xbase::AllTrim(params.branch)) +
                                          " pada periode ini");
    return false;
  }
  if (!AddSales(session, tables, params, weeks, &chains, &rows) || !frame::Checked(session, chains.status())) {
    return false;
  }
  busy.reset();

  std::vector<const SalesmanEntry*> entries;
  for (const SalesmanEntry* entry : chains.Sorted()) {
    if (rows.contains(entry->code)) entries.push_back(entry);
  }
  frame::SpreadsheetExport book(session, "TARGET vs OMSET SALES");
  std::vector<std::string> names;
  for (const SalesmanEntry* entry : entries) names.push_back(entry->code);
  names.push_back("Rekap");
  book.NameSheets(names);
  for (const SalesmanEntry* entry : entries) {
    SalesmanSheet(book.Select(entry->code), *entry, rows.at(entry->code), weeks, params);
  }
  RecapSheet(book.Select("Rekap"), entries, rows, params);
  return book.Show(path);
}

xbase::Status TSLS_(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenTargetTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  SalesmanReportParams params;
  params.branch = Blank(6);
  params.customer = Blank(10);
  params.from = text::TGLAWAL(session.Today());
  params.to = text::TGLAKHIR(session.Today());
  for (;;) {
    ReportForm form(session, "OMSET & TARGET by SALES", {"KODE CABANG :", "RELASI      :", "TANGGAL     :",
                                                         "S/D         :", "Gabung Sales:"});
    form.Field(0, &params.branch, "@!").valid = [&] { return pickers::CARICABANG_(session, &params.branch); };
    form.Field(1, &params.customer, "@!");
    form.Period(2, 3, &params.from, &params.to);
    form.Field(4, &params.merge, "Y");
    if (!form.Read()) break;
    TargetAgainstSales(session, params);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
