// DSRD1 "Proses Dasar Input D1": builds the base of the branch D1 order, within the first days of the month.
#include "purchasing/plan_screens.h"
#include "purchasing/purchasing.h"

namespace purchasing {

xbase::Status DSRD1(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!WithinDayLimit(session, 5, kD1DayAlert)) return xbase::Status::OK();
  return RunPlanBase(session, PlanKind::kD1);
}

}  // namespace purchasing
