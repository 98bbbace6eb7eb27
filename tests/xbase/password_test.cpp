// The stored form of a password.
#include "xbase/password.h"

#include <gtest/gtest.h>

#include <string>

namespace xbase {
namespace {

std::string Bytes(std::initializer_list<unsigned char> codes) {
  return std::string(codes.begin(), codes.end());
}

TEST(PasswordTest, TransformsEachCharacterWithItsNeighbour) {
  EXPECT_EQ(TransformPassword("abc"), Bytes({0x47, 0x0C, 0xD8}));
  EXPECT_EQ(TransformPassword(""), "");
  EXPECT_EQ(TransformPassword("   "), "");
  // 'A' alone: 130 x 3 - 0.5 + 2 = 391.5, truncated 391, modulo 256 = 135.
  EXPECT_EQ(TransformPassword("A"), Bytes({0x87}));
  // Ten characters, the longest the login accepts.
  EXPECT_EQ(TransformPassword("rahasia123"),
            Bytes({0xAD, 0x4C, 0xEC, 0xB4, 0xC9, 0xDD, 0x16, 0xB0, 0x3C, 0xB7}));
  // Bytes of the upper half count as 128..255, not as negative characters.
  EXPECT_EQ(TransformPassword("\x80\xFF"), Bytes({0x01, 0xFC}));
  EXPECT_EQ(TransformPassword("Sup\xE9rvis\xF6r"),
            Bytes({0xF3, 0x20, 0x78, 0x14, 0x7A, 0x3D, 0xD3, 0x94, 0x7E, 0xDB}));
}

TEST(PasswordTest, CountsTrimmedLengthButTakesCharactersAsTyped) {
  // " ab " has two characters inside its blanks, so " a" is what gets transformed.
  EXPECT_EQ(TransformPassword(" ab "), Bytes({0xC1, 0x04}));
  EXPECT_EQ(TransformPassword("ab  "), Bytes({0x47, 0x0C}));
}

}  // namespace
}  // namespace xbase
