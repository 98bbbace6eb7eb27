// The one registry of every entry procedure, for the program and for palunda-setup alike.
#ifndef PALUNDA_SITE_ALL_PROCEDURES_H_
#define PALUNDA_SITE_ALL_PROCEDURES_H_

#include "frame/procedure_registry.h"

namespace site {

// Registers the entry procedures of the frame and of every subsystem, in menu order.
void RegisterAllProcedures(frame::ProcedureRegistry& registry);

}  // namespace site

#endif  // PALUNDA_SITE_ALL_PROCEDURES_H_
