// GL02: the take-out form; printing it takes the goods and materials out of stock.
#include "stock/gift_wrap_forms.h"
#include "stock/stock_screens.h"

namespace stock {

xbase::Status GL02(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, GiftWrapTables());
  if (!tables) return xbase::Status::OK();
  RunFormEntry(session, tables, false);
  return session.tables().CloseAll();
}

}  // namespace stock
