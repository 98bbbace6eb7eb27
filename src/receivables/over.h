// The customer lock: blocks a customer from further sales with the mark "OVER" and keeps the reason.
#ifndef PALUNDA_RECEIVABLES_OVER_H_
#define PALUNDA_RECEIVABLES_OVER_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// OVER: the screen "KUNCI RELASI", customer after customer until Esc or a blank code.
xbase::Status OVER(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_OVER_H_
