// The public face of the returns, approvals and price negotiation: return drafts and their realisation,
// administrative returns, late-payment approvals, negotiation minutes.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_RETURNS_RETURNS_H_
#define PALUNDA_RETURNS_RETURNS_H_

#include "frame/procedure_registry.h"

namespace returns {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "RETUR";

// Registers every entry procedure of this subsystem.
void RegisterReturnsProcedures(frame::ProcedureRegistry& registry);

}  // namespace returns

#endif  // PALUNDA_RETURNS_RETURNS_H_
