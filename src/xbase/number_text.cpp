#include "xbase/number_text.h"

#include <cmath>
#include <cstdio>

namespace xbase {

double Round(double value, int decimals) {
  if (value == 0.0 || !std::isfinite(value)) return value;
  const double power = std::pow(10.0, decimals);
  // Scale, then cut to 15 significant digits so that a value such as 1.005, held as
  // 1.00499999..., rounds the way its decimal digits read.
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.15g", value * power);
  double scaled = std::strtod(buffer, nullptr);
  scaled = scaled < 0 ? -std::floor(-scaled + 0.5) : std::floor(scaled + 0.5);
  return scaled / power;
}

std::string Str(double value, int width, int decimals) {
  if (width <= 0) width = 10;
  if (decimals < 0) decimals = 0;
  const double rounded = Round(value, decimals);
  char buffer[512];
  int n = std::snprintf(buffer, sizeof buffer, "%*.*f", width, decimals, rounded == 0.0 ? 0.0 : rounded);
  if (n < 0 || n > width) return std::string(static_cast<size_t>(width), '*');
  return std::string(buffer, static_cast<size_t>(n));
}

}  // namespace xbase
