// Pictures of GET fields and browse columns, and the text a value shows through one.
#include "console/field_format.h"

#include <cctype>

#include "xbase/picture.h"

namespace console {

Picture ParsePicture(std::string_view picture) {
  Picture result;
  if (!picture.empty() && picture[0] == '@') {
    size_t i = 1;
    for (; i < picture.size() && picture[i] != ' '; ++i) {
      switch (std::toupper(static_cast<unsigned char>(picture[i]))) {
        case '!': result.upper = true; break;
        case 'K': result.clear_on_key = true; break;
        case 'Z': result.blank_zero = true; break;
        case 'B': result.left_justify = true; break;
        case 'S': {
          int width = 0;
          while (i + 1 < picture.size() && std::isdigit(static_cast<unsigned char>(picture[i + 1]))) {
            width = width * 10 + (picture[++i] - '0');
          }
          result.scroll = width;
          break;
        }
        default: break;
      }
    }
    picture.remove_prefix(std::min(picture.size(), i + 1));
  }
  result.mask = std::string(picture);
  return result;
}

std::string FormatValue(const xbase::Value& value, std::string_view picture) {
  return xbase::Transform(value, picture);
}

}  // namespace console
