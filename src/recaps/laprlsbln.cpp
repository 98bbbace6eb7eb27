// LAPRLSBLN "Laporan per Relasi (per Bulan)": per customer and month, this year against last year.
#include "recaps/customer_matrix.h"
#include "recaps/recap_screens.h"

namespace recaps {

// Per customer and month, this year and last year.
xbase::Status LAPRLSBLN(frame::Session& session, const Args&) {
  CustomerMatrix report;
  report.box_title = " LAPORAN PER RELASI (per BULAN) ";
  report.recap_table = "RKP_RLS";
  report.file_title = "LAPORAN PER RELASI per BULAN";
  report.heading = "LAPORAN PER RELASI per BULAN, CABANG :";
  report.columns = MonthColumns();
  report.subs = {"TH INI", "TH LALU"};
  report.add = [](Matrix& matrix, Matrix::Row& row, const xbase::WorkArea& recap, const Windows& windows,
                  const Answers& answers, const ProductLookup&) {
    const std::string period = recap.Text("PERIODE");
    const size_t sub = Windows::Within(period, windows.year_first, windows.month) ? 0 : 1;
    matrix.Add(row, period.substr(4, 2), sub, answers.Figure(recap));
  };
  return RunCustomerMatrix(session, report);
}

}  // namespace recaps
