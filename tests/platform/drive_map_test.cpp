// Stored Windows paths mapped to folders through the drive map.
#include "platform/drive_map.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class DriveMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(std::filesystem::path(root_.path()) / "Data" / "PALUNDA");
    fs::create_directories(std::filesystem::path(root_.path()) / "share" / "Laporan");
    root_str_ = root_.path();
    ASSERT_TRUE(map_.Add("d", root_str_).ok());
    ASSERT_TRUE(map_.Add("\\\\Kantor\\Umum", root_str_ + "/share").ok());
  }

  std::string Map(const std::string& stored) {
    std::string local;
    const xbase::Status status = map_.Map(stored, &local);
    return status.ok() ? local : status.message();
  }

  support::TempFolder root_;
  std::string root_str_;
  DriveMap map_;
};

TEST_F(DriveMapTest, DriveLettersAndSharesLeadToTheirFoldersWithNamesMatchedWithoutCase) {
  EXPECT_EQ(Map("d:\\data\\palunda"), root_str_ + "/Data/PALUNDA");
  EXPECT_EQ(Map("  D:\\DATA\\Palunda\\JURNAL1.DBF  "), root_str_ + "/Data/PALUNDA/JURNAL1.DBF");
  EXPECT_EQ(Map("d:data\\palunda\\"), root_str_ + "/Data/PALUNDA");
  EXPECT_EQ(Map("D:\\"), root_str_);
  EXPECT_EQ(Map("\\\\KANTOR\\umum\\laporan\\x01.txt"), root_str_ + "/share/Laporan/x01.txt");
  EXPECT_EQ(Map("//kantor/UMUM"), root_str_ + "/share");
}

TEST_F(DriveMapTest, UnmappedDrivesAndHalfSharesGiveClearStatuses) {
  std::string local = "untouched";
  const xbase::Status unmapped = map_.Map("e:\\data", &local);
  EXPECT_TRUE(unmapped.IsNotFound());
  EXPECT_EQ(unmapped.message(), "e:\\data: E: is not mapped to a folder of this machine");
  EXPECT_EQ(local, "untouched");
  EXPECT_EQ(Map("\\\\gudang\\arsip\\x"), "\\\\gudang\\arsip\\x: \\\\GUDANG\\ARSIP is not mapped to a folder of this machine");
  EXPECT_EQ(Map("\\\\kantor"), "\\\\kantor: a network path needs a server and a share");
  EXPECT_TRUE(map_.Add("1", "/srv").IsInvalidArgument());
  EXPECT_TRUE(map_.Add("\\\\server", "/srv").IsInvalidArgument());
  EXPECT_TRUE(map_.Add("E", " ").IsInvalidArgument());
}

TEST_F(DriveMapTest, PathsWithoutADriveAreMatchedAsTheyStand) {
  EXPECT_EQ(Map(root_str_ + "\\data\\palunda\\new\\file"), root_str_ + "/Data/PALUNDA/new/file");
  EXPECT_EQ(MatchLocalCase(root_str_ + "/DATA/./palunda/../Palunda"), root_str_ + "/Data/./PALUNDA/../PALUNDA");
  // With two spellings present, the exact one wins, otherwise the first in name order.
  fs::create_directories(std::filesystem::path(root_.path()) / "data");
  EXPECT_EQ(MatchLocalCase(root_str_ + "/data"), root_str_ + "/data");
  EXPECT_EQ(MatchLocalCase(root_str_ + "/DATA"), root_str_ + "/Data");
}

TEST_F(DriveMapTest, AMappingAddedAgainReplacesTheFolder) {
  ASSERT_TRUE(map_.Add("D:", "/elsewhere").ok());
  EXPECT_EQ(map_.entries().size(), 2u);
  EXPECT_EQ(Map("d:\\x"), "/elsewhere/x");
}

}  // namespace
}  // namespace platform
