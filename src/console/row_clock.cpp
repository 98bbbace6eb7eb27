// The time of day ticking at the right end of row 0 while a screen waits for keys.
#include "console/row_clock.h"

#include <string>

namespace console {

void ShowTime(Console& con) {
  const std::string time = TimeText(con.clock().Now());
  con.Say(0, kCols - 1 - static_cast<int>(time.size()), time, con.Colour("w+/b"));
}

}  // namespace console
