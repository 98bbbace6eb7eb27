// The message row (row 24), centred texts, values at a position and the tones.
#ifndef PALUNDA_CONSOLE_MESSAGE_H_
#define PALUNDA_CONSOLE_MESSAGE_H_

#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "xbase/value.h"

namespace console {

// The row of messages.
constexpr int kMessageRow = 24;

// The column where a centred text starts: 40 - length / 2, the fraction dropped.
int CentreColumn(std::string_view text);

// The text broken at blanks into lines of at most `width` columns; a word longer than a line is cut
// into pieces of the line's width. Nothing of the text is dropped but the blanks at the breaks.
std::vector<std::string> WrapText(std::string_view text, size_t width);

// A box centred on the screen with the title (when given) and the lines, each wrapped to the box
// (at most 74 columns inside); waits for a key, puts the screen back and returns the key pressed.
int MessageBox(Console& con, std::string_view title, const std::vector<std::string>& lines,
               std::string_view colour = "Gr+/r");

// `text` cut to `width` columns, "..." in place of what is left out: the leading folders of a path in
// it (the file's name and the rest of the text stay), else its middle, so that neither what happened
// at its start nor the fault at its end is lost.
std::string FitMessage(std::string_view text, size_t width);

// Show the trimmed text centred on row 24 in the colour (when show), wait for a key and put row 24, the
// cursor and the colour back; a text longer than the row is shown whole in a box (MessageBox) instead.
// Returns the key pressed.
int PESAN(Console& con, std::string_view text = "", std::string_view colour = "Gr+/r", bool show = true);
// Clear row 24 in the colour and write the text (fitted to the row) centred; does not wait.
void WARNING(Console& con, std::string_view text, std::string_view colour);
// Write the text centred on a row.
bool TENGAH(Console& con, int row, std::string_view text, std::string_view colour = "W");
// The same as TENGAH.
inline bool CENTER(Console& con, int row, std::string_view text, std::string_view colour) {
  return TENGAH(con, row, text, colour);
}
// Write the text as a new console line: on the row below the cursor (the screen scrolls up a
// row when the cursor is on the last one), centred in `width` columns, in the standard colour;
// the cursor ends at the start of that line, so the next line goes below it.
void JUDUL(Console& con, int width, std::string_view text);
// Write a value at a position in a colour (empty: the current standard colour), formatted
// with the picture when one is given.
void CETAK(Console& con, int row, int col, const xbase::Value& value, std::string_view colour = {},
           std::string_view picture = {});
// Three tones: 850, 1050 and 1150 Hz, one clock tick each.
void BUNYI(Console& con);

}  // namespace console

#endif  // PALUNDA_CONSOLE_MESSAGE_H_
