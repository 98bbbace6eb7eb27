#include "returns/returns.h"

namespace returns {

void RegisterReturnsProcedures(frame::ProcedureRegistry&) {}

}  // namespace returns
