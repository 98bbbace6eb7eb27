// LAPLCCAB "Rekap Penjualan Item Licensi": the licence item sales of the branch, in a workbook.
#include "recaps/product_report.h"
#include "recaps/recap_screens.h"

namespace recaps {

// The licence totals close with a yellow "TOTAL" row.
xbase::Status LAPLCCAB(frame::Session& session, const Args&) {
  return RunProductReport(session, {"REKAP PENJUALAN ITEM LICENS", false, true, "REKAP PENJUALAN LICENSI",
                                    "REKAP PENJUALAN LICENSI CABANG : ", 6});
}

}  // namespace recaps
