// The stored form of a user's password.
#include "xbase/password.h"

#include <cmath>

namespace xbase {

std::string TransformPassword(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(' ');
  const std::size_t n = first == std::string_view::npos ? 0 : typed.find_last_not_of(' ') - first + 1;
  // The count comes from the trimmed text, the characters from the text as typed.
  std::string out(n, '\0');
  for (std::size_t pos = 0; pos < n; ++pos) {
    const double i = static_cast<double>(pos + 1);
    const double a = static_cast<unsigned char>(typed[pos]);
    const double b = pos == 0 ? a : static_cast<unsigned char>(typed[pos - 1]);
    const double v = (a + b) * (2.0 + i) - (i / 3.0) * 1.5 + 2.0 / i;
    const auto code = static_cast<long long>(std::trunc(v));
    out[pos] = static_cast<char>(static_cast<unsigned char>(((code % 256) + 256) % 256));
  }
  return out;
}

}  // namespace xbase
