// Tables read and written byte for byte as the reference runtime's files.
#include "xbase/dbf_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/fixtures.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "xbase/dbf_header.h"
#include "xbase/dbf_record_view.h"
#include "xbase/save_journal.h"
#include "xbase/write_faults.h"

namespace xbase {
namespace {

using support::ReadFile;
using support::TempFolder;

std::vector<DbfField> CustFields() {
  return {{"kode", 'C', 10, 0}, {"nama", 'C', 40, 0}, {"saldo", 'N', 16, 2}, {"tgl", 'D', 8, 0},
          {"aktif", 'L', 1, 0}, {"qty", 'N', 6, 0},   {"catatan", 'M', 10, 0}};
}

TEST(DbfTableTest, DumpOfEveryFixtureTableEqualsItsRecordsFile) {
  for (const std::string name : {"CUST", "STOK"}) {
    int status = -1;
    const std::string dump = support::RunProgram("dbtool", {"dump", support::Fixture("xbase/" + name + ".dbf")}, &status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(dump == ReadFile(support::Fixture("xbase/" + name + ".records.txt"))) << name;
  }
}

TEST(DbfTableTest, ReadsFixtureFieldsAndMemos) {
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Open(support::Fixture("xbase/CUST.dbf"), OpenMode::kReadOnly, &table).ok());
  EXPECT_EQ(table->record_count(), 600u);
  EXPECT_EQ(table->header().version, kDbfWithFpt);
  ASSERT_TRUE(table->GoTo(5).ok());
  EXPECT_EQ(table->Bytes(table->Handle("kode")), "C00094    ");
  EXPECT_DOUBLE_EQ(table->Number(table->Handle("SALDO")), -2858.13);
  EXPECT_EQ(table->DateOf(table->Handle("Tgl")).Dtos(), "20230105");
  EXPECT_TRUE(table->Logical(table->Handle("AKTIF")));
  std::string memo;
  ASSERT_TRUE(table->Memo(table->Handle("CATATAN"), &memo).ok());
  EXPECT_EQ(memo, "Catatan nomor 5\nxxxxx");
  Value qty;
  ASSERT_TRUE(table->Get(table->Handle("QTY"), &qty).ok());
  EXPECT_EQ(qty.number(), 4877);
  EXPECT_EQ(qty.number_info().width, 6);
  ASSERT_TRUE(table->GoTo(11).ok());
  EXPECT_TRUE(table->deleted());
  ASSERT_TRUE(table->GoTo(601).ok());
  EXPECT_TRUE(table->at_end());
  EXPECT_EQ(table->Bytes(table->Handle("KODE")), "          ");
  EXPECT_EQ(table->FieldIndex("nothing"), -1);
}

// A table made with CUST's layout and filled with CUST's records, memos included, must have the
// fixture's bytes: the header but for its update date, every record, the end byte and the memos.
TEST(DbfTableTest, CreatedTableHasTheReferenceLayoutByteForByte) {
  TempFolder dir;
  std::unique_ptr<DbfTable> source;
  ASSERT_TRUE(DbfTable::Open(support::Fixture("xbase/CUST.dbf"), OpenMode::kReadOnly, &source).ok());
  std::unique_ptr<DbfTable> made;
  ASSERT_TRUE(DbfTable::Create(dir.File("Cust.dbf"), CustFields(), &made).ok());
  for (uint32_t recno = 1; recno <= source->record_count(); ++recno) {
    ASSERT_TRUE(source->GoTo(recno).ok());
    ASSERT_TRUE(made->AppendBlank().ok());
    for (int i = 0; i < source->field_count(); ++i) {
      Value value;
      ASSERT_TRUE(source->Get(source->Handle(i), &value).ok());
      ASSERT_TRUE(made->Put(made->Handle(i), value).ok()) << recno << " " << i;
    }
    if (source->deleted()) {
      ASSERT_TRUE(made->Delete().ok());
    }
  }
  ASSERT_TRUE(made->Close().ok());
  const std::string want = ReadFile(support::Fixture("xbase/CUST.dbf"));
  const std::string got = ReadFile(dir.File("Cust.dbf"));
  ASSERT_EQ(got.size(), want.size());
  EXPECT_EQ(got.substr(0, 1), want.substr(0, 1));
  EXPECT_TRUE(got.substr(4) == want.substr(4));
  const std::string want_memo = ReadFile(support::Fixture("xbase/CUST.fpt"));
  const std::string got_memo = ReadFile(dir.File("Cust.fpt"));
  ASSERT_EQ(got_memo.size(), want_memo.size());
  EXPECT_EQ(got_memo.substr(0, 8), want_memo.substr(0, 8));
  EXPECT_TRUE(got_memo.substr(1024) == want_memo.substr(1024));
}

TEST(DbfTableTest, LongCharacterFieldsKeepTheirLengthInTwoBytes) {
  TempFolder dir;
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Create(dir.File("long.dbf"), {{"ISI", 'C', 300, 0}, {"N", 'N', 5, 0}}, &table).ok());
  ASSERT_TRUE(table->AppendBlank().ok());
  const std::string text(290, 'q');
  ASSERT_TRUE(table->PutText(table->Handle("ISI"), text + "tail-is-cut-off").ok());
  ASSERT_TRUE(table->Close().ok());
  const std::string bytes = ReadFile(dir.File("long.dbf"));
  EXPECT_EQ(static_cast<unsigned char>(bytes[32 + 16]), 300 % 256);
  EXPECT_EQ(static_cast<unsigned char>(bytes[32 + 17]), 1);
  ASSERT_TRUE(DbfTable::Open(dir.File("long.dbf"), OpenMode::kReadOnly, &table).ok());
  EXPECT_EQ(table->fields()[0].length, 300);
  EXPECT_EQ(table->header().record_length, 306);
  EXPECT_EQ(table->Bytes(table->Handle("ISI")), text + "tail-is-cu");
}

TEST(DbfTableTest, AppendKeepsTheEndByteCountAndUpdateDate) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/STOK.dbf");
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kShared, &table).ok());
  ASSERT_TRUE(table->AppendBlank().ok());
  EXPECT_EQ(table->recno(), 18001u);
  ASSERT_TRUE(table->PutText(table->Handle("GUDANG"), "ZZZ").ok());
  ASSERT_TRUE(table->PutNumber(table->Handle("JUMLAH"), -12.345).ok());
  EXPECT_TRUE(table->PutNumber(table->Handle("JUMLAH"), 1e12).IsInvalidArgument());
  ASSERT_TRUE(table->Close().ok());
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(bytes.size(), 130u + 18001u * 26u + 1u);
  EXPECT_EQ(bytes.back(), 0x1A);
  EXPECT_EQ(bytes.substr(bytes.size() - 27, 26), " ZZZ" + std::string(16, ' ') + "-12.35");
  EXPECT_EQ(static_cast<unsigned char>(bytes[4]) | (static_cast<unsigned char>(bytes[5]) << 8), 18001);
  uint8_t today[3];
  EncodeUpdateDate(Today(), today);
  EXPECT_EQ(bytes.substr(1, 3), std::string(reinterpret_cast<const char*>(today), 3));
}

