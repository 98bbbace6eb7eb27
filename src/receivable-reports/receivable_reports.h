// The public face of the receivables reports: cards, balances, lists, the age KPI, due-date recaps,
// receipts and giro reports.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_RECEIVABLE_REPORTS_RECEIVABLE_REPORTS_H_
#define PALUNDA_RECEIVABLE_REPORTS_RECEIVABLE_REPORTS_H_

#include "frame/procedure_registry.h"

namespace receivable_reports {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "LAP.PIUTANG";

// Registers every entry procedure of this subsystem.
void RegisterReceivableReportsProcedures(frame::ProcedureRegistry& registry);

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_RECEIVABLE_REPORTS_H_
