// Reading and writing the settings file with its enciphered values.
#include "xbase/ini_file.h"

#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "xbase/cipher.h"

namespace xbase {
namespace {

namespace fs = std::filesystem;

const std::string kFixture = "ini/Palunda.ini";

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string Deciphered(const IniFile& ini, std::string_view key) {
  const std::optional<std::string> stored = ini.Get("SourceData", key);
  if (!stored) return "<missing>";
  std::string plain;
  if (!DecipherSetting(*stored, &plain).ok()) return "<corrupt>";
  return plain;
}

// The connection settings as the settings screen writes them.
IniFile ConnectionSettings() {
  IniFile ini;
  EXPECT_TRUE(ini.Set(IniFile::kMainSection, "Desc", "Aplikasi Palunda").ok());
  EXPECT_TRUE(ini.Set(IniFile::kMainSection, "Ver", "Version (2018)").ok());
  EXPECT_TRUE(ini.Set("SourceData", "Host_ID", EncipherSetting("fileserver")).ok());
  EXPECT_TRUE(ini.Set("SourceData", "User_ID", EncipherSetting("admin")).ok());
  EXPECT_TRUE(ini.Set("SourceData", "Pass_ID", EncipherSetting("rahasia123")).ok());
  EXPECT_TRUE(ini.Set("SourceData", "Database", "/srv/palunda/data").ok());
  return ini;
}

class IniFileTest : public ::testing::Test {
 protected:
  support::TempFolder folder_;
  fs::path dir_{folder_.path()};
};

TEST_F(IniFileTest, ReadsTheReferenceSettingsFile) {
  IniFile ini;
  ASSERT_TRUE(IniFile::Load(support::Fixture(kFixture), &ini).ok());
  EXPECT_EQ(ini.Get("MAIN", "Desc"), "Aplikasi Palunda");
  EXPECT_EQ(ini.Get("main", "VER"), "Version (2018)");
  EXPECT_EQ(ini.Get("SourceData", "Database"), "/srv/palunda/data");
  EXPECT_EQ(Deciphered(ini, "User_ID"), "admin");
  EXPECT_EQ(Deciphered(ini, "pass_id"), "rahasia123");
  // The old writer cut the host's cipher at its line feed: what is left is the bytes before it,
  // which decipher to the first two letters; the tail line has no key and is skipped.
  EXPECT_EQ(ini.Get("SourceData", "Host_ID"), "\x9C" "4");
  EXPECT_EQ(Deciphered(ini, "Host_ID"), "fi");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"MAIN", "SourceData"}));
}

TEST_F(IniFileTest, WritesTheStandardLayoutAndKeepsTheHostWhole) {
  std::string expected = ReadFile(support::Fixture(kFixture));
  const std::string raw_host = "Host_ID=\x9C\x34\x0A\x48\x36\x2F\xE0\x03\x5B\x2F";
  ASSERT_NE(expected.find(raw_host), std::string::npos);
  expected.replace(expected.find(raw_host), raw_host.size(), "Host_ID=hex:9C340A48362FE0035B2F");
  EXPECT_EQ(ConnectionSettings().Format(), expected);

  const fs::path path = dir_ / "Palunda.ini";
  ASSERT_TRUE(ConnectionSettings().Save(path.string()).ok());
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_FALSE(fs::exists(dir_ / "Palunda.ini.tmp"));
  IniFile back;
  ASSERT_TRUE(IniFile::Load(path.string(), &back).ok());
  EXPECT_EQ(Deciphered(back, "Host_ID"), "fileserver");
  EXPECT_EQ(Deciphered(back, "User_ID"), "admin");
  EXPECT_EQ(Deciphered(back, "Pass_ID"), "rahasia123");
}

TEST_F(IniFileTest, ParsesLooseLayouts) {
  const IniFile ini = IniFile::Parse(
      "top = 1\r\n"
      "[ main ]\r\n"
      "  second=  two words  \r\n"
      "; a comment=not a key\n"
      "[Other]\n"
      "Key=first\n"
      "KEY=second\n"
      "no equals sign here\n"
      "=no name\n"
      "Eq=a=b\n"
      "Bytes=\xE0\x01 x\n");
  EXPECT_EQ(ini.Get("MAIN", "top"), "1");
  EXPECT_EQ(ini.Get("Main", "Second"), "two words");
  EXPECT_EQ(ini.Get("other", "key"), "first");
  EXPECT_EQ(ini.Get("Other", "Eq"), "a=b");
  EXPECT_EQ(ini.Get("Other", "Bytes"), "\xE0\x01 x");
  EXPECT_EQ(ini.Get("Other", "no equals sign here"), std::nullopt);
  EXPECT_EQ(ini.Get("Missing", "Key"), std::nullopt);
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"MAIN", "Other"}));
  EXPECT_EQ(ini.KeyNames("other"), (std::vector<std::string>{"Key", "Eq", "Bytes"}));
  EXPECT_TRUE(ini.KeyNames("Missing").empty());
}

TEST_F(IniFileTest, SetReplacesWithoutRegardToCaseAndRefusesLineBreaks) {
  IniFile ini;
  ASSERT_TRUE(ini.Set("S", "Key", "one").ok());
  ASSERT_TRUE(ini.Set("s", "KEY", "two").ok());
  EXPECT_EQ(ini.Get("S", "key"), "two");
  EXPECT_TRUE(ini.Set("S", "Key", "a\nb").IsInvalidArgument());
  EXPECT_TRUE(ini.Set("S", "Key", "a\rb").IsInvalidArgument());
  EXPECT_TRUE(ini.Set("S", "K=ey", "x").IsInvalidArgument());
  EXPECT_TRUE(ini.Set("S]", "Key", "x").IsInvalidArgument());
  EXPECT_EQ(ini.Get("S", "key"), "two");
  // A main section set after another section is still written first, without a header.
  ASSERT_TRUE(ini.Set("MAIN", "A", "1").ok());
  EXPECT_EQ(ini.Format(), "; Start comment\nA=1\n\n[S]\nKey=two\n; End comment\n");
}

TEST_F(IniFileTest, ReportsAMissingFile) {
  IniFile ini;
  const Status status = IniFile::Load((dir_ / "none.ini").string(), &ini);
  EXPECT_TRUE(status.IsNotFound()) << status.ToString();
  EXPECT_TRUE(ConnectionSettings().Save((dir_ / "no-such-dir" / "x.ini").string()).IsIOError());
  std::filesystem::create_directory(dir_ / "Palunda.ini");
  EXPECT_EQ(IniFile::Load((dir_ / "Palunda.ini").string(), &ini).ToString(),
            "Invalid argument: " + (dir_ / "Palunda.ini").string() + ": is a folder, not a file");
}

}  // namespace
}  // namespace xbase
