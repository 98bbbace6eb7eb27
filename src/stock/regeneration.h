// The regeneration of stock quantities and moving average costs from every movement line.
#ifndef PALUNDA_STOCK_REGENERATION_H_
#define PALUNDA_STOCK_REGENERATION_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "xbase/session.h"
#include "xbase/status.h"

namespace stock {

// The tables the regeneration opens, each exclusively: no other workstation posts while it rewrites.
std::vector<frame::TableUse> RegenerationTables();

// The stock of an item in a warehouse as its movements give it.
struct ReplayedStock {
  std::string code;
  std::string warehouse;
  double quantity = 0;
  double average = 0;
};

// The regeneration's arithmetic without its writes: the stock of every item and warehouse with
// movements (filtered as Regenerate filters them), in code and warehouse order. The tables are open
// under their names, shared or not.
xbase::Status ReplayStock(xbase::Session& tables, std::string_view code, std::string_view warehouse,
                          std::vector<ReplayedStock>* out);

// Replays the movements of the items whose code begins with `code` in the warehouses beginning with
// `warehouse` (empty: all), in code, warehouse, date and id order. Per item and warehouse the quantity
// runs from 0 and the average moves with each receipt (from the first stored average until then);
// every line takes the running average, the STOKBRG row (appended when missing) the quantity and
// average, the goods master the average of the last warehouse. The goods master's quantity of each
// item touched becomes the sum of its warehouse rows. `progress` is told each item and warehouse.
xbase::Status Regenerate(xbase::Session& tables, std::string_view code, std::string_view warehouse,
                         const std::function<void(const std::string& code, const std::string& warehouse)>& progress = {});

}  // namespace stock

#endif  // PALUNDA_STOCK_REGENERATION_H_
