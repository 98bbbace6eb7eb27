// The string cipher of the connection settings, and the stored form of an enciphered setting.
#include "xbase/cipher.h"

#include <array>
#include <cstdint>

namespace xbase {
namespace {

constexpr std::string_view kHexPrefix = "hex:";
constexpr std::size_t kKeyBytes = 8;
constexpr std::size_t kKeyPositions = 7;

// The running state of the cipher: a 32-bit seed and the 16-bit value that masks each byte.
class CipherStream {
 public:
  explicit CipherStream(std::string_view key_text) {
    for (std::size_t i = 0; i < key_text.size() && i < kKeyBytes; ++i) {
      key_[i] = static_cast<uint8_t>(key_text[i]);
    }
    for (std::size_t i = 0; i < kKeyPositions; ++i) {
      seed_ = (((seed_ >> 16) + (seed_ << 16)) * 17) + KeyWord(i);
    }
    seed_ |= 1;
    mask_ = seed_ & 0xFFFF;
    seed_ = (seed_ << 16) + (seed_ >> 16);
  }

  uint8_t Encipher(uint8_t byte) {
    const unsigned r = mask_ & 7;
    const uint8_t rotated = static_cast<uint8_t>((byte >> r) | (byte << ((8 - r) & 7)));
    const uint8_t out = static_cast<uint8_t>(rotated + (mask_ & 0xFF));
    Advance();
    return out;
  }

  uint8_t Decipher(uint8_t byte) {
    const unsigned r = mask_ & 7;
    const uint8_t shifted = static_cast<uint8_t>(byte - (mask_ & 0xFF));
    const uint8_t out = static_cast<uint8_t>((shifted << r) | (shifted >> ((8 - r) & 7)));
    Advance();
    return out;
  }

 private:
  uint32_t KeyWord(std::size_t i) const { return key_[i] + 256u * key_[i + 1]; }

  // Steps the seed and derives the next mask from the key word of the byte just done.
  void Advance() {
    const uint32_t lo = seed_ & 0xFFFF;
    const uint32_t t1 = 0xDE6Du * lo;
    const uint32_t t2 = 0x278Du * lo + (t1 >> 16);
    const uint32_t t3 = 0xDE6Du * (seed_ >> 16);
    const uint32_t hi = (t3 + t2) & 0xFFFF;
    seed_ = (hi << 16) + (t1 & 0xFFFF);
    mask_ = ((hi | 1) + KeyWord(position_)) & 0xFFFF;
    position_ = (position_ + 1) % kKeyPositions;
  }

  std::array<uint8_t, kKeyBytes> key_{};
  uint32_t seed_ = 0;
  uint32_t mask_ = 0;
  std::size_t position_ = 0;
};

// Passes each byte of `in` through one direction of a fresh cipher stream.
template <uint8_t (CipherStream::*Step)(uint8_t)>
std::string RunCipher(std::string_view in, std::string_view key) {
  CipherStream stream(key);
  std::string out(in.size(), '\0');
  for (std::size_t i = 0; i < in.size(); ++i) {
    out[i] = static_cast<char>((stream.*Step)(static_cast<uint8_t>(in[i])));
  }
  return out;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// True when the raw cipher bytes would be cut, trimmed or misread as an INI value.
bool NeedsHexForm(std::string_view cipher) {
  if (cipher.starts_with(kHexPrefix)) return true;
  if (!cipher.empty() && (IsBlank(cipher.front()) || IsBlank(cipher.back()))) return true;
  return cipher.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string Encipher(std::string_view plain, std::string_view key) {
  return RunCipher<&CipherStream::Encipher>(plain, key);
}

std::string Decipher(std::string_view cipher, std::string_view key) {
  return RunCipher<&CipherStream::Decipher>(cipher, key);
}

std::string EncipherSetting(std::string_view plain, std::string_view key) {
  std::string cipher = Encipher(plain, key);
  if (!NeedsHexForm(cipher)) return cipher;
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string stored(kHexPrefix);
  for (const char c : cipher) {
    const auto byte = static_cast<uint8_t>(c);
    stored += kDigits[byte >> 4];
    stored += kDigits[byte & 0xF];
  }
  return stored;
}

Status DecipherSetting(std::string_view stored, std::string* plain, std::string_view key) {
  if (!stored.starts_with(kHexPrefix)) {
    *plain = Decipher(stored, key);
    return Status::OK();
  }
  const std::string_view digits = stored.substr(kHexPrefix.size());
  if (digits.size() % 2 != 0) {
    return Status::Corruption("enciphered setting", "odd number of hexadecimal digits");
  }
  std::string cipher;
  cipher.reserve(digits.size() / 2);
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const int high = HexDigit(digits[i]);
    const int low = HexDigit(digits[i + 1]);
    if (high < 0 || low < 0) {
      return Status::Corruption("enciphered setting", "bad hexadecimal digit");
    }
    cipher += static_cast<char>(high * 16 + low);
  }
  *plain = Decipher(cipher, key);
  return Status::OK();
}

}  // namespace xbase
