// Terminal: where the screen is shown and keys come from. Screen code speaks to it only
// through Console; the curses terminal serves people, the scripted one serves tests.
#ifndef PALUNDA_CONSOLE_TERMINAL_H_
#define PALUNDA_CONSOLE_TERMINAL_H_

#include <array>
#include <cstdint>

#include "console/colour.h"

namespace console {

constexpr int kRows = 25;
constexpr int kCols = 80;

// One character cell: a code page byte and its colour.
struct Cell {
  uint8_t ch = ' ';
  Attr attr = kPlainAttr;
  friend bool operator==(const Cell&, const Cell&) = default;
};

using CellGrid = std::array<Cell, kRows * kCols>;

struct Cursor {
  int row = 0;
  int col = 0;
  bool visible = true;
};

class Terminal {
 public:
  virtual ~Terminal() = default;
  // Show the cells and the cursor.
  virtual void Present(const CellGrid& cells, const Cursor& cursor) = 0;
  // Wait up to timeout_ms (forever when negative) for a key; key::kNone when none came.
  virtual int ReadKey(int timeout_ms) = 0;
  // Sound a tone (a terminal without a speaker rings its bell).
  virtual void Tone(int hertz, int milliseconds) = 0;
  // True on a colour display.
  virtual bool IsColour() const = 0;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_TERMINAL_H_
