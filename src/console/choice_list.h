// The choice list: a vertical list of texts in a window, one of them highlighted.
#ifndef PALUNDA_CONSOLE_CHOICE_LIST_H_
#define PALUNDA_CONSOLE_CHOICE_LIST_H_

#include <string>
#include <vector>

#include "console/console.h"

namespace console {

// Let the user pick one of the items shown in the window (ACHOICE): Up, Down, PgUp, PgDn,
// Home, End, Ctrl+PgUp and Ctrl+PgDn move, a typed letter goes to the next item that begins
// with it, Enter returns the item's number (1..n), Esc returns 0. Items show in the standard
// colour, the current one in the enhanced colour of the current setting.
int AChoice(Console& con, int top, int left, int bottom, int right, const std::vector<std::string>& items,
            int initial = 1);

}  // namespace console

#endif  // PALUNDA_CONSOLE_CHOICE_LIST_H_
