// Boxes: line frames, framed windows with a drop shadow, and dimmed regions.
#ifndef PALUNDA_CONSOLE_BOX_H_
#define PALUNDA_CONSOLE_BOX_H_

#include <string_view>

#include "console/console.h"

namespace console {

enum class Line { kSingle, kDouble };

// Draw a frame of code page line characters in a colour; the inside is left as it is.
void DrawFrame(Console& con, int top, int left, int bottom, int right, Line line, Attr attr);
// Give the column right of a box and the row below it the shadow colour (attribute 8),
// keeping their characters.
void DropShadow(Console& con, int top, int left, int bottom, int right);
// Show a region dimmed: every cell dark grey on black.
void Dim(Console& con, int top, int left, int bottom, int right);

// Framed window: clear the area in the colour, draw a raised (light top and left edges) or
// sunken frame, single or double, and a drop shadow unless no_shadow.
void ISHADOW(Console& con, int top, int left, int bottom, int right, std::string_view colour, bool raised = true,
             bool no_shadow = false, bool double_line = false);
// Clear the area in the colour, draw a single-line box in it and the drop shadow.
void SHADOW(Console& con, int top, int left, int bottom, int right, std::string_view colour);

}  // namespace console

#endif  // PALUNDA_CONSOLE_BOX_H_
