// The public face of the sales documents: sales orders, delivery notes and invoices, free-goods and
// proforma deliveries and tax invoices.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_SALES_SALES_H_
#define PALUNDA_SALES_SALES_H_

#include <string>
#include <string_view>
#include <vector>

#include "documents/save_scope.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace sales {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "JUAL";

// Registers every entry procedure of this subsystem.
void RegisterSalesProcedures(frame::ProcedureRegistry& registry);

// UPDATEEKSPROFORMA: the line (proforma number, goods code) of PRO_IN2 open under `pro_in2` takes
// + added - removed in REALISASI under its lock; a missing line is left alone. The table's
// controlling order is given back.
xbase::Status UPDATEEKSPROFORMA(frame::Session& session, std::string_view proforma, std::string_view code,
                                std::string_view line, double added, double removed);

// SYARATOK: the slow-moving target of a proforma. When SETUP holds "TYPE" + type + the customer's
// group, the net value of the lines whose goods are in PKT_YES (rows of code and value after the
// line discounts) must reach net x percent / 100; else false after the message. A failed read is shown
// and refuses.
struct TargetLine {
  std::string code;
  double value = 0;  // after the line's discounts
};
bool SYARATOK(frame::Session& session, const std::vector<TargetLine>& lines, std::string_view group,
              std::string_view type, double net, double d1, double d2);

// CEKEXIST: a new delivery-note number must be free in PRO_OT1 and SRTJLN1 and hold no "?"; false
// after the message naming where it is taken.
bool CEKEXIST(frame::Session& session, std::string_view number);

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
