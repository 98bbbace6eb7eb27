// Damaged tables and memo files are reported, never read wrong, never crash.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "support/files.h"
#include "support/fixtures.h"
#include "support/temp_folder.h"
#include "xbase/dbf_table.h"

namespace xbase {
namespace {

using support::ReadFile;
using support::TempFolder;
using support::WriteFile;

// A copy of CUST with `dbf` as the table's bytes and `fpt` (the fixture's when empty) as its memos.
class DbfCorruptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dbf_ = ReadFile(support::Fixture("xbase/CUST.dbf"));
    fpt_ = ReadFile(support::Fixture("xbase/CUST.fpt"));
  }

  Status Open(std::unique_ptr<DbfTable>* table) {
    WriteFile(dir_.File("CUST.dbf"), dbf_);
    WriteFile(dir_.File("CUST.fpt"), fpt_);
    return DbfTable::Open(dir_.File("CUST.dbf"), OpenMode::kShared, table);
  }

  // The open's error, expected to be a corruption naming the table file.
  std::string OpenFault() {
    std::unique_ptr<DbfTable> table;
    const Status s = Open(&table);
    EXPECT_TRUE(s.IsCorruption()) << s.ToString();
    const std::string prefix = dir_.File("CUST.dbf") + ": ";
    EXPECT_EQ(s.message().substr(0, prefix.size()), prefix);
    return s.message().substr(std::min(prefix.size(), s.message().size()));
  }

  // The memo read error for record `recno`, expected to be a corruption.
  Status MemoFault(uint32_t recno) {
    std::unique_ptr<DbfTable> table;
    Status s = Open(&table);
    if (s.ok()) s = table->GoTo(recno);
    std::string text;
    if (s.ok()) s = table->Memo(table->Handle("CATATAN"), &text);
    EXPECT_TRUE(s.IsCorruption()) << s.ToString();
    return s;
  }

  void SetMemoField(uint32_t recno, const std::string& ten) { dbf_.replace(258 + (recno - 1) * 92 + 82, 10, ten); }

  TempFolder dir_;
  std::string dbf_;
  std::string fpt_;
};

TEST_F(DbfCorruptionTest, HeaderFaultsNameTheFileAndTheFault) {
  const std::string whole = dbf_;
  dbf_ = whole.substr(0, 20);
  EXPECT_EQ(OpenFault(), "header cut short");
  dbf_ = whole.substr(0, 200);
  EXPECT_EQ(OpenFault(), "header cut short");
  dbf_ = "Dear customer, this is a letter and not a table.";
  EXPECT_EQ(OpenFault(), "not a table (unknown version byte)");
  dbf_ = whole;
  dbf_[4] = 0x59;  // 601 records
  EXPECT_EQ(OpenFault(), "record count 601 goes beyond the end of the file");
  dbf_ = whole.substr(0, whole.size() - 50);
  EXPECT_EQ(OpenFault(), "record count 600 goes beyond the end of the file");
  dbf_ = whole;
  dbf_[96 + 11] = 'X';
  EXPECT_EQ(OpenFault(), "field 3 (SALDO) has unknown type");
  dbf_ = whole;
  dbf_[128 + 16] = 9;
  EXPECT_EQ(OpenFault(), "field 4 (TGL) is a date whose width is not 8");
  dbf_ = whole;
  dbf_[64] = '\0';
  EXPECT_EQ(OpenFault(), "field 2 () has no name");
  dbf_ = whole;
  dbf_[10] = 93;
  EXPECT_EQ(OpenFault(), "record length 93 does not match the fields (92)");
  dbf_ = whole;
  dbf_[256] = ' ';
  EXPECT_EQ(OpenFault(), "field list cut short");
  dbf_ = whole;
  dbf_[8] = 40;
  dbf_[9] = 0;
  EXPECT_EQ(OpenFault(), "header length 40 too small");
}

TEST_F(DbfCorruptionTest, MemoFaultsAreReportedNotReadWrong) {
  const std::string whole = dbf_;
  SetMemoField(5, "     99999");
  EXPECT_EQ(MemoFault(5).message(), dir_.File("CUST.fpt") + ": memo block 99999 lies beyond the end of the memo file");
  SetMemoField(5, "         3");
  EXPECT_EQ(MemoFault(5).message(), dir_.File("CUST.fpt") + ": memo block 3 lies inside the memo header");
  SetMemoField(5, "  12x4    ");
  EXPECT_EQ(MemoFault(5).message(), dir_.File("CUST.dbf") + ": record 5: memo field CATATAN is not a block number");
  dbf_ = whole;
  fpt_[0x404] = 0x7F;  // the first memo's length now runs far past the end
  EXPECT_EQ(MemoFault(5).message(), dir_.File("CUST.fpt") + ": memo block 16 runs beyond the end of the memo file");
  fpt_ = fpt_.substr(0, 4);
  std::unique_ptr<DbfTable> table;
  EXPECT_TRUE(Open(&table).IsCorruption());
  ::unlink(dir_.File("CUST.fpt").c_str());
  EXPECT_TRUE(DbfTable::Open(dir_.File("CUST.dbf"), OpenMode::kShared, &table).IsNotFound());
}

