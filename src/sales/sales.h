// The public face of the sales documents: sales orders, delivery notes and invoices, free-goods and
// proforma deliveries, tax invoices, and the stock posting routine.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_SALES_SALES_H_
#define PALUNDA_SALES_SALES_H_

#include <string_view>
#include <vector>

#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace sales {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "JUAL";

// Registers every entry procedure of this subsystem.
void RegisterSalesProcedures(frame::ProcedureRegistry& registry);

// UPMASTERBARANG: moves the stock of goods `code` in `warehouse` by + in - out (in first): the STOKBRG
// row found on its warehouse + code index (appended when missing), then the goods' total JUMLAH in
// MASTBRJ when the goods are there. Each row is changed under its own lock, released before the next
// is taken. The tables are open under the aliases `stokbrg` and `mastbrj`; their controlling orders
// are given back.
xbase::Status UPMASTERBARANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                             double out);

// IJUAL: the sales order with its delivery notes ("INPUT SALES ORDER + SURAT JALAN").
xbase::Status IJUAL(frame::Session& session, const std::vector<xbase::Value>& args);

// JJUAL: a further delivery note for an order saved earlier ("INPUT SURAT JALAN BARU").
xbase::Status JJUAL(frame::Session& session, const std::vector<xbase::Value>& args);

// RSRTJLN: the delivery-note revision ("RALAT SURAT JALAN").
xbase::Status RSRTJLN(frame::Session& session, const std::vector<xbase::Value>& args);

// RSLSODR: the sales-order revision ("RALAT SALES ORDER").
xbase::Status RSLSODR(frame::Session& session, const std::vector<xbase::Value>& args);

// CSLSODR: the sales-order print ("CETAK SALES ORDER").
xbase::Status CSLSODR(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace sales

#endif  // PALUNDA_SALES_SALES_H_
