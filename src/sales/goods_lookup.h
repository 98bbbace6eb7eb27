// The lookups every goods line of a sales document makes: the stock row of a warehouse and goods,
// and the goods master's sizes.
#ifndef PALUNDA_SALES_GOODS_LOOKUP_H_
#define PALUNDA_SALES_GOODS_LOOKUP_H_

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

// Finds the stock row of `warehouse` and `code` in the open `stokbrg` (its order given back); false
// after a message when the table cannot be read.
bool FindStock(frame::Session& session, std::string_view warehouse, std::string_view code, StockRow* row);

// Seeks the goods in the open `mastbrj`; the area stands on them when found, null when it cannot
// be read.
xbase::WorkArea* SeekGoods(frame::Session& session, std::string_view code, Goods* goods);

}  // namespace sales

#endif  // PALUNDA_SALES_GOODS_LOOKUP_H_
