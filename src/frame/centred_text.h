// Placement of a text centred on the 80-column screen.
#ifndef PALUNDA_FRAME_CENTRED_TEXT_H_
#define PALUNDA_FRAME_CENTRED_TEXT_H_

#include <string_view>

namespace frame {

// The column where a centred text starts: 40 - length / 2, the fraction dropped; never below 0.
int CentredColumn(std::string_view text);

}  // namespace frame

#endif  // PALUNDA_FRAME_CENTRED_TEXT_H_
