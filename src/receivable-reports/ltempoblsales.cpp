// REKAP JATUH TEMPO/BULAN/SALES: open receivables in thousands by due month, per salesman.
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

xbase::Status LTEMPOBLSALES(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "MASTSLS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) {
    return xbase::Status::OK();
  }
  DueMonthLimits limits{Blank(10), Blank(6), "", Blank(2), session.Today(), session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "REKAP JATUH TEMPO/BULAN/SALES",
                   {{"Customer :", &limits.customer, "@!"},
                    {"Kode Cabang :", &limits.branch, "@!"},
                    {"Tipe Piutang :", &limits.type, "@!"},
                    {"Penjualan s/d :", &limits.sales_to},
                    {"Jatuh Tempo s/d :", &limits.due_to},
                    {"Pembayaran s/d :", &limits.paid_to},
                    {"Baris/Hal :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    const Media media = AskMedia(session);
    if (media == Media::kNone) continue;
    std::vector<RecapRow> rows;
    if (!frame::Checked(session, DueMonthRecap(session, limits, true, &rows))) break;
    if (media == Media::kPrinter) {
      PrintReport(session, DueMonthRecapText(limits, true, rows), "REKAP JATUH TEMPO/BULAN/SALES");
    } else {
      DueMonthRecapBook(session, limits, rows);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
