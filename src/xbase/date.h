// Date: a calendar day as a day number, with a distinct empty date.
#ifndef PALUNDA_XBASE_DATE_H_
#define PALUNDA_XBASE_DATE_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace xbase {

class Date {
 public:
  // The empty date.
  Date() = default;

  // The day y-m-d of the Gregorian calendar, or the empty date when there is no such day.
  static Date FromYmd(int year, int month, int day);
  // The date of a Julian day number; 0 gives the empty date.
  static Date FromJulian(int32_t julian) { return Date(julian); }
  // "YYYYMMDD" as DTOS writes it; blanks or anything invalid give the empty date.
  static Date FromDtos(std::string_view text);

  bool empty() const { return julian_ == 0; }
  int32_t julian() const { return julian_; }
  int year() const;
  int month() const;
  int day() const;
  // Day of the week: 1 Sunday ... 7 Saturday; 0 for the empty date.
  int dow() const;

  // "YYYYMMDD", or eight blanks for the empty date.
  std::string Dtos() const;

  // Days added or taken; the empty date stays empty.
  Date operator+(int days) const { return empty() ? Date() : Date(julian_ + days); }
  Date operator-(int days) const { return empty() ? Date() : Date(julian_ - days); }
  // Days between two dates.
  int operator-(Date other) const { return julian_ - other.julian_; }

  friend bool operator==(Date a, Date b) { return a.julian_ == b.julian_; }
  friend auto operator<=>(Date a, Date b) { return a.julian_ <=> b.julian_; }

  // True for a leap year of the Gregorian calendar.
  static bool IsLeapYear(int year);
  // Days in a month of a year (1..12).
  static int DaysInMonth(int year, int month);

 private:
  explicit Date(int32_t julian) : julian_(julian) {}
  void Split(int* year, int* month, int* day) const;

  int32_t julian_ = 0;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_DATE_H_
