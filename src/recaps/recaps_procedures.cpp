#include "recaps/recaps.h"

namespace recaps {

void RegisterRecapsProcedures(frame::ProcedureRegistry&) {}

}  // namespace recaps
