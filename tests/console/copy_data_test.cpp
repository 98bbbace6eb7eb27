// Copying tables and indexes between folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "console/copy_data.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace console {

using support::ConsoleRig;

namespace {

namespace fs = std::filesystem;

class CopyDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_ / "from");
    fs::create_directories(root_ / "to");
    for (const char* name : {"mastcus.dbf", "MASTCUS1.NTX", "notes.txt"}) std::ofstream(root_ / "from" / name) << name;
  }
  support::TempFolder folder_;
  const fs::path root_{folder_.path()};
};

TEST_F(CopyDataTest, CopiesTablesAlwaysIndexesOnRequestAndNothingElse) {
  ConsoleRig rig;
  rig.con.Say(24, 0, "row 24", 0x07);
  const std::vector<std::string> names = {"MASTCUS.DBF", "mastcus1.ntx", "notes.txt", "missing.dbf"};
  EXPECT_TRUE(COPYDATA(rig.con, (root_ / "from").string() + "  ", (root_ / "to").string(), names, "N"));
  EXPECT_TRUE(fs::exists(root_ / "to" / "MASTCUS.DBF"));
  EXPECT_FALSE(fs::exists(root_ / "to" / "mastcus1.ntx"));
  EXPECT_FALSE(fs::exists(root_ / "to" / "notes.txt"));
  EXPECT_EQ(rig.con.Text(24, 0, 6), "row 24");
  EXPECT_TRUE(COPYDATA(rig.con, (root_ / "from").string(), (root_ / "to").string(), names, "Y"));
  std::ifstream index(root_ / "to" / "mastcus1.ntx");
  std::string text;
  index >> text;
  EXPECT_EQ(text, "MASTCUS1.NTX");
}

TEST_F(CopyDataTest, AFailedCopyIsReported) {
  ConsoleRig rig;
  EXPECT_FALSE(COPYDATA(rig.con, (root_ / "from").string(), (root_ / "nowhere").string(), {"mastcus.dbf"}, "Y"));
}

}  // namespace
}  // namespace console
