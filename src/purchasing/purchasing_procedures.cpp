#include "purchasing/purchasing.h"

namespace purchasing {

void RegisterPurchasingProcedures(frame::ProcedureRegistry&) {}

}  // namespace purchasing
