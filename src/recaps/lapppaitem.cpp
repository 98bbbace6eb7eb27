// LAPPPAITEM "PP/PA Item Produk": the coverage (PP/PA) of the product lines by item, and LAPPPAVALUE's turnover, in a
// workbook.
#include "frame/status_display.h"
#include "recaps/coverage_reports.h"
#include "recaps/customer_recaps.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_lookup.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {

xbase::Status RunLineCoverage(frame::Session& session, bool values) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{"RKP_CUS"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  const unsigned fields = kAskCustomer | kAskMerge | kAskRange | (values ? kAskUnit | kAskIncludes | kAskExcept : 0);
  while (AskAnswers(session, values ? "   OMSET BY GROUP PRODUK   " : "     PP/PA ITEM PRODUK     ", fields, &answers)) {
    CoverageColumns coverage;
    xbase::Status s = coverage.Load(tables);
    Matrix matrix(coverage.columns, {});
    Labels labels(tables);
    const MonthRange range = answers.Range();
    xbase::WorkArea& recaps = tables["RKP_CUS"];
    if (s.ok()) {
      s = ForEachRowFrom(recaps, "RELASI", answers.customer, [&] {
        const std::string customer = recaps.Text("RELASI");
        if (!range.Holds(recaps.Text("PERIODE"))) return;
        if (values && !xbase::IsBlank(answers.except) && Begins(customer, answers.except)) return;
        const std::string column = coverage.ColumnOf(recaps.Text("KODE"));
        if (column.empty() || (!values && recaps.Number("JL_QTY") == 0)) return;
        const Labels::Label label = labels.Customer(customer, answers.merge);
        Matrix::Row& row = matrix.RowOf(label.key, label.code, label.name, label.city);
        if (values) {
          matrix.Add(row, column, 0, answers.Figure(recaps));
        } else {
          matrix.Mark(row, column);
        }
      });
    }
    if (s.ok()) s = labels.status();
    if (!frame::Checked(session, s)) continue;
    MatrixLayout layout;
    layout.coverage_share = !values;
    layout.grand_share = values;
    layout.blank_zeros = true;
    layout.shares_row = values;
    layout.total_fill = values ? 6 : 0;
    const std::string branch = std::string(xbase::AllTrim(answers.branch));
    const std::string period = "PERIODE : " + xbase::Dtoc(answers.from) + " s/d : " + xbase::Dtoc(answers.to);
    std::vector<std::string> titles;
    if (values) {
      titles = {"REKAP OMSET by GROUP PRODUK, CABANG : " + branch + answers.IncludedText(), period,
                answers.unit == "V" ? "VALUE" : "CARTON"};
    } else {
      titles = {"REKAP PP/PA by ITEM PRODUK, CABANG : " + branch, period};
    }
    ShowBook(session, values ? "REKAP OMSET by GROUP PRODUK" : "REKAP PP PA by ITEM PRODUK", {"Sheet1"}, titles,
             MatrixHeadings(matrix, layout), [&](platform::Worksheet& sheet, size_t, int width) {
               // The heading cells in colour 6.
               MarkRow(sheet, 4, width, false, 6);
               MarkRow(sheet, 5, width, false, 6);
               return WriteMatrix(sheet, matrix, layout, width);
             });
  }
  return session.tables().CloseAll();
}

xbase::Status LAPPPAITEM(frame::Session& session, const Args&) { return RunLineCoverage(session, false); }

}  // namespace recaps
