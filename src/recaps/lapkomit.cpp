// LAPKOMIT "Laporan Komitmen Sales": the commitment items sold per salesman, in a workbook.
#include "recaps/coverage_reports.h"
#include "recaps/recap_screens.h"

namespace recaps {

xbase::Status LAPKOMIT(frame::Session& session, const Args&) { return RunItemsBySalesman(session, true); }

}  // namespace recaps
