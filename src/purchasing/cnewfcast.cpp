// CNEWFCAST "Cetak Forcast Cabang": prints the branch forecast.
#include "purchasing/plan_screens.h"
#include "purchasing/purchasing.h"

namespace purchasing {

xbase::Status CNEWFCAST(frame::Session& session, const std::vector<xbase::Value>&) {
  return RunPlanPrint(session, PlanKind::kForecast);
}

}  // namespace purchasing
