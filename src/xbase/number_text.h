// Number-to-text conversions of the runtime: ROUND, STR, STRZERO and VAL as the reference runtime computes them.
#ifndef PALUNDA_XBASE_NUMBER_TEXT_H_
#define PALUNDA_XBASE_NUMBER_TEXT_H_

#include <string>
#include <string_view>

#include "xbase/value.h"

namespace xbase {

// ROUND(value, decimals): half away from zero on the decimal digits the value shows; negative
// decimals round to tens, hundreds and so on.
double Round(double value, int decimals);

// STR(value, width, decimals): right-aligned in `width`, asterisks when it does not fit.
std::string Str(double value, int width = 10, int decimals = 0);

// STR(value) with the width and decimals the number carries (the computed default when unknown).
std::string Str(const Number& number);

// The number with the width and decimals STR gives it by default filled in.
Number DefaultFormat(const Number& number);

// STRZERO(value, width, decimals): STR with leading zeros; a minus sign goes in front of them.
std::string StrZero(double value, int width = 10, int decimals = 0);

// VAL(text): the number at the start of `text` after leading blanks; decimals as many as it shows.
Number Val(std::string_view text);

// A computed number: the runtime's default width (10 integer places, 20 for large values) and `decimals`.
Number ComputedNumber(double value, int decimals);

}  // namespace xbase

#endif  // PALUNDA_XBASE_NUMBER_TEXT_H_
