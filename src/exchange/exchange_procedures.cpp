#include "exchange/exchange.h"

namespace exchange {

void RegisterExchangeProcedures(frame::ProcedureRegistry&) {}

}  // namespace exchange