// The count in a table's header, as four bytes from offset 4.
uint32_t StoredCount(const std::string& bytes) {
  uint32_t count = 0;
  for (int i = 3; i >= 0; --i) count = (count << 8) | static_cast<unsigned char>(bytes[4 + static_cast<size_t>(i)]);
  return count;
}

// A table opened exclusively counts its records at its close, but a save that appends to it writes
// the count with its records: whichever change on disk fails, the file holds the two records before
// the save with a count of 2, or the three after it with a count of 3, even when its close fails.
TEST(DbfTableTest, AnExclusiveTablesCountLandsWithTheRecordsASaveAppends) {
  constexpr size_t kRecord = 1 + 10;
  bool whole = false;
  for (int k = 1; !whole; ++k) {
    SCOPED_TRACE("failing change " + std::to_string(k));
    TempFolder dir;
    const std::string path = dir.File("t.dbf");
    std::unique_ptr<DbfTable> table;
    ASSERT_TRUE(DbfTable::Create(path, {{"kode", 'C', 10, 0}}, &table).ok());
    for (const char* code : {"A", "B"}) {
      ASSERT_TRUE(table->AppendBlank().ok() && table->PutText(table->Handle("KODE"), code).ok());
    }
    ASSERT_TRUE(table->Close().ok());
    ASSERT_TRUE(DbfTable::Open(path, OpenMode::kExclusive, &table).ok());

    int changes = 0;
    SetWriteFault([&](const std::string& file) {
      return ++changes == k ? Status::IOError(file, "no space left on device") : Status::OK();
    });
    ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
    Status s = table->AppendBlank();
    if (s.ok()) s = table->PutText(table->Handle("KODE"), "C");
    if (s.ok()) s = table->Flush();
    if (s.ok()) s = SaveJournal::Commit();
    if (!s.ok()) SaveJournal::Abandon();
    whole = s.ok() && changes < k;
    // After a save that went through, a close that cannot write anything loses nothing of it.
    if (s.ok()) SetWriteFault([](const std::string& file) { return Status::IOError(file, "no space left on device"); });
    EXPECT_EQ(table->Close().ok(), !s.ok());
    SetWriteFault(nullptr);

    const std::string bytes = ReadFile(path);
    const size_t kHeader = static_cast<unsigned char>(bytes[8]) | (static_cast<unsigned char>(bytes[9]) << 8);
    const uint32_t count = s.ok() ? 3 : 2;
    EXPECT_EQ(StoredCount(bytes), count);
    EXPECT_EQ(bytes.size(), kHeader + count * kRecord + 1);
    EXPECT_EQ(bytes.substr(kHeader + (count - 1) * kRecord, kRecord), std::string(count == 3 ? " C" : " B") + std::string(9, ' '));
    ASSERT_TRUE(DbfTable::Open(path, OpenMode::kShared, &table).ok());
    EXPECT_EQ(table->record_count(), count);
  }
}

