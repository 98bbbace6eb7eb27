// ValueText: a value as the runtime shows it on its own, e.g. in a listing or a tool's output.
#include "xbase/value_text.h"

#include "xbase/date_functions.h"
#include "xbase/number_text.h"

namespace xbase {

std::string ValueText(const Value& value) {
  switch (value.type()) {
    case Value::Type::kText: return value.text();
    case Value::Type::kNumber: return Str(value.number_info());
    case Value::Type::kDate: return Dtoc(value.date());
    case Value::Type::kLogical: return value.logical() ? ".T." : ".F.";
    case Value::Type::kNil: break;
  }
  return "NIL";
}

}  // namespace xbase
