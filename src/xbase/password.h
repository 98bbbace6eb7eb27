// The stored form of a user's password.
#ifndef PALUNDA_XBASE_PASSWORD_H_
#define PALUNDA_XBASE_PASSWORD_H_

#include <string>
#include <string_view>

namespace xbase {

// Transforms a typed password into the form kept in the users table: one byte for each
// character of the password counted without leading and trailing blanks; empty gives empty.
std::string TransformPassword(std::string_view typed);

}  // namespace xbase

#endif  // PALUNDA_XBASE_PASSWORD_H_
