// The public face of the returns, approvals and price negotiation: return drafts and their realisation,
// administrative returns, late-payment approvals, negotiation minutes.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_RETURNS_RETURNS_H_
#define PALUNDA_RETURNS_RETURNS_H_

#include <string>

#include "frame/procedure_registry.h"
#include "xbase/status.h"

namespace returns {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "RETUR";

// Registers every entry procedure of this subsystem.
void RegisterReturnsProcedures(frame::ProcedureRegistry& registry);

// Makes the empty return request files (App_rt1 and App_rt2, each with its index on NOMOR) in an
// exchange folder; refuses when one is already there.
xbase::Status CreateRequestFiles(const std::string& folder);

}  // namespace returns

#endif  // PALUNDA_RETURNS_RETURNS_H_
