// Index keys of numbers, dates and logicals as NTX files store them, so that byte order is value order.
#include "xbase/ntx_key.h"

#include "xbase/number_text.h"

namespace xbase {

std::string NtxNumericKey(double value, int size, int decimals) {
  std::string key = Str(value, size, decimals);
  bool negative = false;
  for (char& c : key) {
    if (c == ' ') {
      c = '0';
    } else if (c == '-') {
      c = '0';
      negative = true;
    }
  }
  if (negative) {
    for (char& c : key) {
      if (c >= '0' && c <= '9') c = static_cast<char>(44 - (c - '0'));
    }
  }
  return key;
}

std::string NtxDateKey(Date date) { return date.Dtos(); }

std::string NtxLogicalKey(bool flag) { return flag ? "T" : "F"; }

}  // namespace xbase