// A save whose writes all failed leaves the exclusive table's count where the file is: the next
// record appended follows the last one on disk, with no gap where the dropped one would have been.
TEST(DbfTableTest, AnAppendAfterADroppedSaveFollowsTheRecordsOnDisk) {
  constexpr size_t kRecord = 1 + 10;
  TempFolder dir;
  const std::string path = dir.File("t.dbf");
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Create(path, {{"kode", 'C', 10, 0}}, &table).ok());
  for (const char* code : {"A", "B"}) {
    ASSERT_TRUE(table->AppendBlank().ok() && table->PutText(table->Handle("KODE"), code).ok());
  }
  ASSERT_TRUE(table->Close().ok());
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kExclusive, &table).ok());
  SetWriteFault([](const std::string& file) { return Status::IOError(file, "no space left on device"); });
  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  Status s = table->AppendBlank();
  if (s.ok()) s = table->PutText(table->Handle("KODE"), "C");
  if (s.ok()) s = table->Flush();
  EXPECT_TRUE(s.ok());
  EXPECT_FALSE(SaveJournal::Commit().ok());
  SetWriteFault(nullptr);

  ASSERT_TRUE(table->AppendBlank().ok() && table->PutText(table->Handle("KODE"), "D").ok());
  EXPECT_EQ(table->recno(), 3u);
  ASSERT_TRUE(table->Close().ok());
  const std::string bytes = ReadFile(path);
  const size_t kHeader = static_cast<unsigned char>(bytes[8]) | (static_cast<unsigned char>(bytes[9]) << 8);
  EXPECT_EQ(StoredCount(bytes), 3u);
  ASSERT_EQ(bytes.size(), kHeader + 3 * kRecord + 1);
  EXPECT_EQ(bytes.substr(kHeader + 2 * kRecord), " D" + std::string(9, ' ') + "\x1a");
}

