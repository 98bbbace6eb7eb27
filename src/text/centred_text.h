// Placement of a text centred on the 80-column screen.
#ifndef PALUNDA_TEXT_CENTRED_TEXT_H_
#define PALUNDA_TEXT_CENTRED_TEXT_H_

#include <string_view>

namespace text {

// The column where a centred text starts: 40 - length / 2, the fraction dropped; never below 0.
int CentredColumn(std::string_view text);

}  // namespace text

#endif  // PALUNDA_TEXT_CENTRED_TEXT_H_
