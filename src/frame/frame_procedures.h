// The entry procedures of the program, as the menu calls them and a new data folder lists them.
#ifndef PALUNDA_FRAME_FRAME_PROCEDURES_H_
#define PALUNDA_FRAME_FRAME_PROCEDURES_H_

#include "frame/procedure_registry.h"

namespace frame {

// The top menu entry under which a new data folder lists the frame's entries.
inline constexpr const char* kMenuGroup = "SISTEM";

// Registers every entry procedure of the application frame.
void RegisterFrameProcedures(ProcedureRegistry& registry);

}  // namespace frame

#endif  // PALUNDA_FRAME_FRAME_PROCEDURES_H_
