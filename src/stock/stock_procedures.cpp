#include "stock/stock.h"

namespace stock {

void RegisterStockProcedures(frame::ProcedureRegistry&) {}

}  // namespace stock
