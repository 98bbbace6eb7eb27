// R1THDATA "Rekap Data Penjualan 1 Tahun": posts the sales recaps of every month of a year.
#include "recaps/recap_posting.h"
#include "recaps/recap_screens.h"
#include "recaps/report_box.h"
#include "xbase/number_text.h"

namespace recaps {

xbase::Status R1THDATA(frame::Session& session, const Args&) {
  double year = session.Today().year();
  if (!AskInBox(session, {"REKAP DATA PENJUALAN 1 TAHUN"}, {{"  Tahun :", &year, "9999"}}) || year <= 0) {
    return xbase::Status::OK();
  }
  if (Confirmed(session, "Yakin Proses Rekap data 1 Tahun akan dijalankan (Y/T)")) {
    PostRecaps(session, xbase::StrZero(year, 4));
  }
  return xbase::Status::OK();
}

}  // namespace recaps
