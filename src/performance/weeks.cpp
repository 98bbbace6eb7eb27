// The weeks of the weekly reports: week 1 starts at the period start, each next week on the
// following Sunday.
#include "performance/weeks.h"

#include "xbase/number_text.h"

namespace performance {

int Weeks::WeekOf(xbase::Date date) const {
  for (int week = 1; week < kWeeks; ++week) {
    if (date < starts[week]) return week;
  }
  return kWeeks;
}

Weeks WeekStarts(xbase::Date start) {
  Weeks weeks;
  weeks.starts[0] = start;
  for (int week = 1; week < kWeeks; ++week) {
    const xbase::Date previous = weeks.starts[week - 1];
    weeks.starts[week] = previous + (7 - previous.dow()) + 1;
  }
  return weeks;
}

std::string Day2(int day) { return xbase::Str(day, 2); }

}  // namespace performance
