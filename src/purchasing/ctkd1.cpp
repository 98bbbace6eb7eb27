#include "purchasing/plan_screens.h"
#include "purchasing/purchasing.h"

namespace purchasing {

xbase::Status CTKD1(frame::Session& session, const std::vector<xbase::Value>&) {
  return RunPlanPrint(session, PlanKind::kD1);
}

}  // namespace purchasing
