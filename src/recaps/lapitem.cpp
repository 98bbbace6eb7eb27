// LAPITEM "Rekap Penjualan Item": the item sales of the branch, in a workbook.
#include "recaps/product_report.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LAPITEM(frame::Session& session, const Args&) {
  return RunProductReport(session, {"    REKAP PENJUALAN ITEM   ", false, false, "REKAP PENJUALAN ITEM",
                                    "REKAP PENJUALAN CABANG : "});
}

}  // namespace recaps
