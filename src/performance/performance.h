// The public face of the sales performance, targets and incentives: targets, salesman recaps and KPI,
// incentives, sales reports, the price audit.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_PERFORMANCE_PERFORMANCE_H_
#define PALUNDA_PERFORMANCE_PERFORMANCE_H_

#include "frame/procedure_registry.h"

namespace performance {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "KINERJA";

// Registers every entry procedure of this subsystem.
void RegisterPerformanceProcedures(frame::ProcedureRegistry& registry);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_PERFORMANCE_H_
