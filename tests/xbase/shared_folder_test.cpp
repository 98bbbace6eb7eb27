// Two processes sharing one folder through tables and indexes: locked bumps, appends with two indexes,
// and a reader walking in index order while another process inserts. Each runs on a local folder and
// through two FUSE mounts that cache nothing, the way workstations reach a folder on a file server.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "support/fuse_mounts.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "xbase/dbf_table.h"
#include "xbase/file_access.h"
#include "xbase/ntx_orders.h"
#include "xbase/session.h"

namespace xbase {
namespace {

using support::RunProgram;
using support::StartProgram;
using support::WaitChild;

// The folder as two workstations reach it: one local folder twice, or the two FUSE mounts.
class SharedFolderTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!GetParam()) {
      local_ = std::make_unique<support::TempFolder>();
      first_ = second_ = local_->path();
      return;
    }
    mounts_ = std::make_unique<support::FuseMounts>();
    ASSERT_FUSE_MOUNTED(*mounts_);
    first_ = mounts_->first();
    second_ = mounts_->second();
  }

  // A table LOG (TEKS C 24, QTY N 8) with `records` records, and the index files LOG1 on TEKS and
  // LOG2 on QTY and TEKS, made through the first workstation.
  void MakeLog(uint32_t records) {
    std::unique_ptr<DbfTable> table;
    ASSERT_TRUE(DbfTable::Create(First("LOG.dbf"), {{"TEKS", 'C', 24, 0}, {"QTY", 'N', 8, 0}}, &table).ok());
    for (uint32_t r = 1; r <= records; ++r) {
      ASSERT_TRUE(table->AppendBlank().ok());
      ASSERT_TRUE(table->PutText(table->Handle("TEKS"), "R" + std::to_string(100000 + r)).ok());
    }
    ASSERT_TRUE(table->Close().ok());
    int status = 0;
    RunProgram("dbtool", {"index", First("LOG.dbf"), First("LOG1.ntx"), "TEKS"}, &status);
    ASSERT_EQ(status, 0);
    RunProgram("dbtool", {"index", First("LOG.dbf"), First("LOG2.ntx"), "Str(QTY, 8) + TEKS"}, &status);
    ASSERT_EQ(status, 0);
  }

  // Both index files checked against the table from the second workstation.
  void ExpectIndexesSound() {
    int status = 0;
    EXPECT_EQ(RunProgram("dbtool", {"check", Second("LOG.dbf"), Second("LOG1.ntx"), Second("LOG2.ntx")}, &status),
              "OK\n");
    EXPECT_EQ(status, 0);
  }

  std::string First(const std::string& name) const { return first_ + "/" + name; }
  std::string Second(const std::string& name) const { return second_ + "/" + name; }
  const std::string& second_folder() const { return second_; }

 private:
  std::unique_ptr<support::TempFolder> local_;
  std::unique_ptr<support::FuseMounts> mounts_;
  std::string first_;
  std::string second_;
};

TEST_P(SharedFolderTest, LockedBumpsThroughBothWorkstationsLoseNone) {
  MakeLog(20);
  const int a = StartProgram("dbtool", {"bump", First("LOG.dbf"), "QTY", "7", "800", "--index", First("LOG1.ntx"),
                                        First("LOG2.ntx")});
  const int b = StartProgram("dbtool", {"bump", Second("LOG.dbf"), "QTY", "7", "800", "--index",
                                        Second("LOG1.ntx"), Second("LOG2.ntx")});
  EXPECT_EQ(WaitChild(a), 0);
  EXPECT_EQ(WaitChild(b), 0);
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Open(Second("LOG.dbf"), OpenMode::kReadOnly, &table).ok());
  ASSERT_TRUE(table->GoTo(7).ok());
  EXPECT_EQ(table->Number(table->Handle("QTY")), 1600);
  table.reset();
  ExpectIndexesSound();
}

TEST_P(SharedFolderTest, AppendsWithTwoIndexesFromBothWorkstationsAreAllThere) {
  MakeLog(0);
  const int a = StartProgram("dbtool", {"append", First("LOG.dbf"), "800", "--index", First("LOG1.ntx"),
                                        First("LOG2.ntx")});
  const int b = StartProgram("dbtool", {"append", Second("LOG.dbf"), "800", "--index", Second("LOG1.ntx"),
                                        Second("LOG2.ntx")});
  EXPECT_EQ(WaitChild(a), 0);
  EXPECT_EQ(WaitChild(b), 0);
  std::unique_ptr<DbfTable> table;
  ASSERT_TRUE(DbfTable::Open(First("LOG.dbf"), OpenMode::kReadOnly, &table).ok());
  ASSERT_EQ(table->record_count(), 1600u);
  std::set<std::string> texts;
  for (uint32_t recno = 1; recno <= 1600; ++recno) {
    ASSERT_TRUE(table->GoTo(recno).ok());
    texts.insert(std::string(table->Bytes(table->Handle("TEKS"))));
  }
  EXPECT_EQ(texts.size(), 1600u);
  table.reset();
  ExpectIndexesSound();
}

