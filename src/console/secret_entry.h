// One-line entries of secrets: the password (no echo) and the clear-text setting entry.
#ifndef PALUNDA_CONSOLE_SECRET_ENTRY_H_
#define PALUNDA_CONSOLE_SECRET_ENTRY_H_

#include <string>
#include <string_view>

#include "console/console.h"

namespace console {

// Show "-" and nine blanks at the position and read a text without echo: characters 32..126
// are added, Backspace takes the last one back, Enter ends, Esc empties the text and ends;
// the entry ends by itself after the tenth character.
std::string GETPASS(Console& con, int row, int col, std::string_view colour);
// The same, but the text typed so far is shown at the position after each key, and there
// is no limit to its length.
std::string ENTERPASWORD(Console& con, int row, int col, std::string_view colour);

}  // namespace console

#endif  // PALUNDA_CONSOLE_SECRET_ENTRY_H_
