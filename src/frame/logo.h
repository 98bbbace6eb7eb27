// The background of the main menu: the program's name in block letters.
#ifndef PALUNDA_FRAME_LOGO_H_
#define PALUNDA_FRAME_LOGO_H_

#include <string_view>

#include "console/console.h"

namespace frame {

// Draws the seven-line block-letter banner on rows 11 to 17, only its non-blank cells, in "W/n".
void LOGONE(console::Console& con);
// Draws the banner when the menu group begins with "ADMIN".
void LOGO1(console::Console& con, std::string_view group);

}  // namespace frame

#endif  // PALUNDA_FRAME_LOGO_H_
