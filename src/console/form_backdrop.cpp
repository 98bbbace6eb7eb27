// The backdrop of a form that covers the screen.
#include "console/form_backdrop.h"

namespace console {

void ClearBehindForm(Console& con) { con.Clear(0, 0, kRows - 1, kCols - 1, con.Colour("n/n")); }

}  // namespace console
