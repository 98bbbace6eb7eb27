// The time of day ticking at the right end of row 0 while a screen waits for keys.
#ifndef PALUNDA_CONSOLE_ROW_CLOCK_H_
#define PALUNDA_CONSOLE_ROW_CLOCK_H_

#include "console/console.h"

namespace console {

// Draws "hh:mm:ss" ending at column 78 of row 0 in "w+/b".
void ShowTime(Console& con);

// While it lives, the time is redrawn once a second whenever the console waits for a key.
class RowClock {
 public:
  explicit RowClock(Console& con) : con_(con) { con_.set_idle(ShowTime); }
  ~RowClock() { con_.set_idle(nullptr); }
  RowClock(const RowClock&) = delete;
  RowClock& operator=(const RowClock&) = delete;

 private:
  Console& con_;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_ROW_CLOCK_H_
