// Seeks on a table that another program cut short while it is open: a key whose record is gone is
// an error naming the table and the record, whether the file is mapped or read by position, never a
// record found with blank fields nor a key taken as missing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "support/files.h"
#include "support/fixtures.h"
#include "support/temp_folder.h"
#include "xbase/keyed_read.h"
#include "xbase/ntx_orders.h"
#include "xbase/session.h"

namespace xbase {
namespace {

// CUST: a header of 258 bytes and records of 92; CUST1 orders it on KODE.
constexpr uint64_t kHeader = 258;
constexpr uint64_t kRecord = 92;

class WorkAreaCutTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dbf_ = support::CopyFixture(dir_, "xbase/CUST.dbf");
    support::CopyFixture(dir_, "xbase/CUST.fpt");
    ntx_ = support::CopyFixture(dir_, "xbase/CUST1.ntx");
    ASSERT_TRUE(session_.Use("CUST", "", OpenMode::kShared, &area_).ok());
    ASSERT_TRUE(area_->orders().Open(ntx_).ok());
  }

  // The KODE of record `recno`, read before any damage.
  std::string KeyOf(uint32_t recno) {
    EXPECT_TRUE(area_->GoTo(recno).ok());
    return area_->Text("KODE");
  }

  // Cuts the file to `records` whole records and writes that count into its header, as a program that
  // drops the last records does.
  void CutTo(uint32_t records) {
    ASSERT_EQ(::truncate(dbf_.c_str(), static_cast<off_t>(kHeader + records * kRecord)), 0);
    std::string bytes = support::ReadFile(dbf_);
    bytes.replace(4, 4, std::string{static_cast<char>(records & 0xFF), static_cast<char>(records >> 8), 0, 0});
    support::WriteFile(dbf_, bytes);
  }

  support::TempFolder dir_;
  std::string dbf_, ntx_;
  Session session_{SearchPath({dir_.path()})};
  WorkArea* area_ = nullptr;
};

// Record 10 (not deleted) cut in its middle: its first bytes, the flag and KODE among them, are still
// in the file, the rest would read as zeros through the mapping.
TEST_F(WorkAreaCutTableTest, ARecordCutWithinIsAnErrorNotARecordWithBlankFields) {
  const std::string key = KeyOf(10), before = KeyOf(9);
  ASSERT_TRUE(area_->GoTo(1).ok());
  ASSERT_EQ(::truncate(dbf_.c_str(), static_cast<off_t>(kHeader + 9 * kRecord + kRecord / 2)), 0);
  bool found = true;
  const Status s = SeekFound(*area_, key, &found);
  EXPECT_EQ(s.ToString(), "Corruption: " + dbf_ + ": file ends at 1132, before 1178");
  EXPECT_FALSE(found);
  EXPECT_EQ(area_->Text("KODE"), std::string(10, ' '));
  EXPECT_FALSE(LookUp(*area_, key));
  // The records before the cut still read.
  ASSERT_TRUE(SeekFound(*area_, before, &found).ok());
  EXPECT_TRUE(found);
  EXPECT_EQ(area_->recno(), 9u);
}

// The table cut to 10 records with its count lowered: a key of record 492 stays in the index. Once
// the area has seen the new count, the seek names the table, the record and the index.
TEST_F(WorkAreaCutTableTest, AKeyWhoseRecordIsPastTheCountIsAnErrorNamingTableAndRecord) {
  const std::string key = KeyOf(492), kept = KeyOf(3);
  CutTo(10);
  ASSERT_TRUE(area_->GoTo(0).ok());
  bool found = true;
  Status s = SeekFound(*area_, key, &found);
  EXPECT_EQ(s.ToString(), "Corruption: " + dbf_ + ": record 492 of index " + ntx_ + " is past the last record 10");
  EXPECT_FALSE(found);
  EXPECT_FALSE(area_->orders().Seek(Value::Text(key), true).ok());
  // Before the area has seen the new count the record's read fails instead.
  ASSERT_TRUE(SeekFound(*area_, kept, &found).ok());
  EXPECT_TRUE(found);
  Session other{SearchPath({dir_.path()})};
  WorkArea* fresh = nullptr;
  ASSERT_TRUE(other.Use("CUST", "", OpenMode::kShared, &fresh).ok());
  ASSERT_TRUE(fresh->orders().Open(ntx_).ok());
  ASSERT_TRUE(fresh->GoTo(5).ok());
  s = SeekFound(*fresh, key, &found);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_TRUE(s.message().starts_with(dbf_ + ": ")) << s.message();
}

}  // namespace
}  // namespace xbase
