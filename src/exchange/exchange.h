// The public face of the branch data exchange: the branch export set, the head-office import and merge,
// delivery-note revision transfers, the transfer to MySQL.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_EXCHANGE_EXCHANGE_H_
#define PALUNDA_EXCHANGE_EXCHANGE_H_

#include "frame/procedure_registry.h"

namespace exchange {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "TRANSFER";

// Registers every entry procedure of this subsystem.
void RegisterExchangeProcedures(frame::ProcedureRegistry& registry);

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_EXCHANGE_H_
