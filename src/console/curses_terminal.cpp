// CursesTerminal: the screen and keyboard of a real terminal through ncursesw.
#define NCURSES_WIDECHAR 1
#define NCURSES_NOMACROS 1
#include "console/curses_terminal.h"

#include <clocale>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <langinfo.h>
#include <ncursesw/curses.h>
#include <unistd.h>

#include "xbase/cp437.h"
#include "console/key_decoder.h"
#include "console/keys.h"

namespace console {
namespace {

// How long the rest of an escape sequence may take to arrive.
constexpr int kSequenceWaitMs = 40;

// Curses colour numbers of the eight DOS colours (black, blue, green, cyan, red, magenta,
// brown, white).
constexpr short kCursesColour[8] = {COLOR_BLACK, COLOR_BLUE, COLOR_GREEN, COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

void UseUtf8Locale() {
  std::setlocale(LC_ALL, "");
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) std::setlocale(LC_CTYPE, "C.UTF-8");
}

// Send a terminfo string capability when the terminal has it.
void SendCapability(const char* name) {
  char* value = tigetstr(name);
  if (value != nullptr && value != reinterpret_cast<char*>(-1)) putp(value);
}

}  // namespace

xbase::Status CursesTerminal::Open(std::unique_ptr<CursesTerminal>* terminal) {
  if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) {
    return xbase::Status::IOError("terminal", "standard input and output must be a terminal");
  }
  UseUtf8Locale();
  SCREEN* screen = newterm(nullptr, stdout, stdin);
  if (screen == nullptr) return xbase::Status::IOError("terminal", "this terminal type is not known");
  // A smaller terminal would hide the message row and the right of the screens.
  if (COLS < kCols || LINES < kRows) {
    const std::string size = std::to_string(COLS) + " x " + std::to_string(LINES);
    endwin();
    delscreen(screen);
    return xbase::Status::InvalidArgument("terminal", "is " + size + "; it must be at least " + std::to_string(kCols) +
                                                          " x " + std::to_string(kRows));
  }
  terminal->reset(new CursesTerminal(screen));
  return xbase::Status();
}

CursesTerminal::CursesTerminal(void* screen) : screen_(screen) {
  raw();
  noecho();
  nonl();
  keypad(stdscr, FALSE);  // keys are decoded here, from the raw bytes
  meta(stdscr, TRUE);
  SendCapability("smkx");  // keypad keys send their own sequences
  colour_ = has_colors();
  if (colour_) {
    start_color();
    colours_ = COLORS;
  }
}

CursesTerminal::~CursesTerminal() {
  SendCapability("rmkx");
  endwin();
  delscreen(static_cast<SCREEN*>(screen_));
}

unsigned long CursesTerminal::CursesAttr(Attr attr) {
  const int fg = Foreground(attr);
  const bool bright_bg = (attr & 0x80) != 0;
  const int bg = Background(attr) & 7;
  unsigned long flags = 0;
  if (!colour_) {
    if (fg >= 8) flags |= A_BOLD;
    if (bg != 0) flags |= A_REVERSE;
    return flags;
  }
  const bool rich = colours_ >= 16;
  short cfg = kCursesColour[fg & 7];
  short cbg = kCursesColour[bg];
  if (fg >= 8) {
    if (rich) cfg = static_cast<short>(cfg + 8);
    else flags |= A_BOLD;
  }
  // The screens were drawn for a console where this bit gives a bright background; a terminal
  // with only eight colours shows the plain one.
  if (bright_bg && rich) cbg = static_cast<short>(cbg + 8);
  const int key = cfg * 16 + cbg;
  auto it = pairs_.find(key);
  if (it == pairs_.end()) {
    int pair = 0;
    if (next_pair_ < COLOR_PAIRS && init_pair(static_cast<short>(next_pair_), cfg, cbg) == OK) pair = next_pair_++;
    it = pairs_.emplace(key, pair).first;
  }
  return flags | static_cast<unsigned long>(COLOR_PAIR(it->second));
}

void CursesTerminal::Present(const CellGrid& cells, const Cursor& cursor) {
  const int rows = std::min(kRows, LINES);
  const int cols = std::min(kCols, COLS);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const Cell& cell = cells[r * kCols + c];
      if (!full_repaint_ && shown_[r * kCols + c] == cell) continue;
      wchar_t text[2] = {static_cast<wchar_t>(xbase::Cp437ToUnicode(cell.ch)), L'\0'};
      const unsigned long attr = CursesAttr(cell.attr);
      cchar_t cc;
      setcchar(&cc, text, static_cast<attr_t>(attr & ~A_COLOR), static_cast<short>(PAIR_NUMBER(attr)), nullptr);
      mvwadd_wch(stdscr, r, c, &cc);
    }
  }
  shown_ = cells;
  full_repaint_ = false;
  curs_set(cursor.visible ? 1 : 0);
  wmove(stdscr, std::min(cursor.row, rows - 1), std::min(cursor.col, cols - 1));
  wrefresh(stdscr);
}

bool CursesTerminal::ReadByte(int timeout_ms) {
  wtimeout(stdscr, timeout_ms);
  const int byte = wgetch(stdscr);
  if (byte == ERR) return false;
  if (byte > 0xFF) {  // a resize or another curses event: draw everything again
    full_repaint_ = true;
    return false;
  }
  pending_.push_back(static_cast<char>(byte));
  return true;
}

void CursesTerminal::ReadWaitingBytes() {
  while (ReadByte(0)) {
  }
}

int CursesTerminal::ReadKey(int timeout_ms) {
  // Bytes still pending are the rest of a burst whose first keys were read before: typed ahead.
  const bool after_keys = !pending_.empty();
  if (!after_keys && !ReadByte(timeout_ms)) return key::kNone;
  // Every byte already sent is taken before decoding, so that a key is told apart from the keys
  // typed ahead behind it (an Esc from an Alt combination).
  ReadWaitingBytes();
  for (;;) {
    DecodedKey decoded = DecodeKey(pending_, true, after_keys);
    if (decoded.need_more) {
      if (ReadByte(kSequenceWaitMs)) {
        ReadWaitingBytes();
        continue;
      }
      decoded = DecodeKey(pending_, false, after_keys);
    }
    pending_.erase(0, std::max<size_t>(decoded.length, 1));
    return decoded.key;
  }
}

void CursesTerminal::Tone(int /*hertz*/, int /*milliseconds*/) { beep(); }

}  // namespace console
