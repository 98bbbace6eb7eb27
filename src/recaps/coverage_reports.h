// Runners that two entry procedures of the customer and salesman recaps share.
#ifndef PALUNDA_RECAPS_COVERAGE_REPORTS_H_
#define PALUNDA_RECAPS_COVERAGE_REPORTS_H_

#include "frame/session.h"
#include "xbase/status.h"

namespace recaps {

// PP/PA by licence: a column per licence (LAPLIS), or per licensed item (LAPLISITEM).
xbase::Status RunLicenceCoverage(frame::Session& session, bool by_item);
// Per customer and coverage line: lines bought (LAPPPAITEM) or the turnover (LAPPPAVALUE).
xbase::Status RunLineCoverage(frame::Session& session, bool values);
// Items by salesman: the items of the lines typed (LAPSALES1) or the commitment items (LAPKOMIT).
xbase::Status RunItemsBySalesman(frame::Session& session, bool commitment);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_COVERAGE_REPORTS_H_
