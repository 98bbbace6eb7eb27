// Values for the fields a document save writes, by type.
#ifndef PALUNDA_SALES_FIELD_VALUES_H_
#define PALUNDA_SALES_FIELD_VALUES_H_

#include <string>
#include <string_view>

#include "xbase/date.h"
#include "xbase/value.h"

namespace sales {

inline xbase::Value T(std::string_view text) { return xbase::Value::Text(std::string(text)); }
inline xbase::Value N(double number) { return xbase::Value::Num(number); }
inline xbase::Value D(xbase::Date date) { return xbase::Value::FromDate(date); }
inline xbase::Value L(bool flag) { return xbase::Value::Logical(flag); }

}  // namespace sales

#endif  // PALUNDA_SALES_FIELD_VALUES_H_
