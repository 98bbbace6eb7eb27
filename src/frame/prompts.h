// Questions the screens ask on the message row and answer with one key, and notices shown in an alert.
#ifndef PALUNDA_FRAME_PROMPTS_H_
#define PALUNDA_FRAME_PROMPTS_H_

#include <string>
#include <string_view>

#include "console/console.h"

namespace frame {

// The question before a save.
inline constexpr std::string_view kConfirmSave = "Yakin data akan disimpan (Y/T)";

// Shows `prompt` on row 24 (PESAN in `colour`) and gives the key pressed, upper-cased (0 for a key that is
// not a character).
char AnswerKey(console::Console& con, std::string_view prompt, std::string_view colour = "Gr+/r");

// True when `question` was answered with "Y" in either case.
bool AnsweredYes(console::Console& con, std::string_view question, std::string_view colour = "Gr+/r");

// `text` broken into alert lines (";" between them) of at most `width` characters, at blanks where it can.
std::string AlertLines(std::string_view text, size_t width);

}  // namespace frame

#endif  // PALUNDA_FRAME_PROMPTS_H_
