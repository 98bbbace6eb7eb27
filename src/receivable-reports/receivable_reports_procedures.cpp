#include "receivable-reports/receivable_reports.h"

namespace receivable_reports {

void RegisterReceivableReportsProcedures(frame::ProcedureRegistry&) {}

}  // namespace receivable_reports
