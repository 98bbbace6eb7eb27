// The control letters of a report line (its DETEK text): upper-case letters choose the dot-matrix
// printer's ESC/P codes around the line, lower-case letters its colour in the screen viewer.
//
//   letter  before the line                     after the line
//   N       DC2 (condensed off)                 -
//   C       SI (condensed on)                   DC2
//   S       ESC M (12 characters per inch)      ESC P (10 characters per inch)
//   L       SO (double width for the line)      DC4
//   B       ESC E (emphasised)                  ESC F
//   D       ESC G (double strike)               ESC H
//   M       ESC 4 (italic)                      ESC 5
//   G       ESC - 1 (underline)                 ESC - 0
//   H       ESC w 1 (double height)             ESC w 0
//
//   screen: r "r+/n", g "g+/n", b "b+/n", y "gr+/n", m "br+/n", o "bg+/n" (the first found in this
//   order), none "w/n".
#ifndef PALUNDA_FRAME_REPORT_CONTROLS_H_
#define PALUNDA_FRAME_REPORT_CONTROLS_H_

#include <string>
#include <string_view>

namespace frame {

inline constexpr char kCondensedOn = '\x0F';   // SI
inline constexpr char kCondensedOff = '\x12';  // DC2
inline constexpr char kFormFeed = '\x0C';

// The codes sent before a line: those of its letters, in the order N C S L B D M G H.
std::string OpeningCodes(std::string_view letters);
// The codes sent after a line: those of its letters, in the order C S L B D M G H.
std::string ClosingCodes(std::string_view letters);
// The viewer's colour of a line.
std::string_view LineColour(std::string_view letters);

}  // namespace frame

#endif  // PALUNDA_FRAME_REPORT_CONTROLS_H_
