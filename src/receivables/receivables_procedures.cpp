#include "receivables/receivables.h"

namespace receivables {

void RegisterReceivablesProcedures(frame::ProcedureRegistry&) {}

}  // namespace receivables
