// The public face of the master data: employees, companies, customers, goods and prices, goods groups,
// warehouses, sales staff.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_MASTERS_MASTERS_H_
#define PALUNDA_MASTERS_MASTERS_H_

#include "frame/procedure_registry.h"

namespace masters {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "DATA";

// Registers every entry procedure of this subsystem.
void RegisterMastersProcedures(frame::ProcedureRegistry& registry);

}  // namespace masters

#endif  // PALUNDA_MASTERS_MASTERS_H_
