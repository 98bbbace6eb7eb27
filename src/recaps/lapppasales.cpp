// LAPPPASALES "PP/PA Sales by Item Produk": per salesman, the coverage lines sold, in a workbook.
#include "frame/status_display.h"
#include "recaps/customer_recaps.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_lookup.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {

// Per salesman, the coverage lines sold.
xbase::Status LAPPPASALES(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{"RKP_SAL"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  while (AskAnswers(session, "     PP/PA ITEM PRODUK     ", kAskSalesman | kAskGroupText | kAskRange, &answers)) {
    CoverageColumns coverage;
    xbase::Status s = coverage.Load(tables);
    Matrix matrix(coverage.columns, {});
    Labels labels(tables);
    const MonthRange range = answers.Range();
    xbase::WorkArea& recaps = tables["RKP_SAL"];
    if (s.ok()) {
      s = ForEachRowFrom(recaps, "SALES", answers.salesman, [&] {
        const std::string item = recaps.Text("KODE");
        if (!range.Holds(recaps.Text("PERIODE")) || recaps.Number("JL_QTY") == 0) return;
        const std::string column = coverage.ColumnOf(item);
        if (!Begins(coverage.products.LineOf(item), answers.group_text) || column.empty()) return;
        const Labels::Label label = labels.Salesman(recaps.Text("SALES"));
        matrix.Mark(matrix.RowOf(label.key, label.code, label.name), column);
      });
    }
    if (!frame::Checked(session, s)) continue;
    MatrixLayout layout;
    layout.city = false;
    layout.coverage_share = true;
    layout.blank_zeros = true;
    ShowBook(session, "REKAP PP PA SALES by ITEM PRODUK", {"Sheet1"},
             {"REKAP PP/PA (SALES) by ITEM PRODUK, CABANG : " + std::string(xbase::AllTrim(answers.branch)),
              "PERIODE : " + xbase::Dtoc(answers.from) + " s/d : " + xbase::Dtoc(answers.to)},
             MatrixHeadings(matrix, layout),
             [&](platform::Worksheet& sheet, size_t, int width) { return WriteMatrix(sheet, matrix, layout, width); });
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
