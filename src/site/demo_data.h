// The demonstration company of a new data folder: warehouses, goods with prices and stock, customers,
// salesmen, sale types and a second user, enough to log in and enter a sales order.
#ifndef PALUNDA_SITE_DEMO_DATA_H_
#define PALUNDA_SITE_DEMO_DATA_H_

#include "site/data_folder.h"
#include "site/folder_writer.h"
#include "frame/procedure_registry.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace site {

// The demonstration user, with rights to the sales entries only.
inline constexpr const char* kDemoNik = "KASIR01";
inline constexpr const char* kDemoPassword = "kasir";
inline constexpr const char* kDemoMenuGroup = "PENJUALAN";
// The main warehouse of the demonstration company, home warehouse of both users.
inline constexpr const char* kDemoWarehouse = "GDG01";

// Writes the demonstration company for the branch of `options`; `registry` gives the entries of the demo
// user's menu, `today` the entry dates.
xbase::Status AddDemoData(FolderWriter& writer, const DataFolderOptions& options, const frame::ProcedureRegistry& registry,
                          xbase::Date today);

}  // namespace site

#endif  // PALUNDA_SITE_DEMO_DATA_H_
