// LAPPPAVALUE "Omset by Group Produk": the turnover by product group, in a workbook.
#include "recaps/coverage_reports.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LAPPPAVALUE(frame::Session& session, const Args&) { return RunLineCoverage(session, true); }

}  // namespace recaps
