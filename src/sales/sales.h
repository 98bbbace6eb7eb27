// The public face of the sales documents: sales orders, delivery notes and invoices, free-goods and
// proforma deliveries, tax invoices, and the stock posting routine.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_SALES_SALES_H_
#define PALUNDA_SALES_SALES_H_

#include "frame/procedure_registry.h"

namespace sales {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "JUAL";

// Registers every entry procedure of this subsystem.
void RegisterSalesProcedures(frame::ProcedureRegistry& registry);

}  // namespace sales

#endif  // PALUNDA_SALES_SALES_H_
