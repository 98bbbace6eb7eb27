// Number-to-text conversions of the runtime: ROUND and STR as the reference runtime computes them.
#ifndef PALUNDA_XBASE_NUMBER_TEXT_H_
#define PALUNDA_XBASE_NUMBER_TEXT_H_

#include <string>

namespace xbase {

// ROUND(value, decimals): half away from zero on the decimal digits the value shows.
double Round(double value, int decimals);

// STR(value, width, decimals): right-aligned in `width`, asterisks when it does not fit.
std::string Str(double value, int width = 10, int decimals = 0);

}  // namespace xbase

#endif  // PALUNDA_XBASE_NUMBER_TEXT_H_
