// TRANSFORM: a value shown through a picture such as "@Z 999,999.99", "@R 999-9999" or "@!".
#include "xbase/picture.h"

#include <cmath>
#include <cstdlib>

#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace xbase {

namespace {

struct Functions {
  bool blank_zero = false;    // @Z
  bool parentheses = false;   // @(
  bool european = false;      // @E
  bool insert = false;        // @R
  bool upper = false;         // @!
  int width = 0;              // @S<n>; 0 when not given
};

// Splits "@ZE 999.99" into its function letters and its template.
std::string_view ParseFunctions(std::string_view picture, Functions* f) {
  if (picture.empty() || picture[0] != '@') return picture;
  size_t pos = 1;
  while (pos < picture.size() && picture[pos] != ' ') {
    const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(picture[pos])));
    ++pos;
    switch (c) {
      case 'Z': f->blank_zero = true; break;
      case '(': f->parentheses = true; break;
      case 'E': f->european = true; break;
      case 'R': f->insert = true; break;
      case '!': f->upper = true; break;
      case 'S':
        while (pos < picture.size() && picture[pos] >= '0' && picture[pos] <= '9') {
          if (f->width < 1000000) f->width = f->width * 10 + (picture[pos] - '0');
          ++pos;
        }
        break;
      default: break;  // D and letters without effect here
    }
  }
  return pos < picture.size() ? picture.substr(pos + 1) : std::string_view();
}

bool IsNumberSlot(char c) { return c == '9' || c == '#' || c == '*' || c == '$'; }

bool IsTextSlot(char c) {
  switch (std::toupper(static_cast<unsigned char>(c))) {
    case '9': case '#': case 'A': case 'N': case 'X': case 'L': case 'Y': case '!': return true;
    default: return false;
  }
}

// The digits of `value` for `int_slots` integer and `dec_slots` decimal places, as STR gives them;
// all asterisks when it does not fit.
std::string SlotDigits(double value, int int_slots, int dec_slots) {
  const int width = int_slots + (dec_slots > 0 ? dec_slots + 1 : 0);
  if (int_slots > 0) return Str(value, width, dec_slots);
  // No integer places: only a zero integer part fits, and it is not shown.
  std::string digits = Str(value, width + 1, dec_slots);
  if (digits[0] != ' ' && digits[0] != '0') return std::string(static_cast<size_t>(width), '*');
  return digits.substr(1);
}

std::string FormatNumberTemplate(double value, std::string_view tmpl) {
  int int_slots = 0;
  int dec_slots = 0;
  bool point = false;
  for (const char c : tmpl) {
    if (IsNumberSlot(c)) {
      ++(point ? dec_slots : int_slots);
    } else if (c == '.') {
      point = true;
    }
  }
  const std::string digits = SlotDigits(value, int_slots, dec_slots);
  const bool overflow = !digits.empty() && digits[0] == '*';
  const std::string_view integer_digits = std::string_view(digits).substr(0, static_cast<size_t>(int_slots));
  const std::string_view decimal_digits = std::string_view(digits).substr(digits.size() - static_cast<size_t>(dec_slots));
  size_t next_integer = 0;
  size_t next_decimal = 0;
  bool after_point = false;
  std::string out;
  out.reserve(tmpl.size());
  for (const char c : tmpl) {
    if (IsNumberSlot(c)) {
      char digit = overflow ? '*' : after_point ? decimal_digits[next_decimal++] : integer_digits[next_integer++];
      if (digit == ' ' && (c == '*' || c == '$')) digit = c;
      out += digit;
    } else if (c == '.' && !after_point) {
      out += '.';
      after_point = true;
    } else if (c == ',' && !after_point) {
      const char before = out.empty() ? ' ' : out.back();
      if (overflow || (before >= '0' && before <= '9')) {
        out += overflow ? '*' : ',';
      } else if (before == '-') {
        out.back() = ' ';  // the sign moves next to the first digit
        out += '-';
      } else {
        out += before == '*' || before == '$' ? before : ' ';
      }
    } else {
      out += c;
    }
  }
  return out;
}

std::string FormatNumber(const Number& number, std::string_view tmpl, const Functions& f) {
  const bool negative_in_parentheses = f.parentheses && number.value < 0;
  const double shown = negative_in_parentheses ? -number.value : number.value;
  std::string out;
  if (tmpl.empty()) {
    out = Str(Number{shown, number.width, number.decimals});
  } else {
    out = FormatNumberTemplate(shown, tmpl);
  }
  if (f.blank_zero && number.value == 0.0) return std::string(out.size(), ' ');
  if (negative_in_parentheses) {
    if (!out.empty() && (out[0] == ' ' || out[0] == '*')) {
      out[0] = '(';
    } else {
      out.insert(out.begin(), '(');
    }
    out += ')';
  }
  if (f.european) {
    for (char& c : out) {
      if (c == '.') {
        c = ',';
      } else if (c == ',') {
        c = '.';
      }
    }
  }
  return out;
}

std::string FormatText(std::string_view text, std::string_view tmpl, const Functions& f) {
  std::string out;
  if (tmpl.empty()) {
    out.assign(text);
  } else {
    size_t next = 0;
    for (const char c : tmpl) {
      if (IsTextSlot(c)) {
        char ch = next < text.size() ? text[next] : ' ';
        ++next;
        if (c == '!' && ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        out += ch;
      } else {
        out += c;
        if (!f.insert) ++next;  // without @R the template's character takes the text's place
      }
    }
  }
  if (f.upper) UpperInPlace(out);
  return out;
}

std::string FormatLogical(bool flag, std::string_view tmpl) {
  const char first = tmpl.empty() ? 'L' : static_cast<char>(std::toupper(static_cast<unsigned char>(tmpl[0])));
  if (first == 'Y') return flag ? "Y" : "N";
  return flag ? "T" : "F";
}

}  // namespace

std::string Transform(const Value& value, std::string_view picture) {
  Functions f;
  const std::string_view tmpl = ParseFunctions(picture, &f);
  std::string out;
  switch (value.type()) {
    case Value::Type::kNil: break;
    case Value::Type::kText: out = FormatText(value.text(), tmpl, f); break;
    case Value::Type::kNumber: out = FormatNumber(value.number_info(), tmpl, f); break;
    case Value::Type::kDate: out = Dtoc(value.date()); break;
    case Value::Type::kLogical: out = FormatLogical(value.logical(), tmpl); break;
  }
  if (f.width > 0 && out.size() > static_cast<size_t>(f.width)) out.resize(static_cast<size_t>(f.width));
  return out;
}

}  // namespace xbase
