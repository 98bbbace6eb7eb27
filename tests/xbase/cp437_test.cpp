// Code page 437 to Unicode and back.
#include "xbase/cp437.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

TEST(Cp437Test, LineCharactersAndLettersBothWays) {
  EXPECT_EQ(Cp437ToUtf8("\xc9\xcd\xbb\xb3\xc4\xdb\xb0"), "╔═╗│─█░");
  EXPECT_EQ(Cp437ToUtf8("Caf\x82 \x9c\xe1"), "Café £ß");
  EXPECT_EQ(Cp437ToUnicode(0), U' ');
  EXPECT_EQ(Cp437ToUnicode(0x10), U'►');
  EXPECT_EQ(Utf8ToCp437("┌─┐ é"), "\xda\xc4\xbf \x82");
  for (int byte = 1; byte < 256; ++byte) EXPECT_EQ(UnicodeToCp437(Cp437ToUnicode(static_cast<uint8_t>(byte))), byte);
}

}  // namespace
}  // namespace xbase
