// A small program for the real-terminal test: draws a framed window in colour, then shows
// the code of every key until Esc and writes the codes to the file named by its argument.
#include <fstream>
#include <memory>
#include <string>

#include "console/box.h"
#include "console/console.h"
#include "console/curses_terminal.h"
#include "console/keys.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::unique_ptr<console::CursesTerminal> terminal;
  if (!console::CursesTerminal::Open(&terminal).ok()) return 1;
  console::SystemClock clock;
  console::Console con(*terminal, clock);
  con.ClearScreen();
  console::ISHADOW(con, 3, 10, 8, 50, "W+/b", true, false, true);
  con.Say(5, 12, "Palunda \xC4\xDB\xB0 caf\x82", con.Colour("Gr+/r"));
  con.Say(0, 0, "READY", con.Colour("W/n"));
  std::string codes;
  for (;;) {
    const int key = con.WaitKey();
    if (key == console::key::kEsc) break;
    codes += std::to_string(key) + " ";
    con.Say(1, 0, "KEYS " + codes, con.Colour("W/n"));
  }
  terminal.reset();
  std::ofstream(argv[1]) << codes;
  return 0;
}
