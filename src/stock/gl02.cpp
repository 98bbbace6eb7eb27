// GL02: the take-out form; printing it takes the goods and materials out of stock.
#include "stock/gift_wrap_forms.h"
#include "stock/stock_screens.h"

namespace stock {

xbase::Status GL02(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, GiftWrapTables())) return xbase::Status::OK();
  RunFormEntry(session, false);
  return session.tables().CloseAll();
}

}  // namespace stock
