// What the recaps per customer share: the walk over the customers of a prefix with their invoices,
// and the text of a table of figures per customer under headings of several lines.
#ifndef PALUNDA_RECEIVABLE_REPORTS_CUSTOMER_RECAP_H_
#define PALUNDA_RECEIVABLE_REPORTS_CUSTOMER_RECAP_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_text.h"
#include "xbase/status.h"

namespace receivable_reports {

// A customer of MASTCUS.
struct CustomerRow {
  std::string code, name, city;
};

// Calls visit for every customer of MASTCUS whose code begins with `prefix`, in code order, with
// the customer's invoices and their settlements.
xbase::Status ForEachCustomer(frame::Session& session, std::string_view prefix,
                              const std::function<void(const CustomerRow&, const std::vector<Invoice>&)>& visit);

// A printed row of a recap: its label (code, name, ...) and figures.
struct RecapRow {
  std::string label;
  std::vector<double> figures;
};

// The layout of a recap table: the label column's width, the heads of the figure columns (one
// text per heading line), the figures' picture.
struct RecapLayout {
  int label_width = 41;
  std::vector<std::vector<std::string>> heads;
  std::string_view picture = kAmount;
  std::string total_label = "       JUMLAH :";
};

// The rows under the title lines and heads, with the line of the column sums at the end.
ReportText RecapText(const std::vector<std::string>& titles, const RecapLayout& layout,
                     const std::vector<RecapRow>& rows, int per_page);

// True when any figure is not 0.
bool AnyFigure(const std::vector<double>& figures);
// Adds `figures` into *sums, growing it as needed.
void AddFigures(std::vector<double>* sums, const std::vector<double>& figures);

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_CUSTOMER_RECAP_H_
