// Values for the fields a document writes, by type: T a text, N a number, D a date, L a logical.
#ifndef PALUNDA_DOCUMENTS_FIELD_VALUES_H_
#define PALUNDA_DOCUMENTS_FIELD_VALUES_H_

#include <string>
#include <string_view>

#include "xbase/date.h"
#include "xbase/value.h"

namespace documents {

inline xbase::Value T(std::string_view text) { return xbase::Value::Text(std::string(text)); }
inline xbase::Value N(double number) { return xbase::Value::Num(number); }
inline xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }
inline xbase::Value L(bool flag) { return xbase::Value::Logical(flag); }

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_FIELD_VALUES_H_
