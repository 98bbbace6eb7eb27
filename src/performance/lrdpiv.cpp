// LRDPIV: the incentive basis per salesman with sales and returns in value.
#include "performance/lrdpi.h"

namespace performance {

xbase::Status LRDPIV(frame::Session& session, const std::vector<xbase::Value>&) { return IncentiveScreen(session, false); }

}  // namespace performance
