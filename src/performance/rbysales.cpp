// RBYSALES: each salesman's and superior's net sales per product-group column, in cartons and in
// thousands, on the two sheets of a workbook.
#include <array>
#include <map>

#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/performance.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "performance/salesman_chain.h"
#include "performance/sheet_layout.h"
#include "performance/tgtsls.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

const xbase::Date kCutoff = xbase::Date::FromYmd(2025, 1, 1);

constexpr std::array<std::string_view, 13> kColumns = {"SS ZOLA", "SS NON", "OIL PASTES", "BOLPOINT", "OS ZOLA",
                                                       "OS NON",  "K.SURAT", "K.KADO",   "AMPLOP",   "OTHERS",
                                                       "C.PAPER", "JASA",   "LAIN2"};
constexpr size_t kTotal = kColumns.size();

struct Prefixes {
  std::string_view column;
  std::array<std::string_view, 7> prefixes;
};
constexpr Prefixes kPrefixes[] = {
    {"SS ZOLA", {"K111", "K400", "K401"}},
    {"SS NON", {"K121"}},
    {"OIL PASTES", {"K122"}},
    {"BOLPOINT", {"K123"}},
    {"OS ZOLA", {"K211", "K402", "K403", "K405", "K406", "K407"}},
    {"OS NON", {"K221", "K411", "K412"}},
    {"K.SURAT", {"K112"}},
    {"K.KADO", {"K113"}},
    {"AMPLOP", {"K212"}},
    {"OTHERS", {"K213", "K3", "K404", "K408", "K409", "K410", "K413"}},
    {"C.PAPER", {"L1", "L2"}},
    {"JASA", {"M4"}},
};

// Cartons and thousands per column, the total last.
struct GroupFigures {
  std::array<double, kTotal + 1> cartons{}, value{};
};

size_t ColumnIndex(std::string_view column) {
  for (size_t i = 0; i < kColumns.size(); ++i) {
    if (kColumns[i] == column) return i;
  }
  return kColumns.size() - 1;
}

frame::OpenedTables OpenGroupTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"PATRON2", {}, false, "PATRON22"},
                              {"KONVERT"},
                              {"MASTBRJ"},
                              {"MASTSLS"},
                              {"DTSALES", {}, false, "DTSALES2"}}, DocumentTableUses()}));
}

void FillSheet(platform::Worksheet& sheet, const SalesmanReportParams& params, std::string_view unit, bool cartons,
               const std::vector<const SalesmanEntry*>& entries, const std::map<std::string, GroupFigures>& figures) {
  Titles(sheet, {"REKAP PENJUALAN by GROUP PRODUK " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to),
                 "TEAM SALES ( VIRNO )", std::string(unit)});
  SalesmanHeads(sheet, "JAB");
  SpanHead(sheet, 5, "GROUP PRODUCT", std::vector<std::string>(kColumns.begin(), kColumns.end()));
  const int last = 5 + static_cast<int>(kTotal);
  TallHead(sheet, last, "TOTAL");
  FinishHeads(sheet, last);
  int row = kFirstDataRow;
  for (const SalesmanEntry* entry : entries) {
    const GroupFigures& own = figures.at(entry->code);
    SalesmanCells(sheet, row, entry->code, entry->name, entry->title);
    for (size_t i = 0; i <= kTotal; ++i) sheet.SetNumber(row, 5 + static_cast<int>(i), cartons ? own.cartons[i] : own.value[i]);
    ++row;
  }
  if (row > kFirstDataRow) sheet.SetBorders(Block(kFirstDataRow, 1, row - 1, last), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(5, last), frame::kAmountFormat);
  sheet.AutoFit(Columns(1, last));
}

}  // namespace

std::string GroupColumn(std::string_view group) {
  for (const Prefixes& entry : kPrefixes) {
    for (std::string_view prefix : entry.prefixes) {
      if (!prefix.empty() && group.starts_with(prefix)) return std::string(entry.column);
    }
  }
  return "LAIN2";
}

bool GroupsBySalesman(frame::Session& session, const SalesmanReportParams& params, std::string* path) {
  const frame::OpenedTables tables = OpenGroupTables(session);
  if (!tables) return false;
  SalesmanChains chains(tables, kCutoff, params.merge);
  std::map<std::string, GroupFigures> figures;
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  filter.customer = params.customer;
  const bool read = WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    const std::vector<std::string> codes = chains.Resolve(document.salesman, document.date);
    for (const SaleLine& line : lines) {
      double cartons = 0;
      if (xbase::Status s = LineCartons(session, line, &cartons); !s.ok()) return s;
      cartons *= document.sign();
      const double value = document.sign() * line.value / 1000;
      std::string group;
      if (xbase::Status s = CARIPATRON2(session, line.code, &group); !s.ok()) return s;
      const size_t column = ColumnIndex(GroupColumn(group));
      for (const std::string& code : codes) {
        GroupFigures& own = figures[code];
        own.cartons[column] += cartons;
        own.value[column] += value;
        own.cartons[kTotal] += cartons;
        own.value[kTotal] += value;
      }
    }
    return xbase::Status::OK();
  });
  if (!read || !frame::Checked(session, chains.status())) return false;
  std::vector<const SalesmanEntry*> entries;
  for (const SalesmanEntry* entry : chains.Sorted()) {
    if (figures.contains(entry->code)) entries.push_back(entry);
  }
  frame::SpreadsheetExport book(session, "REKAP GROUP By SALES");
  book.NameSheets({"Carton", "Value"});
  FillSheet(book.Select("Carton"), params, "CARTON", true, entries, figures);
  FillSheet(book.Select("Value"), params, "VALUE/1000", false, entries, figures);
  return book.Show(path);
}

xbase::Status RBYSALES(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenGroupTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  SalesmanReportParams params;
  params.customer = Blank(10);
  params.from = text::TGLAWAL(session.Today());
  params.to = text::TGLAKHIR(session.Today());
  for (;;) {
    ReportForm form(session, "REKAP GROUP By SALES", {"Relasi      :", "Tanggal     :", "S/D         :", "Gabung Sales:"});
    form.Field(0, &params.customer, "@!");
    form.Period(1, 2, &params.from, &params.to);
    form.Field(3, &params.merge, "Y");
    if (!form.Read()) break;
    GroupsBySalesman(session, params);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
