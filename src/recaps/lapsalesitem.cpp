// LAPSALES1 "Laporan All Item / Sales": the items sold per salesman in cartons and value (and LAPKOMIT's commitment
// items), in a workbook.
#include <set>

#include "frame/status_display.h"
#include "recaps/coverage_reports.h"
#include "recaps/customer_recaps.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_figures.h"
#include "recaps/product_lookup.h"
#include "recaps/recap_posting.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace recaps {

xbase::Status RunItemsBySalesman(frame::Session& session, bool commitment) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{"RKP_SAL"}, {"RKP_CAB"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  double stag = 5;
  if (commitment) {
    answers.from = xbase::Date::FromYmd(2016, 11, 1);
  } else {
    answers.group_text = xbase::PadR("K", 10);
  }
  const std::string title = commitment ? "  LAPORAN KOMITMEN SALES   " : " LAPORAN ALL ITEM / SALES  ";
  for (;;) {
    if (commitment) answers.group_text = xbase::PadR(xbase::Str(stag, 2), 10);
    if (!AskAnswers(session, title, kAskSalesman | kAskRange | kAskGroupText, &answers,
                    commitment ? "Kel. Item   :" : "Kelompok    :")) {
      break;
    }
    // The commitment items are those of PATRON2 whose STAG is the group typed.
    stag = std::atof(std::string(xbase::AllTrim(answers.group_text)).c_str());
    if (commitment && xbase::IsBlank(answers.group_text)) continue;
    ProductLookup products;
    std::vector<std::pair<std::string, std::string>> salesmen;
    xbase::Status s = products.Load(tables);
    if (s.ok()) s = ActiveSalesmen(tables, answers.salesman, commitment ? "" : answers.group_text, &salesmen);
    std::vector<Matrix::Column> columns;
    std::set<std::string> counted;
    for (const auto& [code, name] : salesmen) {
      columns.push_back({code, name});
      counted.insert(code);
    }
    // The items of the report and their lines.
    std::map<std::string, std::string> items;
    xbase::WorkArea& members = tables["PATRON2"];
    if (s.ok()) {
      s = ForEachRow(members, [&] {
        const bool chosen = commitment ? members.Number("STAG") == stag : Begins(members.Text("PATRON"), answers.group_text);
        if (chosen) items.emplace(members.Text("KODE"), members.Text("PATRON"));
      });
    }
    // Per unit, item rows (detail) and line rows (group).
    std::array<Matrix, 2> by_item = {Matrix(columns, {}), Matrix(columns, {})};
    std::array<Matrix, 2> by_line = {Matrix(columns, {}), Matrix(columns, {})};
    const MonthRange range = answers.Range();
    xbase::WorkArea& recaps = tables["RKP_SAL"];
    xbase::WorkArea& stock = tables["RKP_CAB"];
    const auto rows_of = [&](size_t unit, const std::string& item, const std::string& line) {
      const ProductLine* found = products.Line(line);
      return std::pair<Matrix::Row*, Matrix::Row*>{
          &by_item[unit].RowOf(item, item, ItemName(tables["MASTBRJ"], item)),
          &by_line[unit].RowOf(line, line, found == nullptr ? std::string() : found->name)};
    };
    for (const auto& [item, line] : items) {
      if (!s.ok()) break;
      // The stock of the branch at the end month.
      s = stock.Seek(answers.branch + PeriodOf(answers.to) + item);
      const double cartons = s.ok() && stock.found() ? stock.Number("ST_CRT") : 0;
      for (size_t unit = 0; unit < 2; ++unit) {
        auto [item_row, line_row] = rows_of(unit, item, line);
        item_row->lead = {cartons};
        if (line_row->lead.empty()) line_row->lead = {0};
        line_row->lead[0] += cartons;
      }
    }
    if (s.ok()) {
      s = ForEachRow(recaps, [&] {
        const auto at = items.find(recaps.Text("KODE"));
        const std::string salesman = recaps.Text("SALES");
        if (at == items.end() || !counted.contains(salesman) || !range.Holds(recaps.Text("PERIODE"))) return;
        for (size_t unit = 0; unit < 2; ++unit) {
          auto [item_row, line_row] = rows_of(unit, at->first, at->second);
          const double figure = recaps.Number(unit == kCartons ? "JL_CRT" : "JL_VAL");
          by_item[unit].Add(*item_row, salesman, 0, figure);
          by_line[unit].Add(*line_row, salesman, 0, figure);
        }
      });
    }
    if (!frame::Checked(session, s)) continue;
    MatrixLayout layout;
    layout.city = false;
    layout.by_total = false;
    layout.lead_headings = {"STOCK"};
    AskOutput(session, [&](bool detail) {
      const std::array<Matrix, 2>& matrices = detail ? by_item : by_line;
      ShowBook(session, commitment ? "LAPORAN KOMITMEN SALES" : "REKAP PENJUALAN per SALES", {"Carton", "Value "},
               {"REKAP PENJUALAN per SALES (KOMITMEN), CABANG " + std::string(xbase::AllTrim(answers.branch)),
                "PERIODE : " + xbase::Dtoc(answers.from) + " s/d " + xbase::Dtoc(answers.to)},
               MatrixHeadings(matrices[0], layout), [&](platform::Worksheet& sheet, size_t unit, int width) {
                 return WriteMatrix(sheet, matrices[unit], layout, width);
               });
    });
  }
  return session.tables().CloseAll();
}

xbase::Status LAPSALES1(frame::Session& session, const Args&) { return RunItemsBySalesman(session, false); }

}  // namespace recaps
