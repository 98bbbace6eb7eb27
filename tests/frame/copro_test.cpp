// " COPY DATA": a file of the data folder copied into a typed folder, Esc and a missing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>


#include "console/keys.h"
#include "support/data_folder.h"
#include "support/temp_folder.h"
#include "frame/copro.h"
#include "support/scripted_session.h"

namespace frame {

using support::SessionRig;
using support::Shown;
using support::Keys;
using support::TempDataFolder;
using support::Open;

namespace {

namespace fs = std::filesystem;
using console::key::kEnter;
using console::key::kEsc;
constexpr int kCtrlY = 25;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class CoproTest : public ::testing::Test {
 protected:
  CoproTest() {
    fs::create_directories(target_ / "ke");
    std::ofstream(data_.File("mastcus.dbf"), std::ios::binary) << std::string("\x03\x7e\x0c\x08\0\x1a", 6);
    rig.session.SetSearchPath(data_.path());
    rig.session.DRVDATA_ = data_.path() + "/";
  }

  // Keys that type the file, blank the preset folder and type the folder, backslashes for separators.
  std::vector<int> Form(std::string_view file) const {
    const std::string folder = target_.string() + "\\ke";
    EXPECT_LE(folder.size(), 50u) << folder;
    std::vector<int> keys = console::ScriptedTerminal::Typed(file);
    keys.insert(keys.end(), {kEnter, kCtrlY});
    for (int key : console::ScriptedTerminal::Typed(folder)) keys.push_back(key);
    keys.push_back(kEnter);
    return keys;
  }

  TempDataFolder data_{{"SETUP"}};
  support::TempFolder target_folder_;
  fs::path target_{target_folder_.path()};
  SessionRig rig;
};

TEST_F(CoproTest, CopiesTheFileOverOneOfTheSameNameAndClosesTheTables) {
  std::ofstream(target_ / "ke" / "mastcus.dbf") << "older and longer contents";
  Open(rig.session, "SETUP");
  ASSERT_NE(rig.session.tables().Area("SETUP"), nullptr);
  rig.term.AddKeys(Form("MASTCUS.DBF"));
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, " COPY DATA"));
  EXPECT_TRUE(Shown(rig.term, "d:\\data\\palunda"));
  EXPECT_EQ(Bytes(target_ / "ke" / "mastcus.dbf"), Bytes(data_.File("mastcus.dbf")));
  EXPECT_EQ(Bytes(target_ / "ke" / "mastcus.dbf").size(), 6u);
  EXPECT_EQ(rig.session.tables().Area("SETUP"), nullptr);
}

TEST_F(CoproTest, EscCopiesNothing) {
  std::vector<int> keys = Form("mastcus.dbf");
  keys.back() = kEsc;
  rig.term.AddKeys(keys);
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_FALSE(fs::exists(target_ / "ke" / "mastcus.dbf"));
}

TEST_F(CoproTest, AMissingFileOrFolderIsShownAndCopiesNothing) {
  rig.term.AddKeys(Form("hilang.dbf"));
  rig.term.AddKeys({kEnter});  // the key for the message
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(rig.term.Text(24, 27, 25), "File hilang.dbf tidak ada");
  EXPECT_TRUE(fs::is_empty(target_ / "ke"));

  fs::remove_all(target_ / "ke");
  rig.term.AddKeys(Form("mastcus.dbf"));
  rig.term.AddKeys({kEnter});
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Gagal copy mastcus.dbf ke " + target_.string() + "\\ke"));
  EXPECT_FALSE(fs::exists(target_ / "ke"));
}

TEST_F(CoproTest, ThePresetFolderReachesItsDriveThroughTheDriveMap) {
  fs::create_directories(target_ / "Data" / "PALUNDA");
  ASSERT_TRUE(rig.session.settings.drives.Add("D", target_.string()).ok());
  rig.term.AddKeys(support::Keys({support::Line("mastcus.dbf"), {kEnter}}));
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(Bytes(target_ / "Data" / "PALUNDA" / "mastcus.dbf"), Bytes(data_.File("mastcus.dbf")));

  // A drive the map does not know is named; nothing is copied.
  rig.term.AddKeys(support::Keys({support::Line("mastcus.dbf"), {kCtrlY}, support::Line("e:\\lain"), {kEnter}}));
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, "E: is not mapped to a folder of this machine"));
}

}  // namespace
}  // namespace frame
