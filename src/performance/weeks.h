// The weeks of the weekly reports: week 1 starts at the period start, each next week on the
// following Sunday.
#ifndef PALUNDA_PERFORMANCE_WEEKS_H_
#define PALUNDA_PERFORMANCE_WEEKS_H_

#include <array>
#include <string>

#include "xbase/date.h"

namespace performance {

inline constexpr int kWeeks = 5;

struct Weeks {
  std::array<xbase::Date, kWeeks> starts;  // M1 .. M5
  // The week (1 to 5) of a date of the period.
  int WeekOf(xbase::Date date) const;
  // The day of the month of week w's start (from 1), and of the day before the next week starts.
  int FirstDay(int week) const { return starts[week - 1].day(); }
  int LastDay(int week) const { return (starts[week] - 1).day(); }
};

// The week starts of a period that begins at `start`: t, then t + (7 - dow(t)) + 1 and so on.
Weeks WeekStarts(xbase::Date start);

// A day of the month as the week heads show it: two characters, right-aligned.
std::string Day2(int day);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_WEEKS_H_
