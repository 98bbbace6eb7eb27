// REKAP PENERIMAAN PIUTANG by salesman.
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

xbase::Status LLUNASASALES(frame::Session& session, const Args&) { return RunReceiptRecap(session, true); }

}  // namespace receivable_reports
