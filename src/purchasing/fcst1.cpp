// FCST1 "Proses Dasar Input Forcast": builds the base of the branch forecast, within the first days of the month.
#include "purchasing/plan_screens.h"
#include "purchasing/purchasing.h"

namespace purchasing {

// The forecast's base run is refused after the day its alert names.
xbase::Status FCST1(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!WithinDayLimit(session, 5, kForecastBaseDayAlert)) return xbase::Status::OK();
  return RunPlanBase(session, PlanKind::kForecast);
}

}  // namespace purchasing
