#include "sales/sales.h"

#include "sales/cjual.h"

namespace sales {

void RegisterSalesProcedures(frame::ProcedureRegistry& registry) {
  registry.Register({"IJUAL", "Input Sales Order + Surat Jalan", kMenuGroup, IJUAL});
  registry.Register({"JJUAL", "Input Surat Jalan Baru", kMenuGroup, JJUAL});
  registry.Register({"RSRTJLN", "Ralat Surat Jalan", kMenuGroup, RSRTJLN});
  registry.Register({"RSLSODR", "Ralat Sales Order", kMenuGroup, RSLSODR});
  registry.Register({"CSLSODR", "Cetak Sales Order", kMenuGroup, CSLSODR});
  registry.Register({"CJUAL", "Cetak Invoice", kMenuGroup, CJUAL});
}

}  // namespace sales