// Every cut of the header and every flipped header byte gives a clean status or a readable table.
TEST_F(DbfCorruptionTest, CutsAndFlippedBytesNeverCrash) {
  const std::string whole = dbf_;
  for (size_t size = 0; size < 400; ++size) {
    dbf_ = whole.substr(0, size);
    std::unique_ptr<DbfTable> table;
    EXPECT_FALSE(Open(&table).ok()) << size;
  }
  for (size_t at = 0; at < 258; ++at) {
    dbf_ = whole;
    dbf_[at] = static_cast<char>(dbf_[at] ^ 0xA5);
    std::unique_ptr<DbfTable> table;
    if (!Open(&table).ok()) continue;
    std::string text;
    for (uint32_t recno = 1; recno <= table->record_count() && recno <= 40; ++recno) {
      ASSERT_TRUE(table->GoTo(recno).ok());
      for (int i = 0; i < table->field_count(); ++i) {
        // A damaged field may fail to read; reading it must not crash.
        Value value;
        table->Get(table->Handle(i), &value).IgnoreError();
      }
    }
  }
}

TEST_F(DbfCorruptionTest, ACountRaisedBeyondTheFileIsCaughtOnRefresh) {
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(Open(&table).ok());
  std::string bytes = ReadFile(dir_.File("CUST.dbf"));
  bytes[4] = 0x60;
  WriteFile(dir_.File("CUST.dbf"), bytes);
  const Status s = table->GoTo(601);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
}

// Another program cuts the table short while it is open, its bytes mapped: reads past the new end
// give an error instead of killing the process with SIGBUS, and what is left still reads.
TEST_F(DbfCorruptionTest, ATableCutShortWhileOpenGivesAnErrorNotASignal) {
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(Open(&table).ok());
  ASSERT_EQ(::truncate(dir_.File("CUST.dbf").c_str(), 258 + 10 * 92), 0);
  const Status s = table->GoTo(500);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_EQ(s.message(), dir_.File("CUST.dbf") + ": file ends at 1178, before 46258");
  ASSERT_TRUE(table->GoTo(3).ok());
  EXPECT_EQ(table->Bytes(table->Handle("KODE")), ReadFile(support::Fixture("xbase/CUST.dbf")).substr(258 + 2 * 92 + 1, 10));
}

// Cut within the page that holds the new end, the mapped bytes past it read as zeros, not as a
// signal: a record there is still an error that names the file, never a blank record.
TEST_F(DbfCorruptionTest, ARecordJustPastANewEndIsAnErrorNotABlankRecord) {
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(Open(&table).ok());
  ASSERT_EQ(::truncate(dir_.File("CUST.dbf").c_str(), 258 + 10 * 92), 0);
  const Status s = table->GoTo(12);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_EQ(s.message(), dir_.File("CUST.dbf") + ": file ends at 1178, before 1362");
  EXPECT_EQ(table->Bytes(table->Handle("KODE")), std::string(10, ' '));
  ASSERT_TRUE(table->GoTo(10).ok());
  EXPECT_EQ(table->Bytes(table->Handle("KODE")), ReadFile(support::Fixture("xbase/CUST.dbf")).substr(258 + 9 * 92 + 1, 10));
}

// A memo whose length runs far past the memos of a sparse memo file, 5 GiB long, is corruption
// found from the header's next free block; it is never read whole.
TEST_F(DbfCorruptionTest, AMemoLongerThanWhatItsFileHoldsIsCorruption) {
  fpt_.replace(0x404, 4, "\xFF\xFF\xFF\x00");  // the first memo (block 16) claims nearly 4 GiB
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(Open(&table).ok());
  std::filesystem::resize_file(dir_.File("CUST.fpt"), uint64_t{5} << 30);
  ASSERT_TRUE(table->GoTo(5).ok());
  std::string text;
  const Status s = table->Memo(table->Handle("CATATAN"), &text);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_EQ(s.message(), dir_.File("CUST.fpt") + ": memo block 16 runs beyond the end of the memo file");
  EXPECT_TRUE(text.empty());
}

}  // namespace
}  // namespace xbase
