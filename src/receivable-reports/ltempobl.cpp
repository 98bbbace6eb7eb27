// REKAP JATUH TEMPO / BULAN: open receivables in thousands by due month, per customer or outlet group.
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

xbase::Status LTEMPOBL(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "OTL_GRP", "OTL_MBR", "GIRODBT", "GIROKR2", "PIUTDBT", "PIUTKR1",
                                   "PIUTKR2", "PIUTJBL"})) {
    return xbase::Status::OK();
  }
  DueMonthLimits limits{Blank(10), Blank(6), Blank(4), Blank(2), session.Today(), session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "REKAP JATUH TEMPO / BULAN",
                   {{"Customer :", &limits.customer, "@!"},
                    {"Kode Cabang :", &limits.branch, "@!"},
                    {"Kode Sales :", &limits.salesman, "@!"},
                    {"Tipe Piutang :", &limits.type, "@!"},
                    {"Penjualan s/d :", &limits.sales_to},
                    {"Jatuh Tempo s/d :", &limits.due_to},
                    {"Pembayaran s/d :", &limits.paid_to},
                    {"Tampilkan Giro (Y/N) :", &limits.instruments, "Y"},
                    {"Baris/Hal :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    std::vector<RecapRow> rows;
    if (!frame::Checked(session, DueMonthRecap(session, limits, false, &rows))) break;
    PrintReport(session, DueMonthRecapText(limits, false, rows), "REKAP JATUH TEMPO / BULAN");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
