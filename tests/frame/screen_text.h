// Looking for texts on the screens a scripted terminal showed.
#ifndef PALUNDA_TESTS_FRAME_SCREEN_TEXT_H_
#define PALUNDA_TESTS_FRAME_SCREEN_TEXT_H_

#include <string>

#include "console/scripted_terminal.h"

namespace frame {

// True when some row of some screen shown holds `text`.
inline bool Shown(const console::ScriptedTerminal& term, const std::string& text) {
  for (const auto& grid : term.screens()) {
    for (int row = 0; row < console::kRows; ++row) {
      if (console::ScriptedTerminal::Text(grid, row).find(text) != std::string::npos) return true;
    }
  }
  return false;
}

}  // namespace frame

#endif  // PALUNDA_TESTS_FRAME_SCREEN_TEXT_H_
