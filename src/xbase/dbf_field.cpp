// DbfField: one field of a table's record layout, and the conversions between its stored bytes
// and values.
#include "xbase/dbf_field.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "xbase/number_text.h"

namespace xbase {

namespace {

std::string_view Trim(std::string_view bytes) {
  while (!bytes.empty() && bytes.front() == ' ') bytes.remove_prefix(1);
  while (!bytes.empty() && (bytes.back() == ' ' || bytes.back() == '\0')) bytes.remove_suffix(1);
  return bytes;
}

Status BadField(const DbfField& field, std::string_view why) {
  return Status::InvalidArgument("field " + field.name, why);
}

}  // namespace

Status CheckNewField(DbfField* field) {
  std::string& name = field->name;
  if (name.empty() || name.size() > 10) return BadField(*field, "name must have 1 to 10 characters");
  if (!std::isalpha(static_cast<unsigned char>(name[0]))) return BadField(*field, "name must start with a letter");
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return BadField(*field, "bad character in name");
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  switch (field->type) {
    case 'C':
      if (field->length < 1 || field->length > 65535) return BadField(*field, "width must be 1 to 65535");
      field->decimals = 0;
      return Status::OK();
    case 'N':
      if (field->length < 1 || field->length > 20) return BadField(*field, "width must be 1 to 20");
      if (field->decimals < 0 || (field->decimals > 0 && field->decimals > field->length - 2)) {
        return BadField(*field, "too many decimals for the width");
      }
      return Status::OK();
    case 'D': field->length = 8; break;
    case 'L': field->length = 1; break;
    case 'M': field->length = 10; break;
    default: return BadField(*field, std::string("unknown type '") + field->type + "'");
  }
  field->decimals = 0;
  return Status::OK();
}

double ParseNumber(std::string_view bytes) {
  bytes = Trim(bytes);
  if (!bytes.empty() && bytes.front() == '+') bytes.remove_prefix(1);
  double value = 0;
  const auto result = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
  return result.ec == std::errc() ? value : 0.0;
}

bool ParseMemoBlock(std::string_view bytes, uint32_t* block) {
  bytes = Trim(bytes);
  *block = 0;
  if (bytes.empty()) return true;
  const auto result = std::from_chars(bytes.data(), bytes.data() + bytes.size(), *block);
  return result.ec == std::errc() && result.ptr == bytes.data() + bytes.size();
}

void EncodeText(std::string_view text, char* dest, int length) {
  const size_t n = std::min(text.size(), static_cast<size_t>(length));
  std::memcpy(dest, text.data(), n);
  std::memset(dest + n, ' ', static_cast<size_t>(length) - n);
}

bool EncodeNumber(double value, char* dest, int length, int decimals) {
  const std::string text = Str(value, length, decimals);
  if (text.size() != static_cast<size_t>(length) || text.front() == '*') return false;
  std::memcpy(dest, text.data(), text.size());
  return true;
}

void EncodeDate(Date date, char* dest) { std::memcpy(dest, date.Dtos().data(), 8); }

void EncodeMemoBlock(uint32_t block, char* dest, int length) {
  if (block == 0) {
    std::memset(dest, ' ', static_cast<size_t>(length));
    return;
  }
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, block);
  const size_t n = static_cast<size_t>(result.ptr - digits);
  std::memset(dest, ' ', static_cast<size_t>(length) - n);
  std::memcpy(dest + length - n, digits, n);
}

}  // namespace xbase
