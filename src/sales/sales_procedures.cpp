#include "sales/sales.h"

namespace sales {

void RegisterSalesProcedures(frame::ProcedureRegistry&) {}

}  // namespace sales
