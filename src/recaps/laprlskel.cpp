// LAPRLSKEL "Laporan per Relasi (Kel. Produk)": per customer and product group, this year against last year to the
// month.
#include "recaps/customer_matrix.h"
#include "recaps/recap_screens.h"

namespace recaps {

// Per customer and product group: this year to the month and last year to the same month.
xbase::Status LAPRLSKEL(frame::Session& session, const Args&) {
  CustomerMatrix report;
  report.box_title = "LAPORAN PER RELASI (KEL. PRODUK)";
  report.recap_table = "RKP_CUS";
  report.file_title = "LAPORAN PER RELASI by KEL PRODUK";
  report.heading = "LAPORAN PER RELASI by KEL. PRODUK, CABANG : ";
  for (const ProductGroup& group : kProductGroups) report.columns.push_back({std::string(group.kel), std::string(group.heading)});
  report.subs = {"TH INI", "TH LALU"};
  report.add = [](Matrix& matrix, Matrix::Row& row, const xbase::WorkArea& recap, const Windows& windows,
                  const Answers& answers, const ProductLookup& products) {
    const size_t sub = Windows::Within(recap.Text("PERIODE"), windows.year_first, windows.month) ? 0 : 1;
    const int group = products.GroupOf(recap.Text("KODE"));
    const double figure = answers.Figure(recap);
    if (group < 0) {
      row.total[sub] += figure;  // a group outside the list counts only in the total
      return;
    }
    matrix.Add(row, std::string(kProductGroups[static_cast<size_t>(group)].kel), sub, figure);
  };
  return RunCustomerMatrix(session, report);
}

}  // namespace recaps
