// Console: the 80 x 25 screen that every routine draws on, with its colour setting, cursor
// and keyboard. It keeps the code page bytes of each cell and shows them through its
// Terminal whenever it waits for a key.
#ifndef PALUNDA_CONSOLE_CONSOLE_H_
#define PALUNDA_CONSOLE_CONSOLE_H_

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/clock.h"
#include "console/colour.h"
#include "console/terminal.h"

namespace console {

// A saved rectangle of the screen (SAVESCREEN).
struct Region {
  int top = 0, left = 0, bottom = -1, right = -1;
  std::vector<Cell> cells;
};

class Console {
 public:
  Console(Terminal& terminal, Clock& clock);
  Console(const Console&) = delete;
  Console& operator=(const Console&) = delete;

  Terminal& terminal() { return terminal_; }
  const Clock& clock() const { return clock_; }
  // True on a colour display; screens then use their colour strings, else the monochrome ones.
  bool is_colour() const { return terminal_.IsColour(); }
  // The colour string to use: colour on a colour display, else mono.
  std::string_view Pick(std::string_view colour, std::string_view mono) const {
    return is_colour() ? colour : mono;
  }

  // The cell at a position (inside the screen).
  const Cell& At(int row, int col) const { return cells_[row * kCols + col]; }
  // The bytes of a row from a column, len cells long.
  std::string Text(int row, int col, int len) const;
  // The whole grid as it stands.
  const CellGrid& cells() const { return cells_; }

  // Put one cell; positions outside the screen are ignored.
  void Put(int row, int col, uint8_t ch, Attr attr);
  // Write text at a position in a colour (@ SAY); the cursor ends after the text.
  void Say(int row, int col, std::string_view text, Attr attr);
  // Write text in the standard colour of the current setting.
  void Say(int row, int col, std::string_view text) { Say(row, col, text, colours_.standard); }
  // Fill a rectangle with a character in a colour.
  void Fill(int top, int left, int bottom, int right, uint8_t ch, Attr attr);
  // Blank a rectangle in a colour.
  void Clear(int top, int left, int bottom, int right, Attr attr) { Fill(top, left, bottom, right, ' ', attr); }
  // Blank the whole screen in the standard colour and home the cursor (CLS).
  void ClearScreen();
  // Give every cell of a rectangle a colour, keeping its character.
  void Recolour(int top, int left, int bottom, int right, Attr attr);

  // Save a rectangle.
  Region Save(int top, int left, int bottom, int right) const;
  // Save the whole screen.
  Region SaveScreen() const { return Save(0, 0, kRows - 1, kCols - 1); }
  // Put a saved rectangle back where it came from.
  void Restore(const Region& region);

  // The current colour setting.
  const ColourSet& colours() const { return colours_; }
  void set_colours(const ColourSet& colours) { colours_ = colours; }
  // Apply a colour string to the setting (SETCOLOR); returns the setting before.
  ColourSet SetColour(std::string_view colour_text);
  // The first slot of a colour string read over the current setting.
  Attr Colour(std::string_view colour_text) const { return colours_.With(colour_text).standard; }

  const Cursor& cursor() const { return cursor_; }
  void MoveCursor(int row, int col);
  // Show or hide the cursor; returns whether it was shown.
  bool ShowCursor(bool visible);

  // Show the screen and wait up to timeout_ms for a key (0: only look); key::kNone when none.
  int Inkey(int timeout_ms);
  // Show the screen and wait for a key, calling the idle routine once a second meanwhile; the
  // cursor stays where it was.
  int WaitKey();
  // Show the screen as it stands, without reading a key (progress of a long job).
  void Show() { terminal_.Present(cells_, cursor_); }
  // Queue keys to be read before the keyboard's (KEYBOARD).
  void PushKeys(const std::vector<int>& keys) { typeahead_.insert(typeahead_.end(), keys.begin(), keys.end()); }
  // The last key read.
  int last_key() const { return last_key_; }
  // The routine run once a second while waiting for a key (the menu's clock); empty for none.
  void set_idle(std::function<void(Console&)> idle) { idle_ = std::move(idle); }
  // Sound a tone.
  void Tone(int hertz, int milliseconds) { terminal_.Tone(hertz, milliseconds); }

 private:
  Terminal& terminal_;
  Clock& clock_;
  CellGrid cells_;
  ColourSet colours_;
  Cursor cursor_;
  int last_key_ = 0;
  std::deque<int> typeahead_;
  std::function<void(Console&)> idle_;
};

// Saves the whole screen, the colour setting and the cursor, and puts them back when it
// goes out of scope.
class ScreenKeeper {
 public:
  explicit ScreenKeeper(Console& console)
      : console_(console), region_(console.SaveScreen()), colours_(console.colours()), cursor_(console.cursor()) {}
  ~ScreenKeeper();
  ScreenKeeper(const ScreenKeeper&) = delete;
  ScreenKeeper& operator=(const ScreenKeeper&) = delete;

 private:
  Console& console_;
  Region region_;
  ColourSet colours_;
  Cursor cursor_;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_CONSOLE_H_
