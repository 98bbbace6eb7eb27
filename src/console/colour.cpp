// Colour strings ("W+/bg", "Gr+/r", "w+/n*", "6+/n", "/w", "W/n,Gr+/w,,Gr+/n") and the
// attribute byte that a screen cell carries.
#include "console/colour.h"

#include <cctype>
#include <string>

namespace console {
namespace {

struct Side {
  int colour = 0;
  bool bright = false;
  bool blink = false;
};

// The colour number of the letters of one side, order-insensitive ("gr" and "rg" alike).
int LetterColour(const std::string& letters) {
  const bool b = letters.find('b') != std::string::npos;
  const bool g = letters.find('g') != std::string::npos;
  const bool r = letters.find('r') != std::string::npos;
  if (letters.find('w') != std::string::npos) return 7;
  return (b ? 1 : 0) | (g ? 2 : 0) | (r ? 4 : 0);
}

Side ParseSide(std::string_view text) {
  Side side;
  std::string letters;
  int number = -1;
  for (char raw : text) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(raw)));
    if (c == '+') {
      side.bright = true;
    } else if (c == '*') {
      side.blink = true;
    } else if (c >= '0' && c <= '9') {
      number = (number < 0 ? 0 : number * 10) + (c - '0');
    } else if (c == 'u') {
      letters += 'b';  // underline shows as blue on a colour screen
    } else if (c == 'b' || c == 'g' || c == 'r' || c == 'w') {
      letters += c;
    }
  }
  side.colour = number >= 0 ? (number & 0x0F) : LetterColour(letters);
  if (side.colour >= 8) {
    side.bright = true;
    side.colour -= 8;
  }
  return side;
}

}  // namespace

Attr ParseColourPair(std::string_view pair) {
  const size_t slash = pair.find('/');
  const std::string_view fg_text = pair.substr(0, slash);
  const std::string_view bg_text = slash == std::string_view::npos ? std::string_view() : pair.substr(slash + 1);
  for (char c : pair) {
    if (c == 'i' || c == 'I') return MakeAttr(0, 7);
  }
  const Side fg = ParseSide(fg_text);
  const Side bg = ParseSide(bg_text);
  int attr = fg.colour | (fg.bright ? 8 : 0) | (bg.colour << 4);
  if (bg.bright || bg.blink || fg.blink) attr |= 0x80;
  return static_cast<Attr>(attr);
}

Attr ColourSet::slot(int index) const { return const_cast<ColourSet*>(this)->slot(index); }

Attr& ColourSet::slot(int index) {
  switch (index) {
    case 0: return standard;
    case 1: return enhanced;
    case 2: return border;
    case 3: return background;
    default: return unselected;
  }
}

ColourSet ColourSet::With(std::string_view colour_text) const {
  ColourSet result = *this;
  int index = 0;
  while (index < 5) {
    const size_t comma = colour_text.find(',');
    const std::string_view part = colour_text.substr(0, comma);
    bool blank = true;
    for (char c : part) blank = blank && c == ' ';
    if (!blank) result.slot(index) = ParseColourPair(part);
    if (comma == std::string_view::npos) break;
    colour_text.remove_prefix(comma + 1);
    ++index;
  }
  return result;
}

}  // namespace console
