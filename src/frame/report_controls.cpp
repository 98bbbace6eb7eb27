// The control letters of a report line (its DETEK text): ESC/P codes for the dot-matrix printer, colours in the viewer.
#include "frame/report_controls.h"

namespace frame {
namespace {

struct PrinterCodes {
  char letter;
  std::string_view before;
  std::string_view after;
};

// In the order the codes are sent.
constexpr PrinterCodes kCodes[] = {
    {'N', "\x12", ""},          {'C', "\x0F", "\x12"},       {'S', "\x1BM", "\x1BP"},
    {'L', "\x0E", "\x14"},      {'B', "\x1B" "E", "\x1B" "F"}, {'D', "\x1BG", "\x1BH"},
    {'M', "\x1B" "4", "\x1B" "5"}, {'G', "\x1B-1", "\x1B-0"}, {'H', "\x1Bw1", "\x1Bw0"},
};

struct ScreenColour {
  char letter;
  std::string_view colour;
};

constexpr ScreenColour kColours[] = {{'r', "r+/n"},  {'g', "g+/n"},  {'b', "b+/n"},
                                     {'y', "gr+/n"}, {'m', "br+/n"}, {'o', "bg+/n"}};

}  // namespace

std::string OpeningCodes(std::string_view letters) {
  std::string codes;
  for (const PrinterCodes& code : kCodes) {
    if (letters.find(code.letter) != std::string_view::npos) codes += code.before;
  }
  return codes;
}

std::string ClosingCodes(std::string_view letters) {
  std::string codes;
  for (const PrinterCodes& code : kCodes) {
    if (letters.find(code.letter) != std::string_view::npos) codes += code.after;
  }
  return codes;
}

std::string_view LineColour(std::string_view letters) {
  for (const ScreenColour& colour : kColours) {
    if (letters.find(colour.letter) != std::string_view::npos) return colour.colour;
  }
  return "w/n";
}

}  // namespace frame
