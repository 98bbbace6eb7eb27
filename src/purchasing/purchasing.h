// The public face of the purchasing and replenishment: shipment imports into purchase orders and goods
// receipts, purchase returns and reports, forecasts and D1 orders.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_PURCHASING_PURCHASING_H_
#define PALUNDA_PURCHASING_PURCHASING_H_

#include "frame/procedure_registry.h"

namespace purchasing {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "BELI";

// Registers every entry procedure of this subsystem.
void RegisterPurchasingProcedures(frame::ProcedureRegistry& registry);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PURCHASING_H_
