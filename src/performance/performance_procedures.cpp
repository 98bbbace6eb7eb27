#include "performance/performance.h"

namespace performance {

void RegisterPerformanceProcedures(frame::ProcedureRegistry&) {}

}  // namespace performance
