// The demonstration company of a new data folder, written subsystem by subsystem: each subsystem's
// demo rows live in a file of their own (demo_<subsystem>.cpp) with one Add...Demo function, called
// in order by AddDemoData.
#ifndef PALUNDA_SITE_DEMO_DATA_H_
#define PALUNDA_SITE_DEMO_DATA_H_

#include <span>
#include <string>
#include <string_view>

#include "frame/procedure_registry.h"
#include "site/data_folder.h"
#include "site/folder_writer.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace site {

// The demonstration user, with rights to the sales entries only.
inline constexpr const char* kDemoNik = "KASIR01";
inline constexpr const char* kDemoPassword = "kasir";
inline constexpr const char* kDemoName = "DEWI LESTARI";
inline constexpr const char* kDemoMenuGroup = "PENJUALAN";
// The warehouses of the demonstration company; the first is the home warehouse of both users.
inline constexpr const char* kDemoWarehouse = "GDG01";
inline constexpr const char* kSecondWarehouse = "GDG02";
// The supplier of the demonstration company's purchases, and the shipment document waiting in its import folder.
inline constexpr const char* kDemoSupplier = "LOGDC1";
inline constexpr const char* kDemoShipment = "PEB/2026/000101";

// What every subsystem's demo rows are written with.
struct DemoContext {
  FolderWriter& writer;
  const DataFolderOptions& options;
  const frame::ProcedureRegistry& registry;  // the entries the menus reach
  xbase::Date today;                         // the entry dates
  std::string branch;                        // the branch code padded to 6 characters
};

// One good of the demonstration company, with its stock in the two warehouses.
struct DemoGoods {
  const char* kode;
  const char* golongan;
  const char* nama;
  const char* satuan;
  double harga;  // price level 0; the other levels follow from it
  int pak;       // pieces per pack
  int dos;       // pieces per carton
  int stock_main;
  int stock_second;
};
// The goods group whose goods the branch's monthly forecast and D1 plan cover.
inline constexpr const char* kPlannedGroup = "WRITING";
// The goods of the demonstration company.
std::span<const DemoGoods> DemoGoodsList();
// The purchase cost of a good: three quarters of its price, to the nearest 50.
double DemoCost(const DemoGoods& goods);
// The pieces of `kode` the demo delivery notes take out of the main warehouse.
double DemoDelivered(std::string_view kode);
// The first day of the demo's sales history (delivery notes of the planned goods every month of last
// year and of this year up to last month), and the pieces of `kode` it delivered from the main warehouse.
xbase::Date DemoHistoryStart(xbase::Date today);
double DemoHistoryDelivered(xbase::Date today, std::string_view kode);

// The rows of each subsystem (the subsystem whose catalog file lists the table).
xbase::Status AddFrameDemo(const DemoContext& demo);    // the demo user and its menu
xbase::Status AddMastersDemo(const DemoContext& demo);  // branch, company, warehouses, staff, goods, customers
xbase::Status AddStockDemo(const DemoContext& demo);    // the stock of every good in both warehouses
xbase::Status AddSalesDemo(const DemoContext& demo);    // trade discounts, due-date rules and an order to deliver
// Settlement codes, bank accounts, unpaid invoices, a registered giro and the revision files.
xbase::Status AddReceivablesDemo(const DemoContext& demo);
// A return draft to send, a late-payment request and the empty return request files.
xbase::Status AddReturnsDemo(const DemoContext& demo);
// A shipment document of the logistics department in the import folder; the sales history, targets and
// document prefix of the monthly forecast and D1 plan, the D1 plan saved and an additional D1 order.
xbase::Status AddPurchasingDemo(const DemoContext& demo);
// The month's work tables of the forecast and the D1 plan, made once every demo row is written.
xbase::Status AddDemoPlans(const std::string& folder, const DataFolderOptions& options, xbase::Date today);
xbase::Status AddMemosDemo(const DemoContext& demo);    // delivery notes to put on memos, an approved admin memo
// A branch export set to take in (transfer/cabang) and a delivery-note revision waiting in the transfer folder.
xbase::Status AddExchangeDemo(const DemoContext& demo);
// The product line tree, target lists and carton targets, the supervisor's group, a focus list, the
// tour package and the PP/PA and daily-incentive settings.
xbase::Status AddPerformanceDemo(const DemoContext& demo);
xbase::Status AddRecapsDemo(const DemoContext& demo);   // item targets and two years of recap rows

// Writes the demonstration company for the branch of `options`; `registry` gives the entries of the demo
// user's menu, `today` the entry dates.
xbase::Status AddDemoData(FolderWriter& writer, const DataFolderOptions& options, const frame::ProcedureRegistry& registry,
                          xbase::Date today);

}  // namespace site

#endif  // PALUNDA_SITE_DEMO_DATA_H_
