// Number-to-text conversions of the runtime: ROUND, STR, STRZERO and VAL as the reference runtime computes them.
#include "xbase/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>

namespace xbase {

namespace {

// Integer places a computed number shows by default.
int DefaultIntegerWidth(double value) { return value >= 1e10 || value <= -1e9 ? 20 : 10; }

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,
                                   1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};

double PowerOfTen(int exponent) {
  if (exponent >= 0 && exponent <= 16) return kPowersOfTen[exponent];
  return std::pow(10.0, exponent);
}

// value * 10^decimals rounded half away from zero to an integer. A value within half a unit of
// the 15th significant digit of a half counts as that half, so that 1.005 (held as 1.00499999...)
// rounds the way its decimal digits read.
double RoundScaled(double value, int decimals) {
  const double scaled = decimals >= 0 ? value * PowerOfTen(decimals) : value / PowerOfTen(-decimals);
  const double magnitude = std::fabs(scaled);
  const double whole = std::floor(magnitude);
  const double fraction = magnitude - whole;
  double rounded = fraction >= 0.5 ? whole + 1 : whole;
  if (std::fabs(fraction - 0.5) < 1e-3 && magnitude >= 0.5 && magnitude < 1e15) {
    const double unit = PowerOfTen(static_cast<int>(std::floor(std::log10(magnitude))) - 14);
    if (std::fabs(fraction - 0.5) < unit / 2) rounded = whole + 1;
  }
  return scaled < 0 ? -rounded : rounded;
}

// The digits of `mantissa` / 10^decimals, with a point before the last `decimals` digits.
std::string FixedText(double mantissa, int decimals) {
  char buffer[48];
  char* end = buffer + sizeof buffer;
  char* p = end;
  uint64_t digits = static_cast<uint64_t>(std::fabs(mantissa));
  int written = 0;
  do {
    if (written == decimals && decimals > 0) *--p = '.';
    *--p = static_cast<char>('0' + digits % 10);
    digits /= 10;
    ++written;
  } while (digits != 0 || written <= decimals);
  if (mantissa < 0) *--p = '-';
  return std::string(p, static_cast<size_t>(end - p));
}

}  // namespace

double Round(double value, int decimals) {
  if (value == 0.0 || !std::isfinite(value)) return value;
  const double scaled = RoundScaled(value, decimals);
  const double result = decimals >= 0 ? scaled / PowerOfTen(decimals) : scaled * PowerOfTen(-decimals);
  return result == 0.0 ? 0.0 : result;  // no negative zero
}

std::string Str(double value, int width, int decimals) {
  if (width <= 0) width = 10;
  if (decimals < 0) decimals = 0;
  // The shortest number with decimals, "0.5", takes the decimals and two more places.
  if (decimals > 0 && decimals + 2 > width) return std::string(static_cast<size_t>(width), '*');
  // A number beyond what a double holds, or one that overflows when its decimals are scaled in,
  // does not fit any width.
  const double mantissa = std::isfinite(value) ? RoundScaled(value, decimals) : value;
  if (!std::isfinite(mantissa)) return std::string(static_cast<size_t>(width), '*');
  std::string text;
  if (decimals <= 16 && std::fabs(mantissa) < 1e15) {
    text = FixedText(mantissa == 0.0 ? 0.0 : mantissa, decimals);
  } else {
    const double rounded = Round(value, decimals) + 0.0;  // no negative zero
    const int n = std::snprintf(nullptr, 0, "%.*f", decimals, rounded);
    text.resize(n < 0 ? 0 : static_cast<size_t>(n));
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, rounded);
  }
  if (text.size() > static_cast<size_t>(width)) return std::string(static_cast<size_t>(width), '*');
  text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  return text;
}

std::string Str(const Number& number) {
  const Number format = DefaultFormat(number);
  return Str(format.value, format.width, format.decimals);
}

Number DefaultFormat(const Number& number) {
  if (number.width > 0) return Number{number.value, number.width, std::max(number.decimals, 0)};
  return ComputedNumber(number.value, std::max(number.decimals, 0));
}

std::string StrZero(double value, int width, int decimals) {
  std::string text = Str(value, width, decimals);
  if (text.empty() || text[0] == '*') return text;
  const size_t minus = text.find('-');
  for (char& c : text) {
    if (c != ' ' && c != '-') break;
    c = '0';
  }
  if (minus != std::string::npos) text[0] = '-';
  return text;
}

Number Val(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  const size_t start = pos;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
  int decimals = 0;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos, ++decimals;
  }
  const std::string digits(text.substr(start, pos - start));
  const double value = digits.empty() ? 0.0 : std::strtod(digits.c_str(), nullptr);
  return ComputedNumber(value == 0.0 ? 0.0 : value, decimals);
}

Number ComputedNumber(double value, int decimals) {
  const int width = DefaultIntegerWidth(value) + (decimals > 0 ? decimals + 1 : 0);
  return Number{value, width, decimals};
}

}  // namespace xbase
