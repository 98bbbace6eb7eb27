// LSALES: net sales per goods group and product family in cartons and thousands, split into up to
// 14 chosen salesmen and "SALES LAIN".
#include "console/alert.h"
#include "frame/spreadsheet.h"
#include "performance/chosen_salesmen.h"
#include "performance/group_rows.h"
#include "performance/lsales2.h"
#include "performance/paged_report.h"
#include "performance/performance.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "performance/sheet_layout.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kChosen = 14;

frame::OpenedTables OpenSplitTables(frame::Session& session) {
  return OpenTables(session, Joined({ReportTableUses(), {{"MASTSLS"}, {"MASTCUS"}}, DocumentTableUses()}));
}

std::string Title(const SalesSplitParams& params) {
  return "PENJUALAN per PRODUK per SALES, Tanggal " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to);
}

std::string Subtitle(const SalesSplitParams& params) {
  return "RELASI : " + std::string(xbase::AllTrim(params.customer)) + ", TIPE : " + std::string(xbase::AllTrim(params.type));
}

}  // namespace

bool SalesByGroup(frame::Session& session, const SalesSplitParams& params, std::vector<SplitFigures>* groups,
                  std::vector<SplitFigures>* families) {
  const frame::OpenedTables tables = OpenSplitTables(session);
  if (!tables) return false;
  const GroupRows group_rows = SalesGroupRows(), family_rows = FamilyRows();
  const size_t width = 2 * (2 + params.salesmen.size());
  groups->assign(group_rows.size(), SplitFigures(width, 0));
  families->assign(family_rows.size(), SplitFigures(width, 0));
  DocumentFilter filter;
  filter.from = params.from;
  filter.to = params.to;
  filter.customer = params.customer;
  filter.type = params.type;
  return WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    const int chosen = ChosenColumn(params.salesmen, document.salesman);
    const size_t split = chosen < 0 ? 2 : 4 + 2 * static_cast<size_t>(chosen);
    for (const SaleLine& line : lines) {
      double cartons = 0;
      std::string group, family;
      xbase::Status s = LineCartons(session, line, &cartons);
      if (s.ok()) s = ItemText(session, line.code, "GOLONGAN", &group);
      if (s.ok()) s = CARIPATORNK1K2(session, line.code, &family);
      if (!s.ok()) return s;
      cartons *= document.sign();
      const double value = document.sign() * line.value / 1000;
      const auto add = [&](SplitFigures& row) {
        row[0] += cartons;
        row[1] += value;
        row[split] += cartons;
        row[split + 1] += value;
      };
      for (size_t row : group_rows.RowsOf(group)) add((*groups)[row]);
      for (size_t row : family_rows.RowsOf(family)) add((*families)[row]);
    }
    return xbase::Status::OK();
  });
}

bool PrintSalesByGroup(frame::Session& session, const SalesSplitParams& params, const std::vector<SplitFigures>& groups,
                       const std::vector<SplitFigures>& families) {
  std::string heads = xbase::PadR("NAMA", 12) + xbase::PadC("JUMLAH", 22) + xbase::PadC("SALES LAIN", 22);
  std::string subheads(12, ' ');
  for (size_t i = 0; i < 2 + params.salesmen.size(); ++i) subheads += "   CARTON        VALUE";
  for (const std::string& code : params.salesmen) heads += xbase::PadC(xbase::AllTrim(code), 22);
  const std::string rule(heads.size(), '-');
  PagedReport report(session, 50);
  report.set_heading({{Title(params), "CB"}, {Subtitle(params), "C"}, {rule, "C"}, {heads, "C"}, {subheads, "C"}, {rule, "C"}});
  if (!report.Start()) return false;
  const auto print = [&](const GroupRows& rows, const std::vector<SplitFigures>& figures) {
    for (size_t row = 0; row < rows.size(); ++row) {
      if (figures[row][0] == 0) continue;
      std::string line = xbase::PadR(rows.labels()[row], 12);
      for (size_t i = 0; i < figures[row].size(); i += 2) {
        line += Amount(figures[row][i], " 9,999,999") + Amount(figures[row][i + 1], " 999,999,999");
      }
      if (!report.Row(line, rows.IsSum(row) ? "CB" : "C")) return false;
    }
    return report.Row(rule);
  };
  if (!print(SalesGroupRows(), groups) || !print(FamilyRows(), families)) return false;
  frame::ReportLayout layout;
  layout.width = static_cast<int>(heads.size());
  layout.title = "PENJUALAN per PRODUK per SALES";
  return report.Print(layout);
}

