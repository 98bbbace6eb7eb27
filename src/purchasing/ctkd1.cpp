// CTKD1 "Cetak D1 Cabang": prints the branch D1 order.
#include "purchasing/plan_screens.h"
#include "purchasing/purchasing.h"

namespace purchasing {

xbase::Status CTKD1(frame::Session& session, const std::vector<xbase::Value>&) {
  return RunPlanPrint(session, PlanKind::kD1);
}

}  // namespace purchasing
