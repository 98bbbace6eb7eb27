// The key-help line ("Esc) Selesai  F2) Tambah ...") and the one-letter choice prompt.
#ifndef PALUNDA_CONSOLE_KEY_HELP_H_
#define PALUNDA_CONSOLE_KEY_HELP_H_

#include <string>
#include <vector>

#include "console/console.h"

namespace console {

// Labels with their key texts and the two colours: labels in the first, keys in the second.
struct KeyHelp {
  std::vector<std::string> labels;
  std::vector<std::string> keys;
  std::string colour;
  std::string highlight;
};

// Write each label followed by its key text on a row, centred as a whole; returns the column
// after the line.
int DrawKeyHelp(Console& con, int row, const KeyHelp& help);

// Clear row 24, write the key help there, read one character one column after the line and
// return it upper-cased (a blank after Enter or Esc); the screen is put back.
char PILIHAN(Console& con, const KeyHelp& help);

}  // namespace console

#endif  // PALUNDA_CONSOLE_KEY_HELP_H_
