// Date: a calendar day as a day number, with a distinct empty date.
#include "xbase/date.h"

namespace xbase {

bool Date::IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int Date::DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

Date Date::FromYmd(int year, int month, int day) {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return Date();
  // Julian day number of a Gregorian date (Fliegel and Van Flandern).
  const int a = (14 - month) / 12;
  const int y = year + 4800 - a;
  const int m = month + 12 * a - 3;
  return Date(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045);
}

Date Date::FromDtos(std::string_view text) {
  if (text.size() < 8) return Date();
  int parts[3] = {0, 0, 0};
  const int widths[3] = {4, 2, 2};
  size_t pos = 0;
  for (int p = 0; p < 3; ++p) {
    for (int i = 0; i < widths[p]; ++i, ++pos) {
      const char c = text[pos];
      if (c < '0' || c > '9') return Date();
      parts[p] = parts[p] * 10 + (c - '0');
    }
  }
  return FromYmd(parts[0], parts[1], parts[2]);
}

void Date::Split(int* year, int* month, int* day) const {
  const int a = julian_ + 32044;
  const int b = (4 * a + 3) / 146097;
  const int c = a - 146097 * b / 4;
  const int d = (4 * c + 3) / 1461;
  const int e = c - 1461 * d / 4;
  const int m = (5 * e + 2) / 153;
  *day = e - (153 * m + 2) / 5 + 1;
  *month = m + 3 - 12 * (m / 10);
  *year = 100 * b + d - 4800 + m / 10;
}

int Date::year() const {
  if (empty()) return 0;
  int y, m, d;
  Split(&y, &m, &d);
  return y;
}

int Date::month() const {
  if (empty()) return 0;
  int y, m, d;
  Split(&y, &m, &d);
  return m;
}

int Date::day() const {
  if (empty()) return 0;
  int y, m, d;
  Split(&y, &m, &d);
  return d;
}

int Date::dow() const { return empty() ? 0 : (julian_ + 1) % 7 + 1; }

std::string Date::Dtos() const {
  if (empty()) return std::string(8, ' ');
  int y, m, d;
  Split(&y, &m, &d);
  std::string out(8, '0');
  out[0] = static_cast<char>('0' + y / 1000 % 10);
  out[1] = static_cast<char>('0' + y / 100 % 10);
  out[2] = static_cast<char>('0' + y / 10 % 10);
  out[3] = static_cast<char>('0' + y % 10);
  out[4] = static_cast<char>('0' + m / 10);
  out[5] = static_cast<char>('0' + m % 10);
  out[6] = static_cast<char>('0' + d / 10);
  out[7] = static_cast<char>('0' + d % 10);
  return out;
}

}  // namespace xbase
