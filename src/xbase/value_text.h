// ValueText: a value as the runtime shows it on its own, e.g. in a listing or a tool's output.
#ifndef PALUNDA_XBASE_VALUE_TEXT_H_
#define PALUNDA_XBASE_VALUE_TEXT_H_

#include <string>

#include "xbase/value.h"

namespace xbase {

// Text as it is (trailing blanks kept), a number as STR gives it by default, a date as DTOC,
// a logical as .T. or .F., nil as NIL.
std::string ValueText(const Value& value);

}  // namespace xbase

#endif  // PALUNDA_XBASE_VALUE_TEXT_H_
