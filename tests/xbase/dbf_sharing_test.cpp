// Two processes sharing one table: locked updates, appends and what each sees.
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "support/files.h"
#include "support/fixtures.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "xbase/dbf_table.h"

namespace xbase {
namespace {

using support::TempFolder;
using support::WaitChild;

TEST(DbfSharingTest, TwoProcessesBumpingOneRecordLoseNoUpdate) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/STOK.dbf");
  const int a = support::StartProgram("dbtool", {"bump", path, "JUMLAH", "7", "5000"});
  const int b = support::StartProgram("dbtool", {"bump", path, "jumlah", "7", "5000"});
  EXPECT_EQ(WaitChild(a), 0);
  EXPECT_EQ(WaitChild(b), 0);
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kReadOnly, &table).ok());
  ASSERT_TRUE(table->GoTo(7).ok());
  EXPECT_EQ(table->Bytes(table->Handle("JUMLAH")), "    10007.00");
}

TEST(DbfSharingTest, TwoProcessesAppendingGetDistinctRecordsAndTheRightCount) {
  TempFolder dir;
  const std::string path = dir.File("log.dbf");
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Create(path, {{"TEKS", 'C', 24, 0}, {"N", 'N', 4, 0}}, &table).ok());
  ASSERT_TRUE(table->Close().ok());
  const int a = support::StartProgram("dbtool", {"append", path, "10000"});
  const int b = support::StartProgram("dbtool", {"append", path, "10000"});
  EXPECT_EQ(WaitChild(a), 0);
  EXPECT_EQ(WaitChild(b), 0);
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kReadOnly, &table).ok());
  ASSERT_EQ(table->record_count(), 20000u);
  std::set<std::string> texts;
  for (uint32_t recno = 1; recno <= 20000; ++recno) {
    ASSERT_TRUE(table->GoTo(recno).ok());
    texts.insert(std::string(table->Bytes(table->Handle("TEKS"))));
  }
  EXPECT_EQ(texts.size(), 20000u);
  std::string last = "P" + std::to_string(a) + "-10000";
  last.resize(24, ' ');
  EXPECT_EQ(texts.count(last), 1u);
  EXPECT_EQ(support::ReadFile(path).size(), 98u + 20000u * 29u + 1u);
}

TEST(DbfSharingTest, ReaderSeesAnotherProcessesAppendAtOnce) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/STOK.dbf");
  std::unique_ptr<DbfTable> reader;
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kShared, &reader).ok());
  ASSERT_EQ(reader->record_count(), 18000u);
  const int pid = support::StartProgram("dbtool", {"append", path, "1"});
  ASSERT_EQ(WaitChild(pid), 0);
  ASSERT_TRUE(reader->GoTo(18001).ok());
  EXPECT_FALSE(reader->at_end());
  EXPECT_EQ(reader->Bytes(reader->Handle("GUDANG")), ("P" + std::to_string(pid)).substr(0, 3));
}

// Opens `path` in `mode` in a child process and keeps it open until the returned pipe is closed.
int HoldInChild(const std::string& path, OpenMode mode, int* release) {
  int ready[2];
  int done[2];
  if (::pipe(ready) != 0 || ::pipe(done) != 0) return -1;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(ready[0]);
    ::close(done[1]);
    std::unique_ptr<DbfTable> table;
    const char ok = DbfTable::Open(path, mode, &table).ok() ? 'y' : 'n';
    (void)!::write(ready[1], &ok, 1);
    char byte;
    (void)!::read(done[0], &byte, 1);
    ::_exit(0);
  }
  ::close(ready[1]);
  ::close(done[0]);
  char ok = 'n';
  (void)!::read(ready[0], &ok, 1);
  ::close(ready[0]);
  *release = done[1];
  return ok == 'y' ? pid : -1;
}

TEST(DbfSharingTest, ExclusiveAndSharedOpensExcludeEachOtherAcrossProcesses) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/STOK.dbf");
  std::unique_ptr<DbfTable> table;
  int release = -1;
  int pid = HoldInChild(path, OpenMode::kExclusive, &release);
  ASSERT_GT(pid, 0);
  Status s = DbfTable::Open(path, OpenMode::kShared, &table);
  EXPECT_TRUE(s.IsInUse()) << s.ToString();
  EXPECT_EQ(s.message(), path + ": in use");
  EXPECT_TRUE(DbfTable::Open(path, OpenMode::kReadOnly, &table).IsInUse());
  ::close(release);
  WaitChild(pid);

  pid = HoldInChild(path, OpenMode::kShared, &release);
  ASSERT_GT(pid, 0);
  EXPECT_TRUE(DbfTable::Open(path, OpenMode::kExclusive, &table).IsInUse());
  EXPECT_TRUE(DbfTable::Open(path, OpenMode::kShared, &table).ok());
  ::close(release);
  WaitChild(pid);
}

