// Saving a plan document (a forecast, a D1 plan or an additional D1 order): a header and its lines,
// written all at once under the locks of both tables.
#ifndef PALUNDA_PURCHASING_PLAN_SAVE_H_
#define PALUNDA_PURCHASING_PLAN_SAVE_H_

#include <string>
#include <vector>

#include "documents/record_writes.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace purchasing {

// A plan document as it is stored: the header table and line table (open under their names, each on
// its number index first), the number, and the fields of the header and of each line besides NOMOR.
struct PlanDocument {
  std::string header_table;
  std::string line_table;
  std::string number;
  documents::FieldValues header;
  std::vector<documents::FieldValues> lines;
};

// The header of the number and its stored line rows (deleted ones too) are locked first, with both
// tables' append locks, each waited for with the retry line (Esc gives up, and nothing is written);
// then the header is overwritten or appended, the stored lines are overwritten by position (a deleted
// one recalled), surplus ones deleted and further ones appended. True when written; a failure is shown.
bool SavePlanDocument(frame::Session& session, const PlanDocument& document);

// The document of the forecast work table `plan` (open): a line for every row with an estimate of
// sales above 0 (rows marked deleted left out), the header from the first row and today.
PlanDocument ForecastDocument(frame::Session& session, xbase::WorkArea& plan, const std::string& branch,
                              const std::string& number, xbase::Status* status);
// The document of the D1 work table `plan` (open): a line for every row with an order above 0 (rows
// marked deleted left out), in cartons and pieces.
PlanDocument D1Document(frame::Session& session, xbase::WorkArea& plan, const std::string& branch,
                        const std::string& number, xbase::Status* status);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PLAN_SAVE_H_
