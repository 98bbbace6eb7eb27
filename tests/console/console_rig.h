// A console on a scripted terminal and a clock that stands at 31-01-2024 09:00:00.
#ifndef PALUNDA_TESTS_CONSOLE_CONSOLE_RIG_H_
#define PALUNDA_TESTS_CONSOLE_CONSOLE_RIG_H_

#include <vector>

#include "console/console.h"
#include "console/scripted_terminal.h"

namespace console {

struct ConsoleRig {
  explicit ConsoleRig(std::vector<int> keys = {}, bool colour = true)
      : clock({xbase::Date::FromYmd(2024, 1, 31), 9 * 3600}), term(std::move(keys), &clock, colour), con(term, clock) {}

  ManualClock clock;
  ScriptedTerminal term;
  Console con;
};

}  // namespace console

#endif  // PALUNDA_TESTS_CONSOLE_CONSOLE_RIG_H_
