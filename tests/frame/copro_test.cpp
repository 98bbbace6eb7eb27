// " COPY DATA": a file of the data folder copied into a typed folder, Esc and a missing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>


#include "console/keys.h"
#include "frame/copro.h"
#include "platform/workstation_settings.h"
#include "xbase/ini_file.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/file_lock.h"

namespace frame {

using support::Keys;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::TempDataFolder;

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

TEST_F(CoproTest, CopiesOverAFileOfTheSameNameOnlyWhenAskedAndClosesTheTables) {
  std::ofstream(target_ / "ke" / "mastcus.dbf") << "older and longer contents";
  Open(rig.session, "SETUP");
  ASSERT_NE(rig.session.tables().Area("SETUP"), nullptr);
  rig.term.AddKeys(Form("MASTCUS.DBF"));
  rig.term.AddKeys({'T'});
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "File mastcus.dbf sudah ada di " + target_.string() + "\\ke"));
  EXPECT_TRUE(Shown(rig.term, "Ditimpa?"));
  EXPECT_EQ(Bytes(target_ / "ke" / "mastcus.dbf"), "older and longer contents");

  rig.term.AddKeys(Form("MASTCUS.DBF"));
  rig.term.AddKeys({'Y'});
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, " COPY DATA"));
  EXPECT_TRUE(Shown(rig.term, "d:\\data\\palunda"));
  EXPECT_EQ(Bytes(target_ / "ke" / "mastcus.dbf"), Bytes(data_.File("mastcus.dbf")));
  EXPECT_EQ(Bytes(target_ / "ke" / "mastcus.dbf").size(), 6u);
  EXPECT_EQ(rig.session.tables().Area("SETUP"), nullptr);
}

// A table that another workstation has open in the target folder is never copied over.
TEST_F(CoproTest, ATableOpenElsewhereIsNotCopiedOver) {
  std::ofstream(target_ / "ke" / "mastcus.dbf") << "live table";
  std::unique_ptr<xbase::LockedFile> other;
  ASSERT_TRUE(xbase::LockedFile::Open((target_ / "ke" / "mastcus.dbf").string(), xbase::OpenMode::kShared, &other).ok());
  rig.term.AddKeys(Form("mastcus.dbf"));
  rig.term.AddKeys({'Y', kEnter});
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, "File mastcus.dbf sedang dipakai, tidak dicopy"));
  EXPECT_EQ(Bytes(target_ / "ke" / "mastcus.dbf"), "live table");
}

// The file comes from the data folder only: a path that climbs out of it copies nothing.
TEST_F(CoproTest, AFileOutsideTheDataFolderIsRefused) {
  const fs::path outside = target_ / "copro-outside.ini";
  std::ofstream(outside) << "[SourceData]";
  rig.term.AddKeys(Form("..\\" + outside.filename().string()));
  rig.term.AddKeys({kEnter});
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "File ..\\" + outside.filename().string() + " tidak ada di folder data"));
  EXPECT_TRUE(fs::is_empty(target_ / "ke"));
  fs::remove(outside);
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
  platform::WorkstationSettings settings;
  ASSERT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile::Parse("[Drives]\nD=" + target_.string() + "\n"),
                                                target_.string(), &settings).ok());
  rig.session.services().Configure(std::move(settings));
  rig.term.AddKeys(support::Keys({support::Line("mastcus.dbf"), {kEnter}}));
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(Bytes(target_ / "Data" / "PALUNDA" / "mastcus.dbf"), Bytes(data_.File("mastcus.dbf")));

  // A drive the map does not know is not a folder of this machine; nothing is copied.
  rig.term.AddKeys(support::Keys({support::Line("mastcus.dbf"), {kCtrlY}, support::Line("e:\\lain"), {kEnter}}));
  ASSERT_TRUE(COPRO(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, "Gagal copy mastcus.dbf ke e:\\lain"));
}

}  // namespace
}  // namespace frame
