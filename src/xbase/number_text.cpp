#include "xbase/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace xbase {

namespace {

// Integer places a computed number shows by default.
int DefaultIntegerWidth(double value) { return value >= 1e10 || value <= -1e9 ? 20 : 10; }

}  // namespace

double Round(double value, int decimals) {
  if (value == 0.0 || !std::isfinite(value)) return value;
  const double power = std::pow(10.0, decimals);
  // Scale, then cut to 15 significant digits so that a value such as 1.005, held as
  // 1.00499999..., rounds the way its decimal digits read.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value * power);
  double scaled = std::strtod(buffer, nullptr);
  scaled = scaled < 0 ? -std::floor(-scaled + 0.5) : std::floor(scaled + 0.5);
  const double result = scaled / power;
  return result == 0.0 ? 0.0 : result;  // no negative zero
}

std::string Str(double value, int width, int decimals) {
  if (width <= 0) width = 10;
  if (decimals < 0) decimals = 0;
  const double rounded = Round(value, decimals);
  char buffer[512];
  const int n = std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, rounded == 0.0 ? 0.0 : rounded);
  if (n < 0 || n > width) return std::string(static_cast<size_t>(width), '*');
  return std::string(buffer, static_cast<size_t>(n));
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
