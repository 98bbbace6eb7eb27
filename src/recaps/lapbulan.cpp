// LAPBULAN "Rekap Penjualan Item per Bulan": the item sales of the branch, month by month, in a workbook.
#include "recaps/product_report.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LAPBULAN(frame::Session& session, const Args&) {
  return RunProductReport(session, {"    REKAP PENJUALAN ITEM   ", true, false, "REKAP PENJUALAN ITEM per BULAN",
                                    "REKAP PENJUALAN CABANG : "});
}

}  // namespace recaps
