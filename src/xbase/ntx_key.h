// Index keys of numbers, dates and logicals as NTX files store them, so that byte order is value order.
#ifndef PALUNDA_XBASE_NTX_KEY_H_
#define PALUNDA_XBASE_NTX_KEY_H_

#include <string>

#include "xbase/date.h"

namespace xbase {

// STR(value, size, decimals) with leading blanks as "0"; a negative value's digits d become 44 - d.
std::string NtxNumericKey(double value, int size, int decimals);
// "YYYYMMDD", eight blanks for the empty date.
std::string NtxDateKey(Date date);
// "T" or "F".
std::string NtxLogicalKey(bool flag);

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_KEY_H_
