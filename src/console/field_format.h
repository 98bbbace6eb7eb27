// Pictures of GET fields and browse columns, and the text a value shows through one.
#ifndef PALUNDA_CONSOLE_FIELD_FORMAT_H_
#define PALUNDA_CONSOLE_FIELD_FORMAT_H_

#include <string>
#include <string_view>

#include "xbase/value.h"

namespace console {

// A picture such as "@!", "@S20", "@S35!K", "999,999.99" or "Y", split into its parts.
struct Picture {
  bool upper = false;         // "@!": letters upper-cased
  int scroll = 0;             // "@S<n>": shown n wide, scrolling
  bool clear_on_key = false;  // "@K": the first typed key replaces the preset text
  bool blank_zero = false;    // "@Z": zero shows blank
  bool left_justify = false;  // "@B": numbers shown left-aligned
  std::string mask;           // the template after the functions ("999.99", "!!!", "Y")
};

// Split a picture into its functions and template.
Picture ParsePicture(std::string_view picture);

// A value as a picture shows it (the TRANSFORM of screens and browses).
std::string FormatValue(const xbase::Value& value, std::string_view picture);

}  // namespace console

#endif  // PALUNDA_CONSOLE_FIELD_FORMAT_H_
