// The alert: a centred box with a message (";" breaks lines) and a row of choices.
#ifndef PALUNDA_CONSOLE_ALERT_H_
#define PALUNDA_CONSOLE_ALERT_H_

#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"

namespace console {

// Show the alert and return the number of the choice taken (1..n), 0 after Esc.
// Left and Right move between the choices, Enter takes the current one, the first letter
// of a choice takes it at once. The colour's first slot is the box, its second the current
// choice. The screen is put back afterwards.
int Alert(Console& con, std::string_view message, const std::vector<std::string>& choices = {"Ok"},
          std::string_view colour = "W+/R,W+/B");

}  // namespace console

#endif  // PALUNDA_CONSOLE_ALERT_H_
