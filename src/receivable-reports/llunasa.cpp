// REKAP PENERIMAAN PIUTANG by sales type.
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

xbase::Status LLUNASA(frame::Session& session, const Args&) { return RunReceiptRecap(session, false); }

}  // namespace receivable_reports
