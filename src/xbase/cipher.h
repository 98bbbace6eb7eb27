// The string cipher of the connection settings, and the stored form of an enciphered setting.
#ifndef PALUNDA_XBASE_CIPHER_H_
#define PALUNDA_XBASE_CIPHER_H_

#include <string>
#include <string_view>

#include "xbase/status.h"

namespace xbase {

// The program's key text for the connection settings; only its first 8 bytes count.
inline constexpr std::string_view kConnectionKey = "mid-blanko";

// Enciphers `plain` byte by byte under `key`; the result has the same length.
std::string Encipher(std::string_view plain, std::string_view key);
// Deciphers what Encipher made under the same key.
std::string Decipher(std::string_view cipher, std::string_view key);

// Enciphers a setting and gives the text to store as its INI value: the raw cipher bytes, or
// "hex:" and the bytes in upper-case hexadecimal when the raw bytes would not survive an INI line
// (CR, LF or NUL inside, blanks at either end, or a leading "hex:").
std::string EncipherSetting(std::string_view plain, std::string_view key = kConnectionKey);
// Deciphers a stored INI value made by EncipherSetting or by the older writer (raw cipher bytes).
// A "hex:" value with bad digits is a corruption.
Status DecipherSetting(std::string_view stored, std::string* plain,
                       std::string_view key = kConnectionKey);

}  // namespace xbase

#endif  // PALUNDA_XBASE_CIPHER_H_
