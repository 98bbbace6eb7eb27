// LAPLISITEM "PP/PA Item Licensi": the licence coverage per item, in a workbook.
#include "recaps/coverage_reports.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LAPLISITEM(frame::Session& session, const Args&) { return RunLicenceCoverage(session, true); }

}  // namespace recaps
