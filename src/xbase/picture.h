// TRANSFORM: a value shown through a picture such as "@Z 999,999.99", "@R 999-9999" or "@!".
#ifndef PALUNDA_XBASE_PICTURE_H_
#define PALUNDA_XBASE_PICTURE_H_

#include <string>
#include <string_view>

#include "xbase/value.h"

namespace xbase {

// TRANSFORM(value, picture). The picture is an optional function part ("@" and letters: Z blank
// when zero, ( negative in parentheses, E European separators, R insert the template's other
// characters, ! upper case, S<n> at most n characters, D date) and a template: for numbers 9 # * $
// digits, "." the point and "," the thousands separator; for text 9 # A N X L Y take a character,
// ! takes it in upper case; for logicals Y gives Y/N. Without a template a number shows as STR
// does, a date as DTOC, a logical as T/F.
std::string Transform(const Value& value, std::string_view picture);

}  // namespace xbase

#endif  // PALUNDA_XBASE_PICTURE_H_
