// The public face of the purchasing and replenishment: shipment imports into purchase orders and goods
// receipts, purchase returns and reports, forecasts and D1 orders, and the receipt stock postings.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_PURCHASING_PURCHASING_H_
#define PALUNDA_PURCHASING_PURCHASING_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "documents/save_scope.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace purchasing {

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "BELI";

// Registers every entry procedure of this subsystem.
void RegisterPurchasingProcedures(frame::ProcedureRegistry& registry);

// The entry procedures.
// IMPPEB: a shipment document of the logistics department becomes a goods receipt.
xbase::Status IMPPEB(frame::Session& session, const std::vector<xbase::Value>& args);
// CTKPOPEB, CTKBPPEB: the purchase order and the goods receipt of an imported shipment document.
xbase::Status CTKPOPEB(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status CTKBPPEB(frame::Session& session, const std::vector<xbase::Value>& args);
// RTBELI: purchase returns against goods receipts; CRTBELI: their form.
xbase::Status RTBELI(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status CRTBELI(frame::Session& session, const std::vector<xbase::Value>& args);
// LBELI3: the purchase journal; LBELI1: the purchase recap per item; LBELI2: the recap per number.
xbase::Status LBELI3(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status LBELI1(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status LBELI2(frame::Session& session, const std::vector<xbase::Value>& args);
// The branch's monthly plans for the logistics department, in cartons per item: FCST1 and DSRD1 make
// the month's work table of the forecast and of the D1 plan (DSRD1 also prints it); NEWFCAST and INPD1
// edit it and save it as a numbered document.
xbase::Status FCST1(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status NEWFCAST(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status DSRD1(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status INPD1(frame::Session& session, const std::vector<xbase::Value>& args);
// CNEWFCAST and CTKD1 print a work table (a workbook, or for D1 also a text report); CFCASTDL prints a
// saved forecast.
xbase::Status CNEWFCAST(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status CFCASTDL(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status CTKD1(frame::Session& session, const std::vector<xbase::Value>& args);
// D1TB: a D1 order after the monthly plan; CD1TB prints a D1 order; RD1CB: the recap of the D1 orders
// of a period against the deliveries, and what is pending.
xbase::Status D1TB(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status CD1TB(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status RD1CB(frame::Session& session, const std::vector<xbase::Value>& args);

// For a new data folder `folder` (its tables closed): makes the month's work tables of the forecast and
// the D1 plan of `branch` as their base runs do on `today` (the stock of every warehouse, 25 working
// days), and puts in each item's figure of `typed` as a clerk types it: the forecast's estimate of
// sales, the D1 plan's order.
xbase::Status MakeMonthPlans(const std::string& folder, std::string_view branch, xbase::Date today,
                             const std::vector<std::pair<std::string, double>>& typed);

// UPSTOCKGUDANG: posts `in` pieces in and `out` pieces out of goods `code` in `warehouse` at the net
// `price` per piece on the STOKBRG row (opened under the alias `stokbrg`), through the one writer of
// warehouse rows (documents::PostWarehouseRow). A new row takes JUMLAH in - out and the price in
// HRG_BELI, HRG_POKOK and HRG_RATA; an existing row moves JUMLAH and, when the price is not 0, takes
// the moving average (JUMLAH x HRG_RATA + in x price - out x price) / (JUMLAH + in - out), 0 when that
// quantity is 0.
xbase::Status UPSTOCKGUDANG(frame::Session& session, std::string_view code, std::string_view warehouse, double in,
                            double out, double price);

// UPSTOCK: posts a receipt line (or its reversal) of goods `code` into `warehouse`: the net price is
// price after the line's discounts disc1, disc2 and the header's cash discounts cash1, cash2. The
// MASTBRJ row (alias `mastbrj`) is appended from `source` (an open table whose index of the same name
// is on its code) when the goods are new, else its JUMLAH moves (documents::PostGoodsRow) and, when
// the gross price is not 0, its HRG_RATA takes the moving average on the net price; then the
// warehouse row is posted at the net price (UPSTOCKGUDANG). *average receives the average the line carries: the net price for new goods,
// else the average computed (written or not).
xbase::Status UPSTOCK(frame::Session& session, std::string_view warehouse, std::string_view code, double in,
                      double out, double price, double disc1, double disc2, double cash1, double cash2,
                      double* average, std::string_view source = "peb_mst");
// The goods row and the warehouse row UPSTOCK posts, named in a save (appends where they are missing).
xbase::Status NameStockPost(documents::SaveScope& save, frame::Session& session, std::string_view warehouse,
                            std::string_view code);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PURCHASING_H_
