// A long text broken into the lines of a printed form.
#include "text/word_wrap.h"

#include <algorithm>

namespace text {

std::vector<std::string> PENGGALANKATA(std::string_view text, int width, int narrowing) {
  std::vector<std::string> lines;
  size_t limit = static_cast<size_t>(std::max(width, 1));
  while (!text.empty()) {
    if (text.size() < limit) {
      lines.emplace_back(text);
      break;
    }
    size_t taken = limit;
    if (taken < text.size() && text[taken] == ' ') ++taken;
    if (taken < text.size()) {
      const size_t blank = text.substr(0, taken).rfind(' ');
      if (blank != std::string_view::npos) taken = blank + 1;
    }
    lines.emplace_back(text.substr(0, taken));
    text.remove_prefix(taken);
    limit = static_cast<size_t>(std::max(width - narrowing, 1));
  }
  return lines;
}

}  // namespace text
