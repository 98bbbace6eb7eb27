#include "sales/sales.h"

namespace sales {

void RegisterSalesProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"IJUAL", "Input Sales Order + Surat Jalan", kMenuGroup, IJUAL});
}

}  // namespace sales
