// The runtime's date functions under date format "dd-mm-yyyy", CENTURY on and EPOCH 2000.
#include "xbase/date_functions.h"

#include <ctime>

namespace xbase {

namespace {

constexpr int kEpoch = 2000;

}  // namespace

Date Ctod(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  int part = 0;
  for (size_t i = 0; i < text.size() && part < 3; ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      if (digits[part] == 4) return Date();
      parts[part] = parts[part] * 10 + (c - '0');
      ++digits[part];
    } else if (digits[part] > 0) {
      ++part;
    }
  }
  if (digits[0] == 0 || digits[1] == 0 || digits[2] == 0) return Date();
  int year = parts[2];
  if (digits[2] <= 2) year += kEpoch / 100 * 100 + (year < kEpoch % 100 ? 100 : 0);
  return Date::FromYmd(year, parts[1], parts[0]);
}

std::string Dtoc(Date date) {
  if (date.empty()) return "  -  -    ";
  const std::string s = date.Dtos();
  std::string out = "dd-mm-yyyy";
  out[0] = s[6];
  out[1] = s[7];
  out[3] = s[4];
  out[4] = s[5];
  out.replace(6, 4, s, 0, 4);
  return out;
}

Date Bom(Date date) {
  if (date.empty()) return date;
  return Date::FromYmd(date.year(), date.month(), 1);
}

Date Eom(Date date) {
  if (date.empty()) return date;
  const int year = date.year();
  const int month = date.month();
  return Date::FromYmd(year, month, Date::DaysInMonth(year, month));
}

Date SystemToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Date::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

}  // namespace xbase
