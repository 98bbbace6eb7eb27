// The time of day that screens show and stamp, from a clock that tests can set.
#include "console/clock.h"

#include <cstdio>
#include <ctime>

namespace console {

std::string TimeText(const ClockReading& reading) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", reading.seconds / 3600 % 100, reading.seconds / 60 % 60,
                reading.seconds % 60);
  return text;
}

ClockReading SystemClock::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {xbase::Date::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
          local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec};
}

void ManualClock::Advance(int seconds) {
  constexpr int kDay = 24 * 3600;
  const int total = now_.seconds + seconds;
  now_.date = now_.date + total / kDay;
  now_.seconds = total % kDay;
}

}  // namespace console
