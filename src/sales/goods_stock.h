// What a document line needs of its goods: the stock row of a warehouse and goods, and the goods'
// carton and pack sizes from the goods master.
#ifndef PALUNDA_SALES_GOODS_STOCK_H_
#define PALUNDA_SALES_GOODS_STOCK_H_

#include <string_view>

#include "frame/session.h"
#include "xbase/work_area.h"

namespace sales {

// The STOKBRG row of a warehouse and goods.
struct StockRow {
  bool found = false;
  double quantity = 0;
};

// What a line needs to know of its goods in the goods master.
struct Goods {
  bool found = false;
  double dos = 0;  // pieces per carton
  double pak = 0;  // pieces per pack
};

// Finds the stock row in the open `stokbrg` (its order kept); false with a message when it cannot look.
bool FindStock(frame::Session& session, std::string_view warehouse, std::string_view code, StockRow* row);

// Seeks the goods in `mastbrj`; the area stands on them when found (nullptr when it cannot look).
xbase::WorkArea* SeekGoods(frame::Session& session, std::string_view code, Goods* goods);

}  // namespace sales

#endif  // PALUNDA_SALES_GOODS_STOCK_H_
