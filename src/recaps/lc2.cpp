// LC2 "Rekap Penjualan by Product (L.C.2)": the product sales recap for the salesmen of a supervisor.
#include "recaps/lc_report.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LC2(frame::Session& session, const Args&) { return RunLcReport(session, LcScope::kSupervisor); }

}  // namespace recaps
