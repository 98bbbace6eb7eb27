// CursesTerminal: the screen and keyboard of a real terminal through ncursesw. Cells are
// shown as the Unicode forms of their code page bytes; bright foregrounds and backgrounds use
// the terminal's bright colours (bold on an eight-colour terminal, the plain background
// there); keys are decoded from the bytes the terminal sends (see keys.h for the fallbacks).
#ifndef PALUNDA_CONSOLE_CURSES_TERMINAL_H_
#define PALUNDA_CONSOLE_CURSES_TERMINAL_H_

#include <map>
#include <memory>
#include <string>

#include "console/terminal.h"
#include "xbase/status.h"

namespace console {

class CursesTerminal : public Terminal {
 public:
  // Take over the terminal on standard input and output; InvalidArgument, naming its size, when it
  // is smaller than 80 x 25.
  static xbase::Status Open(std::unique_ptr<CursesTerminal>* terminal);
  ~CursesTerminal() override;
  CursesTerminal(const CursesTerminal&) = delete;
  CursesTerminal& operator=(const CursesTerminal&) = delete;

  void Present(const CellGrid& cells, const Cursor& cursor) override;
  int ReadKey(int timeout_ms) override;
  void Tone(int hertz, int milliseconds) override;
  bool IsColour() const override { return colour_; }

 private:
  explicit CursesTerminal(void* screen);
  // The curses attribute (with colour pair) that shows a cell colour.
  unsigned long CursesAttr(Attr attr);
  // Waits up to timeout_ms for a byte and keeps it in pending_; false when none came.
  bool ReadByte(int timeout_ms);
  // Keeps every byte that is already waiting, without waiting for more.
  void ReadWaitingBytes();

  void* screen_;  // the curses SCREEN
  bool colour_ = false;
  int colours_ = 0;
  int next_pair_ = 1;
  std::map<int, int> pairs_;
  std::string pending_;  // bytes read but not yet decoded
  CellGrid shown_;
  bool full_repaint_ = true;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_CURSES_TERMINAL_H_
