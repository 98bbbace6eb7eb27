// Boxes: line frames, framed windows with a drop shadow, and dimmed regions.
#include "console/box.h"

#include <string>

namespace console {
namespace {

// Corner and line bytes of code page 437: top-left, top-right, bottom-left, bottom-right,
// horizontal, vertical.
struct FrameChars {
  uint8_t tl, tr, bl, br, h, v;
};
constexpr FrameChars kSingle{0xDA, 0xBF, 0xC0, 0xD9, 0xC4, 0xB3};
constexpr FrameChars kDouble{0xC9, 0xBB, 0xC8, 0xBC, 0xCD, 0xBA};

// Draw a frame with the top and left edges in one colour and the bottom and right in another.
void DrawTwoToneFrame(Console& con, int top, int left, int bottom, int right, Line line, Attr light, Attr dark) {
  const FrameChars& f = line == Line::kDouble ? kDouble : kSingle;
  for (int c = left + 1; c < right; ++c) {
    con.Put(top, c, f.h, light);
    con.Put(bottom, c, f.h, dark);
  }
  for (int r = top + 1; r < bottom; ++r) {
    con.Put(r, left, f.v, light);
    con.Put(r, right, f.v, dark);
  }
  con.Put(top, left, f.tl, light);
  con.Put(top, right, f.tr, light);
  con.Put(bottom, left, f.bl, dark);
  con.Put(bottom, right, f.br, dark);
}

}  // namespace

void DrawFrame(Console& con, int top, int left, int bottom, int right, Line line, Attr attr) {
  DrawTwoToneFrame(con, top, left, bottom, right, line, attr, attr);
}

void DropShadow(Console& con, int top, int left, int bottom, int right) {
  con.Recolour(top + 1, right + 1, bottom + 1, right + 1, kShadowAttr);
  con.Recolour(bottom + 1, left + 1, bottom + 1, right + 1, kShadowAttr);
}

void Dim(Console& con, int top, int left, int bottom, int right) { con.Recolour(top, left, bottom, right, kShadowAttr); }

void ISHADOW(Console& con, int top, int left, int bottom, int right, std::string_view colour, bool raised,
             bool no_shadow, bool double_line) {
  const std::string_view first = colour.substr(0, colour.find(','));
  const size_t slash = first.rfind('/');
  const std::string background(slash == std::string_view::npos ? std::string_view() : first.substr(slash + 1));
  std::string light_spec;
  if (background.find('*') != std::string::npos) {
    light_spec = "w/" + background;
  } else if (background.find('+') == std::string::npos) {
    light_spec = background + "+/" + background;
  } else {
    light_spec = background + "/" + background;
  }
  const Attr light = con.Colour(light_spec);
  const Attr dark = con.Colour("n/" + background);
  con.Clear(top, left, bottom, right, con.Colour(colour));
  const Line line = double_line ? Line::kDouble : Line::kSingle;
  if (raised) {
    DrawTwoToneFrame(con, top, left, bottom, right, line, light, dark);
  } else {
    DrawTwoToneFrame(con, top, left, bottom, right, line, dark, light);
  }
  if (!no_shadow) DropShadow(con, top, left, bottom, right);
}

void SHADOW(Console& con, int top, int left, int bottom, int right, std::string_view colour) {
  const Attr attr = con.Colour(colour);
  con.Clear(top, left, bottom, right, attr);
  DrawFrame(con, top, left, bottom, right, Line::kSingle, attr);
  DropShadow(con, top, left, bottom, right);
}

}  // namespace console
