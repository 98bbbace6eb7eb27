// The backdrop of a form that covers the screen.
#ifndef PALUNDA_CONSOLE_FORM_BACKDROP_H_
#define PALUNDA_CONSOLE_FORM_BACKDROP_H_

#include "console/console.h"

namespace console {

// Blanks the whole screen before a form that covers it, so that nothing of what was behind (the
// menu's bar, its boxes and side panel) shows around the form's box or through its shadow.
void ClearBehindForm(Console& con);

}  // namespace console

#endif  // PALUNDA_CONSOLE_FORM_BACKDROP_H_