TEST(DbfTableTest, ChangedMemoStaysWhenItFitsAndMovesWhenItGrows) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/CUST.dbf");
  support::CopyFixture(dir, "xbase/CUST.fpt", "cust.FPT");
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Open(dir.File("CUST.dbf"), OpenMode::kExclusive, &table).ok());
  const FieldHandle memo = table->Handle("CATATAN");
  ASSERT_TRUE(table->GoTo(5).ok());
  ASSERT_TRUE(table->PutMemo(memo, "short").ok());
  EXPECT_EQ(table->Bytes(memo), "        16");
  ASSERT_TRUE(table->PutMemo(memo, std::string(100, 'm')).ok());
  EXPECT_EQ(table->Bytes(memo), "       690");
  ASSERT_TRUE(table->GoTo(1).ok());
  ASSERT_TRUE(table->PutMemo(memo, "new memo").ok());
  EXPECT_EQ(table->Bytes(memo), "       692");
  ASSERT_TRUE(table->GoTo(10).ok());
  ASSERT_TRUE(table->PutMemo(memo, "").ok());
  EXPECT_EQ(table->Bytes(memo), "          ");
  ASSERT_TRUE(table->Close().ok());
  ASSERT_TRUE(DbfTable::Open(dir.File("CUST.dbf"), OpenMode::kReadOnly, &table).ok());
  std::string text;
  ASSERT_TRUE(table->GoTo(5).ok());
  ASSERT_TRUE(table->Memo(memo, &text).ok());
  EXPECT_EQ(text, std::string(100, 'm'));
  ASSERT_TRUE(table->GoTo(1).ok());
  ASSERT_TRUE(table->Memo(memo, &text).ok());
  EXPECT_EQ(text, "new memo");
  const std::string fpt = ReadFile(dir.File("cust.FPT"));
  EXPECT_EQ(fpt.size(), 693u * 64u);
  EXPECT_EQ(fpt.substr(0, 4), std::string("\0\0\x02\xb5", 4));
}

TEST(DbfTableTest, ReadsDbtMemos) {
  TempFolder dir;
  std::string dbf = ReadFile(support::Fixture("xbase/STOK.dbf")).substr(0, 130);
  // One memo field M after the fixture's fields: a table with a DBT memo file.
  dbf[0] = static_cast<char>(kDbfWithDbt);
  dbf[4] = 2;
  dbf[5] = 0;
  const std::string descriptor = std::string("M\0\0\0\0\0\0\0\0\0\0M\0\0\0\0\x0a", 17) + std::string(15, '\0');
  dbf = dbf.substr(0, 128) + descriptor + "\r";
  dbf[8] = static_cast<char>(161 & 0xFF);
  dbf[10] = 26 + 10;
  dbf += " 001" + std::string("A", 1) + std::string(9, ' ') + "        1.00" + "         1";
  dbf += " 001" + std::string("B", 1) + std::string(9, ' ') + "        2.00" + std::string(10, ' ') + "\x1A";
  std::string dbt(1024, '\0');
  dbt[0] = 3;
  dbt.replace(512, 24, std::string("first\r\nsecond line\x1A\x1A more", 24));
  support::WriteFile(dir.File("m.dbf"), dbf);
  support::WriteFile(dir.File("M.DBT"), dbt);
  std::unique_ptr<DbfTable> table;
  Status s = DbfTable::Open(dir.File("m.dbf"), OpenMode::kShared, &table);
  ASSERT_TRUE(s.ok()) << s.ToString();
  std::string text;
  ASSERT_TRUE(table->Memo(table->Handle("M"), &text).ok());
  EXPECT_EQ(text, "first\r\nsecond line");
  ASSERT_TRUE(table->GoTo(2).ok());
  ASSERT_TRUE(table->Memo(table->Handle("M"), &text).ok());
  EXPECT_EQ(text, "");
  ASSERT_TRUE(table->LockRecord(2, LockWait::kTry).ok());
  EXPECT_TRUE(table->PutMemo(table->Handle("M"), "x").IsInvalidArgument());
}

