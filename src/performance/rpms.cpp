// RPMS: a salesman's sales per customer over six single days.
#include "performance/rpms.h"

namespace performance {

xbase::Status RPMS(frame::Session& session, const std::vector<xbase::Value>&) { return CustomerRecapScreen(session, false); }

}  // namespace performance
