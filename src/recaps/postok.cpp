// POSTOK "Posting Stock Akhir": posts the closing stock up to the month asked.
#include "recaps/recap_posting.h"
#include "recaps/recap_screens.h"
#include "recaps/report_box.h"
#include "text/date_helpers.h"

namespace recaps {

xbase::Status POSTOK(frame::Session& session, const Args&) {
  xbase::Date date = text::TGLAKHIR(session.Today());
  if (AskInBox(session, {"POSTING STOCK AKHIR"}, {{" Periode s/d :", &date}}) && !date.empty()) {
    PostClosingStock(session, date);
  }
  return xbase::Status::OK();
}

}  // namespace recaps
