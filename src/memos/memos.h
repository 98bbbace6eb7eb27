// The public face of the delivery memos: admin, driver, warehouse and receivables memos, their approvals,
// outcomes and reports.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_MEMOS_MEMOS_H_
#define PALUNDA_MEMOS_MEMOS_H_

#include "frame/procedure_registry.h"

namespace memos {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "MEMO";

// Registers every entry procedure of this subsystem.
void RegisterMemosProcedures(frame::ProcedureRegistry& registry);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMOS_H_
