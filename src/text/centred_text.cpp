// Placement of a text centred on the 80-column screen.
#include "text/centred_text.h"

namespace text {

int CentredColumn(std::string_view text) {
  const int length = static_cast<int>(text.size());
  // (80 - length) / 2 truncates exactly as 40 - length / 2 in decimals does.
  const int column = (80 - length) / 2;
  return column < 0 ? 0 : column;
}

}  // namespace text
