// The time of day that screens show and stamp, from a clock that tests can set.
#ifndef PALUNDA_CONSOLE_CLOCK_H_
#define PALUNDA_CONSOLE_CLOCK_H_

#include <string>

#include "xbase/date.h"

namespace console {

// A local date and time of day.
struct ClockReading {
  xbase::Date date;
  int seconds = 0;  // since midnight
};

// "hh:mm:ss" of a reading.
std::string TimeText(const ClockReading& reading);

class Clock {
 public:
  virtual ~Clock() = default;
  // The local date and time now.
  virtual ClockReading Now() const = 0;
};

// The machine's clock in local time.
class SystemClock : public Clock {
 public:
  ClockReading Now() const override;
};

// A clock that stands still until it is set or advanced.
class ManualClock : public Clock {
 public:
  explicit ManualClock(ClockReading start) : now_(start) {}
  ClockReading Now() const override { return now_; }
  // Set the reading.
  void Set(ClockReading reading) { now_ = reading; }
  // Move forward by seconds, into the next days when needed.
  void Advance(int seconds);

 private:
  ClockReading now_;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_CLOCK_H_
