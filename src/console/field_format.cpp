#include "console/field_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>

#include "xbase/number_text.h"

namespace console {
namespace {

bool IsDigitSlot(char c) { return c == '9' || c == '#'; }

// A template of digit slots for a number of width and decimals, as STR would show it.
std::string MaskFor(const xbase::Number& n) {
  const int decimals = n.decimals < 0 ? 0 : n.decimals;
  const int width = n.width < 0 ? 10 : n.width;
  const int integer = std::max(1, width - (decimals > 0 ? decimals + 1 : 0));
  std::string mask(static_cast<size_t>(integer), '9');
  if (decimals > 0) mask += "." + std::string(static_cast<size_t>(decimals), '9');
  return mask;
}

// A text through a character template: "!" upper-cases its position, "9 # A N X L Y"
// take the character, anything else is a literal.
std::string FormatTextMask(const std::string& text, const std::string& mask) {
  std::string out;
  for (size_t i = 0; i < mask.size(); ++i) {
    const char slot = mask[i];
    const char c = i < text.size() ? text[i] : ' ';
    if (slot == '!') {
      out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    } else if (std::strchr("9#ANXLYanxly", slot) != nullptr) {
      out.push_back(c);
    } else {
      out.push_back(slot);
    }
  }
  return out;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

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

std::string FormatNumber(double value, std::string_view mask) {
  const size_t point = mask.find('.');
  int decimals = 0;
  if (point != std::string_view::npos) {
    for (size_t i = point + 1; i < mask.size(); ++i) decimals += IsDigitSlot(mask[i]) ? 1 : 0;
  }
  const std::string digits = xbase::Str(std::fabs(value), 40, decimals);
  const size_t first = digits.find_first_not_of(' ');
  const std::string number = digits.substr(first == std::string::npos ? digits.size() : first);
  const size_t dot = number.find('.');
  std::string integer = number.substr(0, dot);
  const std::string fraction = dot == std::string::npos ? "" : number.substr(dot + 1);
  const bool negative = value < 0 && number.find_first_not_of("0.") != std::string::npos;
  if (integer == "0" && fraction.find_first_not_of('0') != std::string::npos && point != std::string_view::npos) {
    // keep the leading zero only when there is room for it; a template like ".99" drops it
    bool room = false;
    for (size_t i = 0; i < point; ++i) room = room || IsDigitSlot(mask[i]);
    if (!room) integer.clear();
  }

  std::string out(mask);
  // Integer part, right to left.
  const size_t int_end = point == std::string_view::npos ? mask.size() : point;
  int next = static_cast<int>(integer.size()) - 1;
  int sign_slot = -1;
  for (int i = static_cast<int>(int_end) - 1; i >= 0; --i) {
    const char slot = mask[i];
    if (IsDigitSlot(slot)) {
      if (next >= 0) {
        out[i] = integer[next--];
      } else {
        out[i] = ' ';
        if (sign_slot < 0) sign_slot = i;
      }
    } else if (slot == ',') {
      out[i] = next >= 0 ? ',' : ' ';
    }
  }
  bool overflow = next >= 0 || (negative && sign_slot < 0);
  if (negative && !overflow) out[sign_slot] = '-';
  // Fraction, left to right.
  size_t f = 0;
  for (size_t i = int_end + 1; i < mask.size() && point != std::string_view::npos; ++i) {
    if (IsDigitSlot(mask[i])) out[i] = f < fraction.size() ? fraction[f++] : '0';
  }
  if (overflow) {
    for (size_t i = 0; i < out.size(); ++i) {
      if (IsDigitSlot(mask[i]) || mask[i] == ',') out[i] = '*';
    }
  }
  return out;
}

std::string FormatDate(xbase::Date date) {
  if (date.empty()) return "  -  -    ";
  char text[16];
  std::snprintf(text, sizeof text, "%02d-%02d-%04d", date.day() % 100, date.month() % 100, date.year() % 10000);
  return text;
}

std::string FormatValue(const xbase::Value& value, std::string_view picture) {
  const Picture pic = ParsePicture(picture);
  switch (value.type()) {
    case xbase::Value::Type::kText: {
      std::string text = pic.mask.empty() ? value.text() : FormatTextMask(value.text(), pic.mask);
      return pic.upper ? Upper(std::move(text)) : text;
    }
    case xbase::Value::Type::kNumber: {
      if (pic.blank_zero && value.number() == 0) {
        return std::string(pic.mask.empty() ? MaskFor(value.number_info()).size() : pic.mask.size(), ' ');
      }
      std::string text = FormatNumber(value.number(), pic.mask.empty() ? MaskFor(value.number_info()) : pic.mask);
      if (pic.left_justify) {
        const size_t first = text.find_first_not_of(' ');
        text = text.substr(first == std::string::npos ? text.size() : first) + std::string(first == std::string::npos ? text.size() : first, ' ');
      }
      return text;
    }
    case xbase::Value::Type::kDate:
      return FormatDate(value.date());
    case xbase::Value::Type::kLogical: {
      const bool yes_no = !pic.mask.empty() && (pic.mask[0] == 'Y' || pic.mask[0] == 'y');
      return value.logical() ? (yes_no ? "Y" : "T") : (yes_no ? "N" : "F");
    }
    default:
      return "NIL";
  }
}

}  // namespace console
