// GL04: the results form; printing it puts the results into stock. A results document may be printed
// again: its mutation is rewritten by position, so the stock stays right.
#include "stock/gift_wrap_forms.h"
#include "stock/stock_screens.h"

namespace stock {

xbase::Status GL04(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, GiftWrapTables());
  if (!tables) return xbase::Status::OK();
  RunFormEntry(session, tables, true);
  return session.tables().CloseAll();
}

}  // namespace stock
