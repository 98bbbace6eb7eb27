// The L.C. product recaps in cartons through the PATRON4 nodes: for a branch (L.C.1), the salesmen of a
// supervisor (L.C.2) or one salesman (L.C.3), with the branch's stock and turnover rate.
#ifndef PALUNDA_RECAPS_LC_REPORT_H_
#define PALUNDA_RECAPS_LC_REPORT_H_

#include "frame/session.h"
#include "xbase/status.h"

namespace recaps {

enum class LcScope { kBranch = 1, kSupervisor = 2, kSalesman = 3 };

// Runs the box of the report until Esc; each answer writes one workbook with the sheets "Rekap" (node
// rows) and "Detail" (node and item rows).
xbase::Status RunLcReport(frame::Session& session, LcScope scope);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_LC_REPORT_H_
