// The DOS code page 437: the bytes that the screen holds, and their Unicode forms.
#ifndef PALUNDA_XBASE_CP437_H_
#define PALUNDA_XBASE_CP437_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace xbase {

// The Unicode code point that shows a code page byte (0 shows as a blank).
char32_t Cp437ToUnicode(uint8_t byte);
// The code page byte of a code point, or 0 when the code page has no such character.
uint8_t UnicodeToCp437(char32_t code_point);
// Code page bytes as UTF-8 text.
std::string Cp437ToUtf8(std::string_view bytes);
// UTF-8 text as code page bytes; characters the code page lacks become "?".
std::string Utf8ToCp437(std::string_view text);

}  // namespace xbase

#endif  // PALUNDA_XBASE_CP437_H_
