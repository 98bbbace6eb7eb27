// The public face of the sales recaps and management reports: the monthly and yearly recap posting, closing
// stock, and the reports built on them.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_RECAPS_RECAPS_H_
#define PALUNDA_RECAPS_RECAPS_H_

#include "frame/procedure_registry.h"

namespace recaps {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "REKAP";

// Registers every entry procedure of this subsystem.
void RegisterRecapsProcedures(frame::ProcedureRegistry& registry);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_RECAPS_H_
