#include "masters/masters.h"

namespace masters {

void RegisterMastersProcedures(frame::ProcedureRegistry&) {}

}  // namespace masters
