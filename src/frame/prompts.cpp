// Questions the screens ask on the message row and answer with one key, and notices shown in an alert.
#include "frame/prompts.h"

#include <cctype>

#include "console/message.h"

namespace frame {

char AnswerKey(console::Console& con, std::string_view prompt, std::string_view colour) {
  const int key = console::PESAN(con, prompt, colour);
  return key > 0 && key < 256 ? static_cast<char>(std::toupper(key)) : '\0';
}

bool AnsweredYes(console::Console& con, std::string_view question, std::string_view colour) {
  return AnswerKey(con, question, colour) == 'Y';
}

std::string AlertLines(std::string_view text, size_t width) {
  std::string lines;
  while (text.size() > width) {
    size_t cut = text.rfind(' ', width);
    if (cut == std::string_view::npos || cut == 0) cut = width;
    lines.append(text.substr(0, cut));
    lines += ';';
    text.remove_prefix(cut);
    if (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  }
  lines.append(text);
  return lines;
}

}  // namespace frame
