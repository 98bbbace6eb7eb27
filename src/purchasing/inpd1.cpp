// INPD1 "Input D1 Cabang": the branch D1 order typed in, within the first days of the month.
#include "purchasing/plan_screens.h"
#include "purchasing/purchasing.h"

namespace purchasing {

xbase::Status INPD1(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!WithinDayLimit(session, 5, kD1DayAlert)) return xbase::Status::OK();
  return RunPlanEditor(session, PlanKind::kD1);
}

}  // namespace purchasing