bool SalesByGroupBook(frame::Session& session, const SalesSplitParams& params, const std::vector<SplitFigures>& groups,
                      const std::vector<SplitFigures>& families, std::string* path) {
  frame::SpreadsheetExport book(session, "PENJUALAN per PRODUK per SALES");
  book.NameSheets({"Golongan", "K1234"});
  const auto fill = [&](platform::Worksheet& sheet, const GroupRows& rows, const std::vector<SplitFigures>& figures) {
    Titles(sheet, {Title(params), Subtitle(params)});
    TallHead(sheet, 1, "NO.");
    TallHead(sheet, 2, "GOLONGAN");
    SpanHead(sheet, 3, "TOTAL", {"Carton", "Value"});
    SpanHead(sheet, 5, "SALES LAIN", {"Carton", "Value"});
    for (size_t i = 0; i < params.salesmen.size(); ++i) {
      SpanHead(sheet, 7 + 2 * static_cast<int>(i), NAMASALES(session, params.salesmen[i]), {"Carton", "Value"});
    }
    const int last = 2 + static_cast<int>(figures.front().size());
    FinishHeads(sheet, last);
    int number = 0;
    for (size_t row = 0; row < rows.size(); ++row) {
      const int line = kFirstDataRow + static_cast<int>(row);
      if (!rows.IsSum(row)) sheet.SetNumber(line, 1, ++number);
      sheet.SetValue(line, 2, rows.labels()[row]);
      for (size_t i = 0; i < figures[row].size(); ++i) sheet.SetNumber(line, 3 + static_cast<int>(i), figures[row][i]);
      if (rows.IsSum(row)) TotalRow(sheet, line, last, row + 1 == rows.size() ? 0 : frame::GroupTotalFill(1));
    }
    sheet.SetBorders(Block(kFirstDataRow, 1, kFirstDataRow + static_cast<int>(rows.size()) - 1, last), frame::kBorderWeight);
    sheet.SetNumberFormat(Columns(3, last), frame::kAmountFormat);
    sheet.AutoFit(Columns(1, last));
  };
  fill(book.Select("Golongan"), SalesGroupRows(), groups);
  fill(book.Select("K1234"), FamilyRows(), families);
  return book.Show(path);
}

xbase::Status LSALES(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenSplitTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  SalesSplitParams params;
  params.customer = Blank(10);
  params.type = Blank(2);
  params.from = params.to = session.Today();
  params.salesmen.assign(kChosen, Blank(4));
  for (;;) {
    std::vector<std::string> labels = {"Kode Relasi :", "Tanggal     :", "s/d         :", "Tipe        :"};
    for (int i = 1; i <= kChosen; ++i) labels.push_back(xbase::PadR("Sales " + std::to_string(i), 12) + ":");
    ReportForm form(session, "LAPORAN per SALES per GRUP PRODUK", labels);
    form.Field(0, &params.customer, "@!");
    form.Period(1, 2, &params.from, &params.to, false);
    form.Field(3, &params.type, "@!");
    for (int i = 0; i < kChosen; ++i) form.Salesman(4 + i, &params.salesmen[static_cast<size_t>(i)]);
    if (!form.Read()) break;
    std::vector<SplitFigures> groups, families;
    if (!SalesByGroup(session, params, &groups, &families)) break;
    for (;;) {
      const int output = ChooseOutput(session, " Laporan ke ", {"Printer", "Excell", "Batal"});
      if (output == 1) PrintSalesByGroup(session, params, groups, families);
      if (output == 2) SalesByGroupBook(session, params, groups, families);
      if (output != 1 && output != 2) break;
    }
  }
  return session.tables().CloseAll();
}

}  // namespace performance
