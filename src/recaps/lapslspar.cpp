// LAPSLSPAR "Laporan Pareto by Sales": the product lines by Pareto class and group, this year and last per salesman,
// in a workbook.
#include <set>

#include "frame/status_display.h"
#include "recaps/customer_recaps.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_lookup.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {
// Product lines by Pareto class and group, a pair of columns per salesman.
xbase::Status LAPSLSPAR(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{"RKP_SAL"}, {"PARETO"}, {"KELOMPOK"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  while (AskAnswers(session, "  LAPORAN PARETO by SALES  ", kAskSalesman | kAskUnit, &answers)) {
    ProductLookup products;
    std::vector<std::pair<std::string, std::string>> salesmen;
    std::vector<CodeName> classes, groups;
    xbase::Status s = products.Load(tables);
    if (s.ok()) s = ActiveSalesmen(tables, answers.salesman, "", &salesmen);
    if (s.ok()) s = ReadCodeNames(tables["PARETO"], &classes);
    if (s.ok()) s = ReadCodeNames(tables["KELOMPOK"], &groups);
    std::vector<Matrix::Column> columns;
    std::set<std::string> counted;
    for (const auto& [code, name] : salesmen) {
      columns.push_back({code, name});
      counted.insert(code);
    }
    Matrix matrix(columns, {"TH. INI", "TH. LALU"});
    const Windows windows(answers.to);
    xbase::WorkArea& recaps = tables["RKP_SAL"];
    if (s.ok()) {
      s = ForEachRow(recaps, [&] {
        const std::string period = recaps.Text("PERIODE"), salesman = recaps.Text("SALES");
        const bool now = Windows::Within(period, windows.year_first, windows.month);
        if (!counted.contains(salesman) || (!now && !Windows::Within(period, windows.last_year_first, windows.last_month))) {
          return;
        }
        const ProductLine* line = products.Line(products.LineOf(recaps.Text("KODE")));
        if (line == nullptr) return;
        matrix.Add(matrix.RowOf(line->code, line->code, line->name), salesman, now ? 0 : 1, answers.Figure(recaps));
      });
    }
    if (!frame::Checked(session, s)) continue;
    MatrixLayout layout;
    layout.city = false;
    ShowBook(session, "PARETO PENJUALAN per SALES", {"Sheet1"},
             {"PARETO PENJUALAN per SALES, CABANG : " + std::string(xbase::AllTrim(answers.branch)),
              "PERIODE s/d : " + xbase::Dtoc(answers.to), answers.unit == "V" ? "VALUE" : "CARTON"},
             MatrixHeadings(matrix, layout), [&](platform::Worksheet& sheet, size_t, int width) {
               const std::vector<const Matrix::Row*> rows = OrderedRows(matrix, layout);
               int row_number = 5;
               std::vector<double> total;
               for (const CodeName& pareto : classes) {
                 std::vector<double> class_sums;
                 for (const CodeName& group : groups) {
                   std::vector<double> group_sums;
                   int number = 0;
                   for (const Matrix::Row* row : rows) {
                     const ProductLine* line = products.Line(row->code);
                     if (xbase::AllTrim(line->pareto) != xbase::AllTrim(pareto.code) ||
                         xbase::AllTrim(line->kel) != xbase::AllTrim(group.code)) {
                       continue;
                     }
                     if (number == 0) {
                       sheet.SetValue(++row_number, 2, pareto.name + " - " + group.name);
                       MarkRow(sheet, row_number, width, true);
                     }
                     WriteMatrixRow(sheet, matrix, layout, ++row_number, ++number, *row, &group_sums);
                   }
                   if (number == 0) continue;
                   WriteMatrixSums(sheet, layout, ++row_number, "JUMLAH " + group.name, group_sums, width, 34);
                   AddTo(&class_sums, group_sums);
                 }
                 if (class_sums.empty()) continue;
                 WriteMatrixSums(sheet, layout, ++row_number, "JUMLAH " + pareto.name, class_sums, width, 6);
                 AddTo(&total, class_sums);
               }
               WriteMatrixSums(sheet, layout, ++row_number, "TOTAL", total, width, 0);
               return row_number;
             });
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
