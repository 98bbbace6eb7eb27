// LAPOTLBLN "Laporan Relasi per Bulan (Kel. Produk)": per customer, each month of the year split by product group.
#include "recaps/customer_matrix.h"
#include "recaps/recap_screens.h"

namespace recaps {

// Per customer, this year to the month: the total, then each month, each split by product group.
xbase::Status LAPOTLBLN(frame::Session& session, const Args&) {
  CustomerMatrix report;
  report.box_title = "LAPORAN PER RELASI (KEL. PRODUK)";
  report.recap_table = "RKP_CUS";
  report.file_title = "LAPORAN PER RELASI per BULAN by KEL PRODUK";
  report.heading = "LAPORAN PER RELASI by KEL. PRODUK, CABANG : ";
  report.columns = MonthColumns();
  report.subs = {"SCHOOL", "OFFICE", "WRITTING", "ENVELOPE", "GIFTWRAP", "OTHER", "JASA", "EXPOT"};
  report.layout.sum_heading = "TOTAL";
  report.add = [](Matrix& matrix, Matrix::Row& row, const xbase::WorkArea& recap, const Windows& windows,
                  const Answers& answers, const ProductLookup& products) {
    const std::string period = recap.Text("PERIODE");
    const int group = products.GroupOf(recap.Text("KODE"));
    if (group < 0 || !Windows::Within(period, windows.year_first, windows.month)) return;
    matrix.Add(row, period.substr(4, 2), static_cast<size_t>(group), answers.Figure(recap));
  };
  return RunCustomerMatrix(session, report);
}

}  // namespace recaps
