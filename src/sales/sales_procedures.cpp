#include "sales/sales.h"

#include "sales/cjual.h"

namespace sales {

void RegisterSalesProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"IJUAL", "Input Sales Order + Surat Jalan", kMenuGroup, IJUAL});
  registry.Register({"CJUAL", "Cetak Invoice", kMenuGroup, CJUAL});
}

}  // namespace sales
