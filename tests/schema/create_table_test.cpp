// Making the catalog's tables in a folder: every table opens shared, empty, with sound index files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "schema/catalog.h"
#include "schema/create_table.h"
#include "xbase/dbf_table.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_index.h"
#include "xbase/search_path.h"
#include "xbase/session.h"

namespace {

namespace fs = std::filesystem;

class CreateTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("palunda-schema-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name, const char* extension) const {
    std::string path;
    EXPECT_TRUE(xbase::FindInFolder(folder_.string(), xbase::WithExtension(name, extension), &path).ok()) << name;
    return path;
  }

  size_t FileCount() const { return std::distance(fs::directory_iterator(folder_), fs::directory_iterator()); }

  fs::path folder_;
};

TEST_F(CreateTableTest, EveryTableOpensSharedAndEmptyWithItsFieldsAndSoundIndexes) {
  ASSERT_TRUE(schema::CreateAllTables(folder_.string()).ok());
  size_t files = 0;
  for (const schema::TableDef* table : schema::AllTables()) {
    SCOPED_TRACE(table->name);
    std::unique_ptr<xbase::DbfTable> dbf;
    ASSERT_TRUE(xbase::DbfTable::Open(Path(table->name, "dbf"), xbase::OpenMode::kShared, &dbf).ok());
    EXPECT_EQ(dbf->record_count(), 0u);
    ASSERT_EQ(dbf->fields().size(), table->fields.size());
    for (size_t i = 0; i < table->fields.size(); ++i) {
      EXPECT_EQ(dbf->fields()[i].name, table->fields[i].name);
      EXPECT_EQ(dbf->fields()[i].type, table->fields[i].type);
      EXPECT_EQ(dbf->fields()[i].length, table->fields[i].width);
      EXPECT_EQ(dbf->fields()[i].decimals, table->fields[i].decimals);
    }
    ++files;
    for (const schema::IndexDef& index : table->indexes) {
      std::unique_ptr<xbase::NtxIndex> ntx;
      ASSERT_TRUE(xbase::NtxIndex::Open(Path(index.file, "ntx"), xbase::NtxOpenMode::kShared, &ntx).ok()) << index.file;
      EXPECT_EQ(ntx->header().key_expression, index.key);
      xbase::NtxCheckReport report;
      ASSERT_TRUE(xbase::NtxCheck(*ntx, &report).ok());
      EXPECT_TRUE(report.ok()) << index.file;
      EXPECT_EQ(report.keys, 0u);
      ++files;
    }
  }
  EXPECT_EQ(FileCount(), files);
}

TEST_F(CreateTableTest, KeySizesFollowTheKeyFields) {
  ASSERT_TRUE(schema::CreateTable(*schema::FindTable("TAGIH2"), folder_.string()).ok());
  ASSERT_TRUE(schema::CreateTable(*schema::FindTable("MASTGOL"), folder_.string()).ok());
  ASSERT_TRUE(schema::CreateTable(*schema::FindTable("JUSTMEN"), folder_.string()).ok());
  auto key_size = [this](const char* file) {
    std::unique_ptr<xbase::NtxIndex> ntx;
    EXPECT_TRUE(xbase::NtxIndex::Open(Path(file, "ntx"), xbase::NtxOpenMode::kShared, &ntx).ok());
    return ntx ? ntx->key_size() : -1;
  };
  EXPECT_EQ(key_size("TAGIH22"), 44);  // nomor+code_id+relasi+nota
  EXPECT_EQ(key_size("MASTGOL2"), 3);  // urutan N3
  EXPECT_EQ(key_size("JUSTMEN3"), 8);  // tanggal, a date
  EXPECT_EQ(key_size("JUSTMEN2"), 16);
}

TEST_F(CreateTableTest, TablesOpenThroughASessionByTheirNamesInAnyCase) {
  ASSERT_TRUE(schema::CreateTable(*schema::FindTable("STOKBRG"), folder_.string()).ok());
  xbase::Session session(xbase::SearchPath({folder_.string()}));
  xbase::WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("stokbrg", "", xbase::OpenMode::kShared, &area).ok());
  EXPECT_EQ(area->FieldIndex("hrg_rata"), 5);
}

TEST_F(CreateTableTest, AnExistingFileIsNeverOverwrittenAndNothingIsWritten) {
  {
    std::ofstream other(folder_ / "Stokbrg2.NTX");
    other << "not ours";
  }
  xbase::Status s = schema::CreateAllTables(folder_.string());
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find("Stokbrg2.NTX"), std::string::npos) << s.ToString();
  EXPECT_EQ(FileCount(), 1u);
  s = schema::CreateTable(*schema::FindTable("STOKBRG"), folder_.string());
  EXPECT_FALSE(s.ok());
  EXPECT_EQ(FileCount(), 1u);
  std::ifstream kept(folder_ / "Stokbrg2.NTX");
  std::string text((std::istreambuf_iterator<char>(kept)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "not ours");
}

TEST_F(CreateTableTest, AMissingFolderIsAnErrorNotACrash) {
  xbase::Status s = schema::CreateTable(*schema::FindTable("SETUP"), (folder_ / "nowhere").string());
  EXPECT_FALSE(s.ok());
  EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
}

}  // namespace
