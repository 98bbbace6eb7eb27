// Date helpers of the screens: month bounds, year bounds, Indonesian month and day names.
#include "text/date_helpers.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace text {
namespace {

using xbase::Date;

constexpr std::array<std::string_view, 12> kMonthNames = {
    "JANUARI", "FEBRUARI", "MARET",     "APRIL",   "MEI",      "JUNI",
    "JULI",    "AGUSTUS",  "SEPTEMBER", "OKTOBER", "NOVEMBER", "DESEMBER"};

// By day of the week from Sunday.
constexpr std::array<std::string_view, 7> kDayNames = {"Minggu", "Senin", "Selasa", "Rabu",
                                                        "Kamis",  "Jum'at", "Sabtu"};

// The five-day market week, counted from 1 January 1900.
constexpr std::array<std::string_view, 5> kMarketDays = {"Paing", "Pon", "Wage", "Kliwon", "Legi"};

std::string YearMonth(int year, int month) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d", year, month);
  return buffer;
}

}  // namespace

std::string CBULAN_(Date date) {
  if (date.empty()) return {};
  return std::string(kMonthNames[date.month() - 1]);
}

std::string CAKHIRBULAN_(Date date) {
  if (date.empty()) return "  ";
  return std::to_string(Date::DaysInMonth(date.year(), date.month()));
}

Date TGLAWAL(Date date) {
  if (date.empty()) return date;
  return Date::FromYmd(date.year(), date.month(), 1);
}

Date TGLAKHIR(Date date) {
  if (date.empty()) return date;
  return Date::FromYmd(date.year(), date.month(), Date::DaysInMonth(date.year(), date.month()));
}

std::string CTGLAKHIR(Date date) {
  if (date.empty()) return {};
  return CAKHIRBULAN_(date) + " " + CBULAN_(date) + " " + std::to_string(date.year());
}

std::string DIRBULANLALU(Date date) {
  if (date.empty()) return {};
  const Date previous = TGLAWAL(date) - 1;
  return YearMonth(previous.year(), previous.month());
}

std::string DIRTAHUNLALU(Date date) {
  if (date.empty()) return {};
  return YearMonth(date.year() - 1, date.month());
}

Date AWALTAHUN(int year) { return Date::FromYmd(year, 1, 1); }

Date AKHIRTAHUN(int year) { return Date::FromYmd(year, 12, 31); }

std::string HARINYA(Date date) {
  if (date.empty()) return std::string(6, ' ');
  std::string name(kDayNames[date.dow() - 1]);
  name.resize(6, ' ');
  return name;
}

std::string CHARI_(Date today) {
  if (today.empty()) return {};
  const int days = today - Date::FromYmd(1900, 1, 1);
  const int market = ((days % 5) + 5) % 5;
  return std::string(kDayNames[today.dow() - 1]) + " " + std::string(kMarketDays[market]);
}

}  // namespace text