TEST(DbfTableTest, DeleteRecallPackAndZap) {
  TempFolder dir;
  support::CopyFixture(dir, "xbase/CUST.dbf");
  support::CopyFixture(dir, "xbase/CUST.fpt");
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Open(dir.File("CUST.dbf"), OpenMode::kShared, &table).ok());
  ASSERT_TRUE(table->GoTo(11).ok());
  EXPECT_TRUE(table->Recall().IsLocked());
  EXPECT_TRUE(table->Pack().IsInvalidArgument());
  ASSERT_TRUE(table->LockRecord(11, LockWait::kTry).ok());
  ASSERT_TRUE(table->Recall().ok());
  ASSERT_TRUE(table->GoTo(12).ok());
  ASSERT_TRUE(table->LockFile(LockWait::kTry).ok());
  ASSERT_TRUE(table->Delete().ok());
  ASSERT_TRUE(table->Close().ok());

  ASSERT_TRUE(DbfTable::Open(dir.File("CUST.dbf"), OpenMode::kExclusive, &table).ok());
  ASSERT_TRUE(table->Pack().ok());
  // 54 records were deleted; 11 came back and 12 went.
  EXPECT_EQ(table->record_count(), 546u);
  ASSERT_TRUE(table->GoTo(11).ok());
  EXPECT_EQ(table->Bytes(table->Handle("KODE")), "C00012    ");
  ASSERT_TRUE(table->GoTo(12).ok());
  EXPECT_EQ(table->Bytes(table->Handle("NAMA")).substr(0, 10), "Bintang 13");
  ASSERT_TRUE(table->Close().ok());
  EXPECT_EQ(ReadFile(dir.File("CUST.dbf")).size(), 258u + 546u * 92u + 1u);

  ASSERT_TRUE(DbfTable::Open(dir.File("CUST.dbf"), OpenMode::kExclusive, &table).ok());
  ASSERT_TRUE(table->Zap().ok());
  EXPECT_TRUE(table->at_end());
  ASSERT_TRUE(table->Close().ok());
  EXPECT_EQ(ReadFile(dir.File("CUST.dbf")).size(), 259u);
  EXPECT_EQ(ReadFile(dir.File("CUST.fpt")).size(), 1024u);
}

// Logs what observers hear, reading the images' keys through record views as an index would.
class RecordingObserver : public TableObserver {
 public:
  explicit RecordingObserver(const DbfTable* table) : table_(table) {}
  Status RecordWritten(uint32_t recno, std::string_view before, std::string_view after) override {
    log += std::to_string(recno) + ":";
    if (!before.empty()) log += std::string(before.substr(0, 1)) + DbfRecordView(table_, before).FieldValue(0).text();
    log += ">" + std::string(after.substr(0, 1)) + DbfRecordView(table_, after).FieldValue(0).text() + ";";
    return Status::OK();
  }
  Status TableRewritten() override {
    log += "rewritten;";
    return Status::OK();
  }
  std::string log;

 private:
  const DbfTable* table_;
};

TEST(DbfTableTest, ObserversHearEachWrittenRecordOnce) {
  TempFolder dir;
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Create(dir.File("t.dbf"), {{"K", 'C', 3, 0}}, &table).ok());
  RecordingObserver observer(table.get());
  table->AddObserver(&observer);
  ASSERT_TRUE(table->AppendBlank().ok());
  ASSERT_TRUE(table->PutText(table->Handle("K"), "abc").ok());
  ASSERT_TRUE(table->PutText(table->Handle("K"), "abd").ok());
  ASSERT_TRUE(table->GoTo(1).ok());
  ASSERT_TRUE(table->PutText(table->Handle("K"), "xyz").ok());
  ASSERT_TRUE(table->Delete().ok());
  ASSERT_TRUE(table->Flush().ok());
  ASSERT_TRUE(table->Pack().ok());
  EXPECT_EQ(observer.log, "1:> abd;1: abd>*xyz;rewritten;");
}

}  // namespace
}  // namespace xbase
