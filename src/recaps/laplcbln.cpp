// LAPLCBLN "Rekap Licensi per Bulan": the licence item sales, month by month, in a workbook.
#include "recaps/product_report.h"
#include "recaps/recap_screens.h"

namespace recaps {

// The "JUMLAH " row of each licence is filled in colour 35.
xbase::Status LAPLCBLN(frame::Session& session, const Args&) {
  return RunProductReport(session, {"REKAP PENJUALAN ITEM LICENS", true, true, "REKAP LICENS per BULAN",
                                    "REKAP LICENS per BULAN, CABANG : ", 0, 35});
}

}  // namespace recaps
