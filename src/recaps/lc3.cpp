// LC3 "Rekap Penjualan by Product (L.C.3)": the product sales recap for one salesman.
#include "recaps/lc_report.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LC3(frame::Session& session, const Args&) { return RunLcReport(session, LcScope::kSalesman); }

}  // namespace recaps
