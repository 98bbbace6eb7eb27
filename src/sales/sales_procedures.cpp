#include "sales/sales.h"

#include "sales/cjual.h"

namespace sales {

void RegisterSalesProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"CJUAL", "Cetak Invoice", kMenuGroup, CJUAL});
}

}  // namespace sales
