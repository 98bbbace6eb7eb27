// The settings cipher against the reference vectors.
#include "xbase/cipher.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace xbase {
namespace {

std::string FromHex(std::string_view hex) {
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  }
  return bytes;
}

TEST(CipherTest, MatchesEveryReferenceVectorBothWays) {
  std::ifstream in(support::Fixture("ini/cipher-vectors.tsv"), std::ios::binary);
  ASSERT_TRUE(in) << "cipher vectors missing";
  std::string line;
  int cases = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string plain, hex, verdict;
    ASSERT_TRUE(std::getline(fields, plain, '\t') && std::getline(fields, hex, '\t')) << line;
    std::getline(fields, verdict);
    if (verdict != "ok") continue;
    const std::string cipher = FromHex(hex);
    EXPECT_EQ(Encipher(plain, kConnectionKey), cipher) << plain;
    EXPECT_EQ(Decipher(cipher, kConnectionKey), plain) << plain;
    ++cases;
  }
  EXPECT_EQ(cases, 7);
}

TEST(CipherTest, OnlyTheFirstEightKeyBytesCountAndShortKeysArePadded) {
  EXPECT_EQ(Encipher("fileserver", "mid-blan"), Encipher("fileserver", kConnectionKey));
  EXPECT_EQ(Encipher("fileserver", "mid-blanXYZ"), Encipher("fileserver", kConnectionKey));
  EXPECT_EQ(Encipher("fileserver", "ab"), Encipher("fileserver", std::string("ab\0\0\0\0\0\0", 8)));
  EXPECT_NE(Encipher("fileserver", "mid-bla"), Encipher("fileserver", kConnectionKey));
  // Every byte value survives the round trip, past one turn of the seven key positions.
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(Decipher(Encipher(all, "k"), "k"), all);
  EXPECT_EQ(Encipher("", kConnectionKey), "");
}

TEST(CipherSettingTest, WritesHexWhenTheCipherWouldBreakItsLine) {
  // The host's cipher holds a line feed.
  EXPECT_EQ(EncipherSetting("fileserver"), "hex:9C340A48362FE0035B2F");
  // Ciphers that an INI line carries as they are stay raw.
  EXPECT_EQ(EncipherSetting("admin"), FromHex("19F31A68F5"));
  EXPECT_EQ(EncipherSetting("rahasia123"), FromHex("A232CA2836B058AF8E32"));

  for (const std::string& cipher : {std::string("a\rb"), std::string("a\0b", 3), std::string("hex:41"),
                                   std::string(" ab"), std::string("ab\t")}) {
    const std::string plain = Decipher(cipher, kConnectionKey);
    const std::string stored = EncipherSetting(plain);
    EXPECT_TRUE(stored.starts_with("hex:")) << stored;
    std::string back;
    ASSERT_TRUE(DecipherSetting(stored, &back).ok());
    EXPECT_EQ(back, plain);
  }
}

TEST(CipherSettingTest, ReadsRawAndHexValuesAndRefusesBadHex) {
  std::string plain;
  ASSERT_TRUE(DecipherSetting(FromHex("19F31A68F5"), &plain).ok());
  EXPECT_EQ(plain, "admin");
  ASSERT_TRUE(DecipherSetting("hex:9c340a48362fe0035b2f", &plain).ok());
  EXPECT_EQ(plain, "fileserver");
  ASSERT_TRUE(DecipherSetting("", &plain).ok());
  EXPECT_EQ(plain, "");
  EXPECT_TRUE(DecipherSetting("hex:9C3", &plain).IsCorruption());
  EXPECT_TRUE(DecipherSetting("hex:9G", &plain).IsCorruption());
}

}  // namespace
}  // namespace xbase
