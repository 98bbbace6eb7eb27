#include "recaps/coverage_reports.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LAPKOMIT(frame::Session& session, const Args&) { return RunItemsBySalesman(session, true); }

}  // namespace recaps
