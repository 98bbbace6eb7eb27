// The public face of the receivables and payments: payment instruments, payment receipts and the settlement
// routine, collection lists, deductions, receipts, the customer lock, the reversing journal.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_RECEIVABLES_RECEIVABLES_H_
#define PALUNDA_RECEIVABLES_RECEIVABLES_H_

#include "frame/procedure_registry.h"

namespace receivables {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "PIUTANG";

// Registers every entry procedure of this subsystem.
void RegisterReceivablesProcedures(frame::ProcedureRegistry& registry);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_RECEIVABLES_H_
