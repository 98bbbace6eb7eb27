// KPI UMUR PIUTANG: the age of each payment of a period, in a workbook.
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

xbase::Status KPIUMUR(frame::Session& session, const Args&) { return RunAgeKpi(session, false); }

}  // namespace receivable_reports
