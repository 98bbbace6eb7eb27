// NEWFCAST "Input Forcast Cabang": the branch forecast typed in or corrected.
#include "purchasing/plan_screens.h"
#include "purchasing/purchasing.h"

namespace purchasing {

// Users with "EDP" in their rights may correct the forecast on any day.
xbase::Status NEWFCAST(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!session.MMEMBER.HasRight("EDP") && !WithinDayLimit(session, 15, kForecastEditDayAlert)) {
    return xbase::Status::OK();
  }
  return RunPlanEditor(session, PlanKind::kForecast);
}

}  // namespace purchasing
