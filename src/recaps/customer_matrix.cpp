// The customer recaps by product group and by month: a customer (outlet groups merged) a row, figures
// of this year and last year, or of the months.
#include "recaps/customer_matrix.h"

#include "frame/status_display.h"
#include "recaps/product_figures.h"
#include "recaps/recap_tables.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace recaps {

xbase::Status RunCustomerMatrix(frame::Session& session, const CustomerMatrix& report) {
  const frame::OpenedTables tables = OpenLabelTables(session, {{report.recap_table}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  while (AskAnswers(session, report.box_title, kAskCustomer | kAskUnit, &answers)) {
    ProductLookup products;
    xbase::Status s = products.Load(tables);
    Matrix matrix(report.columns, report.subs);
    Labels labels(tables);
    const Windows windows(answers.to);
    xbase::WorkArea& recaps = tables[report.recap_table];
    if (s.ok()) {
      s = ForEachRowFrom(recaps, "RELASI", answers.customer, [&] {
        const std::string period = recaps.Text("PERIODE");
        if (!Windows::Within(period, windows.year_first, windows.month) &&
            !Windows::Within(period, windows.last_year_first, windows.last_month)) {
          return;
        }
        const Labels::Label label = labels.Customer(recaps.Text("RELASI"), true);
        report.add(matrix, matrix.RowOf(label.key, label.code, label.name, label.city), recaps, windows, answers,
                   products);
      });
    }
    if (s.ok()) s = labels.status();
    if (!frame::Checked(session, s)) continue;
    ShowBook(session, report.file_title, {"Sheet1"},
             {report.heading + std::string(xbase::AllTrim(answers.branch)),
              "PERIODE s/d : " + xbase::Dtoc(answers.to), answers.unit == "V" ? "VALUE" : "CARTON"},
             MatrixHeadings(matrix, report.layout),
             [&](platform::Worksheet& sheet, size_t, int width) { return WriteMatrix(sheet, matrix, report.layout, width); });
  }
  return session.tables().CloseAll();
}

std::vector<Matrix::Column> MonthColumns() {
  std::vector<Matrix::Column> columns;
  for (int m = 1; m <= 12; ++m) columns.push_back({xbase::StrZero(m, 2), MonthNames()[static_cast<size_t>(m - 1)]});
  return columns;
}

}  // namespace recaps
