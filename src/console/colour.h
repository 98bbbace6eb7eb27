// Colour strings ("W+/bg", "Gr+/r", "w+/n*", "6+/n", "/w", "W/n,Gr+/w,,Gr+/n") and the
// attribute byte that a screen cell carries.
#ifndef PALUNDA_CONSOLE_COLOUR_H_
#define PALUNDA_CONSOLE_COLOUR_H_

#include <cstdint>
#include <string_view>

namespace console {

// A cell's colour: bits 0-3 the foreground (0..15, 8..15 bright), bits 4-6 the background,
// bit 7 a bright (or blinking) background.
using Attr = uint8_t;

constexpr Attr MakeAttr(int foreground, int background) {
  return static_cast<Attr>((foreground & 0x0F) | ((background & 0x0F) << 4));
}
constexpr int Foreground(Attr attr) { return attr & 0x0F; }
constexpr int Background(Attr attr) { return (attr >> 4) & 0x0F; }

// Dark grey on black: the drop shadow and the dimmed parts of the menu.
constexpr Attr kShadowAttr = 8;
// White on black.
constexpr Attr kPlainAttr = 7;

// One colour pair "fg/bg" in any of the written forms; letters n b g bg r rb gr w (either
// case, also reversed like "gb"), numbers 0..15, "+" bright (on the background: bright
// background), "*" blinking background, "i" inverse, "u" underline, "x" black. A missing
// side is black.
Attr ParseColourPair(std::string_view pair);

// The five slots of a colour setting: standard, enhanced (GET fields, highlight), border,
// background and unselected.
struct ColourSet {
  Attr standard = MakeAttr(7, 0);
  Attr enhanced = MakeAttr(0, 7);
  Attr border = MakeAttr(0, 0);
  Attr background = MakeAttr(0, 0);
  Attr unselected = MakeAttr(0, 7);

  // The slot by number (0..4).
  Attr slot(int index) const;
  Attr& slot(int index);

  // This setting with the slots of a comma-separated colour string applied; empty or
  // missing slots keep their value.
  ColourSet With(std::string_view colour_text) const;
};

}  // namespace console

#endif  // PALUNDA_CONSOLE_COLOUR_H_
