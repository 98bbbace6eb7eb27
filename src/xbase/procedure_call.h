// ProcedureCall: a menu entry's procedure text, such as `IJUAL()`, `lapbulan("A", 2)` or `INDEK`.
#ifndef PALUNDA_XBASE_PROCEDURE_CALL_H_
#define PALUNDA_XBASE_PROCEDURE_CALL_H_

#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"
#include "xbase/value.h"

namespace xbase {

struct ProcedureCall {
  std::string name;         // upper-cased
  std::vector<Value> args;  // the literal arguments: texts, numbers (a leading minus allowed), logicals
};

// Parses `text`: a name, optionally followed by literal arguments in parentheses. Anything else
// (an expression, a field, a missing parenthesis) gives a syntax error naming its position.
Status ParseProcedureCall(std::string_view text, ProcedureCall* call);

}  // namespace xbase

#endif  // PALUNDA_XBASE_PROCEDURE_CALL_H_
