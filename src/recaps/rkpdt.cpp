// RKPDATA "Rekap Data Penjualan Bulanan": posts the sales recaps of one month.
#include "recaps/recap_posting.h"
#include "recaps/recap_screens.h"
#include "recaps/report_box.h"
#include "text/date_helpers.h"

namespace recaps {

xbase::Status RKPDATA(frame::Session& session, const Args&) {
  xbase::Date date = text::TGLAKHIR(session.Today());
  if (!AskInBox(session, {"REKAP DATA PENJUALAN"}, {{" Periode s/d :", &date}}) || date.empty()) {
    return xbase::Status::OK();
  }
  if (Confirmed(session, "Yakin proses rekap data bulanan akan dijalankan (Y/T)")) {
    PostRecaps(session, PeriodOf(date));
  }
  return xbase::Status::OK();
}

}  // namespace recaps
