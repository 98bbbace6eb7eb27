// The public face of the stock and warehouse work: regeneration, mutations, stock-taking and the opname
// adjustment, stock cards and reports, gift-wrap work.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_STOCK_STOCK_H_
#define PALUNDA_STOCK_STOCK_H_

#include "frame/procedure_registry.h"

namespace stock {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "GUDANG";

// Registers every entry procedure of this subsystem.
void RegisterStockProcedures(frame::ProcedureRegistry& registry);

}  // namespace stock

#endif  // PALUNDA_STOCK_STOCK_H_