TEST(DbfSharingTest, TwoHandlesInOneProcessExcludeEachOther) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/STOK.dbf");
  std::unique_ptr<DbfTable> first;
  std::unique_ptr<DbfTable> second;
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kExclusive, &first).ok());
  EXPECT_TRUE(DbfTable::Open(path, OpenMode::kShared, &second).IsInUse());
  first.reset();
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kShared, &first).ok());
  EXPECT_TRUE(DbfTable::Open(path, OpenMode::kExclusive, &second).IsInUse());
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kShared, &second).ok());

  // Record locks and the file lock of one handle keep the other out.
  ASSERT_TRUE(first->LockRecord(3, LockWait::kTry).ok());
  EXPECT_TRUE(second->LockRecord(3, LockWait::kTry).IsLocked());
  EXPECT_TRUE(second->LockRecord(4, LockWait::kTry).ok());
  EXPECT_TRUE(first->LockFile(LockWait::kTry).IsLocked());
  ASSERT_TRUE(second->UnlockAll().ok());
  ASSERT_TRUE(first->LockFile(LockWait::kTry).ok());
  EXPECT_TRUE(second->LockRecord(9, LockWait::kTry).IsLocked());
  // A record lock of the first handle given up under its file lock leaves the file locked.
  ASSERT_TRUE(first->UnlockRecord(3).ok());
  EXPECT_TRUE(second->LockRecord(3, LockWait::kTry).IsLocked());
  ASSERT_TRUE(first->UnlockAll().ok());
  EXPECT_TRUE(second->LockRecord(3, LockWait::kTry).ok());
}

TEST(DbfSharingTest, LockingRereadsWhatAnotherHandleWrote) {
  TempFolder dir;
  const std::string path = support::CopyFixture(dir, "xbase/STOK.dbf");
  std::unique_ptr<DbfTable> first;
  std::unique_ptr<DbfTable> second;
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kShared, &first).ok());
  ASSERT_TRUE(DbfTable::Open(path, OpenMode::kShared, &second).ok());
  const FieldHandle jumlah = first->Handle("JUMLAH");
  ASSERT_TRUE(second->GoTo(2).ok());
  EXPECT_TRUE(second->PutNumber(jumlah, 5).IsLocked());
  ASSERT_TRUE(first->GoTo(2).ok());
  ASSERT_TRUE(first->LockRecord(2, LockWait::kTry).ok());
  ASSERT_TRUE(first->PutNumber(jumlah, 40).ok());
  ASSERT_TRUE(first->UnlockRecord(2).ok());
  EXPECT_EQ(second->Number(jumlah), 2);
  ASSERT_TRUE(second->LockRecord(2, LockWait::kWait).ok());
  EXPECT_EQ(second->Number(jumlah), 40);
}

}  // namespace
}  // namespace xbase

namespace xbase {
namespace {

// The reader reads the first records through its mapping of the file and the appended ones
// past it, until it maps the grown file again.
TEST(DbfSharingTest, ReaderFollowsManyAppendsOfAnotherHandle) {
  TempFolder dir;
  std::unique_ptr<DbfTable> writer;
  ASSERT_TRUE(DbfTable::Create(dir.File("t.dbf"), {{"N", 'N', 6, 0}}, &writer).ok());
  ASSERT_TRUE(writer->Close().ok());
  ASSERT_TRUE(DbfTable::Open(dir.File("t.dbf"), OpenMode::kShared, &writer).ok());
  std::unique_ptr<DbfTable> reader;
  ASSERT_TRUE(DbfTable::Open(dir.File("t.dbf"), OpenMode::kShared, &reader).ok());
  const FieldHandle n = writer->Handle("N");
  for (uint32_t recno = 1; recno <= 700; ++recno) {
    ASSERT_TRUE(writer->AppendBlank().ok());
    ASSERT_TRUE(writer->PutNumber(n, recno * 3).ok());
    ASSERT_TRUE(writer->UnlockRecord(recno).ok());
    ASSERT_TRUE(reader->GoTo(recno).ok());
    ASSERT_EQ(reader->Number(n), recno * 3) << recno;
  }
  ASSERT_TRUE(writer->GoTo(5).ok());
  ASSERT_TRUE(writer->LockRecord(5, LockWait::kTry).ok());
  ASSERT_TRUE(writer->PutNumber(n, 1).ok());
  ASSERT_TRUE(writer->UnlockAll().ok());
  ASSERT_TRUE(reader->GoTo(5).ok());
  EXPECT_EQ(reader->Number(n), 1);
}

}  // namespace
}  // namespace xbase
