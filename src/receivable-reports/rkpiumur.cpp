// REKAP KPI UMUR PIUTANG: the age of the payments of a period per customer or salesman, in a workbook.
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

xbase::Status RKPIUMUR(frame::Session& session, const Args&) { return RunAgeKpi(session, true); }

}  // namespace receivable_reports
