// LAPPPASLSVAL "PP Value by Sales": per salesman and customer, the value of each coverage line, in a workbook.
#include "frame/status_display.h"
#include "recaps/customer_recaps.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_lookup.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {

// Per salesman and customer (or outlet group), the value (thousands) of each coverage line.
xbase::Status LAPPPASLSVAL(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{"RKP_SLR"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  answers.unit = "V";
  while (AskAnswers(session, "      PP VALUE by SALES    ", kAskSalesman | kAskMerge | kAskRange | kAskIncludes,
                    &answers)) {
    CoverageColumns coverage;
    xbase::Status s = coverage.Load(tables);
    Matrix matrix(coverage.columns, {});
    Labels labels(tables);
    const MonthRange range = answers.Range();
    xbase::WorkArea& recaps = tables["RKP_SLR"];
    if (s.ok()) {
      s = ForEachRowFrom(recaps, "SALES", answers.salesman, [&] {
        if (!range.Holds(recaps.Text("PERIODE"))) return;
        const std::string column = coverage.ColumnOf(recaps.Text("KODE"));
        if (column.empty()) return;
        const Labels::Label salesman = labels.Salesman(recaps.Text("SALES"), true);
        const Labels::Label customer = labels.Customer(recaps.Text("RELASI"), answers.merge);
        Matrix::Row& row = matrix.RowOf(salesman.key + customer.key,
                                        std::string(xbase::RTrim(salesman.code)) + " " + customer.code,
                                        customer.name, customer.city);
        matrix.Add(row, column, 0, answers.Figure(recaps));
      });
    }
    if (s.ok()) s = labels.status();
    if (!frame::Checked(session, s)) continue;
    MatrixLayout layout;
    layout.coverage_share = true;
    layout.blank_zeros = true;
    layout.by_total = false;
    ShowBook(session, "REKAP PP PA SALES by ITEM PRODUK value", {"Sheet1"},
             {"REKAP PP/PA (SALES) by ITEM PRODUK (value/1000), CABANG : " + std::string(xbase::AllTrim(answers.branch)),
              "PERIODE : " + xbase::Dtoc(answers.from) + " s/d : " + xbase::Dtoc(answers.to) + answers.IncludedText()},
             MatrixHeadings(matrix, layout),
             [&](platform::Worksheet& sheet, size_t, int width) { return WriteMatrix(sheet, matrix, layout, width); });
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