// While another process appends through its index, every walk in index order here is in order, never
// shorter than the one before, and the last one after the writer ended finds every record.
TEST_P(SharedFolderTest, AReaderWalksInOrderWhileAnotherProcessInserts) {
  MakeLog(300);
  Session reader(SearchPath({second_folder()}));
  WorkArea* area = nullptr;
  ASSERT_TRUE(reader.Use("LOG", "", OpenMode::kShared, &area).ok());
  ASSERT_TRUE(area->orders().Open(Second("LOG1.ntx")).ok());
  const int writer = StartProgram(
      "dbtool", {"append", First("LOG.dbf"), "1000", "--index", First("LOG1.ntx"), First("LOG2.ntx")});
  size_t walks = 0, last = 0;
  int status = 0;
  for (bool writing = true; writing;) {
    // Asked before the walk, so that the walk after the writer's end sees all it wrote.
    writing = ::waitpid(writer, &status, WNOHANG) == 0;
    std::vector<std::string> keys;
    for (Status s = area->GoTop(); !area->eof(); s = area->Skip(1)) {
      ASSERT_TRUE(s.ok()) << s.ToString();
      keys.push_back(area->Text("TEKS"));
    }
    ASSERT_TRUE(std::is_sorted(keys.begin(), keys.end())) << "walk " << walks;
    ASSERT_GE(keys.size(), last) << "walk " << walks;
    last = keys.size();
    ++walks;
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(last, 1300u);
  EXPECT_GT(walks, 1u);
  ExpectIndexesSound();
}

INSTANTIATE_TEST_SUITE_P(LocalAndFileServer, SharedFolderTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& param) {
                           return std::string(param.param ? "TwoFuseMounts" : "LocalFolder");
                         });

// A file on a FUSE mount is read without maps; a local one with them, unless the setting says otherwise.
TEST(FileAccessTest, MapsOnlyLocalFilesUnlessTheSettingSays) {
  support::TempFolder local;
  support::FuseMounts mounts;
  ASSERT_FUSE_MOUNTED(mounts);
  const int local_fd = ::open(local.File("x").c_str(), O_CREAT | O_RDWR, 0644);
  const int fuse_fd = ::open((mounts.first() + "/x").c_str(), O_CREAT | O_RDWR, 0644);
  ASSERT_GE(local_fd, 0);
  ASSERT_GE(fuse_fd, 0);
  EXPECT_TRUE(MapsFileAt(local_fd));
  EXPECT_FALSE(MapsFileAt(fuse_fd));
  SetFileAccess(FileAccess::kDirect);
  EXPECT_FALSE(MapsFileAt(local_fd));
  SetFileAccess(FileAccess::kMapped);
  EXPECT_TRUE(MapsFileAt(fuse_fd));
  SetFileAccess(FileAccess::kAutomatic);
  ::close(local_fd);
  ::close(fuse_fd);

  FileAccess access = FileAccess::kAutomatic;
  ASSERT_TRUE(ParseFileAccess("DIRECT", &access).ok());
  EXPECT_EQ(access, FileAccess::kDirect);
  EXPECT_EQ(ParseFileAccess("nfs", &access).ToString(),
            "Invalid argument: 'nfs' is not one of automatic, mapped and direct");
}

// Asked to map where the mount refuses maps, index files are read and written directly.
TEST(FileAccessTest, AnIndexOnAMountThatRefusesMapsWorksWhenMapsAreAskedFor) {
  support::FuseMounts mounts;
  ASSERT_FUSE_MOUNTED(mounts);
  SetFileAccess(FileAccess::kMapped);
  Session session(SearchPath({mounts.first()}));
  WorkArea* area = nullptr;
  Status s = session.CreateTable("T", {DbfField{"KODE", 'C', 8, 0}});
  if (s.ok()) s = session.Use("T", "", OpenMode::kShared, &area);
  if (s.ok()) s = area->orders().Create(mounts.first() + "/T1.ntx", NtxOrderSpec{"KODE", "", false, false});
  for (int i = 0; s.ok() && i < 400; ++i) {
    s = area->Append();
    if (s.ok()) s = area->Put("KODE", Value::Text(std::to_string(1000 - i)));
    if (s.ok()) s = area->Unlock();
  }
  SetFileAccess(FileAccess::kAutomatic);
  ASSERT_TRUE(s.ok()) << s.ToString();
  ASSERT_TRUE(area->orders().Seek(Value::Text("700")).ok());
  EXPECT_EQ(area->recno(), 301u);
  std::vector<std::string> faults;
  ASSERT_TRUE(area->orders().Check(&faults).ok());
  EXPECT_TRUE(faults.empty());
}

}  // namespace
}  // namespace xbase
