// The save journal: what it keeps, rolling a save back and forward, and others' appends left alone.
#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "support/files.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "xbase/disk_change.h"
#include "xbase/file_lock.h"
#include "xbase/journal_file.h"
#include "xbase/journal_recovery.h"
#include "xbase/save_journal.h"
#include "xbase/write_faults.h"

namespace xbase {
namespace {

using support::ReadFile;
using support::TempFolder;
using support::WriteFile;

std::vector<std::string> Journals(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.rfind(kJournalPrefix, 0) == 0) names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

std::unique_ptr<LockedFile> OpenShared(const std::string& path) {
  std::unique_ptr<LockedFile> file;
  EXPECT_TRUE(LockedFile::Open(path, OpenMode::kShared, &file).ok());
  return file;
}

std::string ReadThrough(const LockedFile& file, uint64_t offset, size_t size) {
  std::string bytes(size, '?');
  size_t got = 0;
  EXPECT_TRUE(file.ReadSome(offset, bytes.data(), size, &got).ok());
  bytes.resize(got);
  return bytes;
}

// The save every crash test makes: overwrites in two files, an append, and a cut.
void WriteTheSave(LockedFile& a, LockedFile& b) {
  ASSERT_TRUE(a.WriteAt(2, "XY", 2).ok());
  ASSERT_TRUE(a.WriteAt(10, "tail", 4).ok());  // past the end: appends
  ASSERT_TRUE(b.Truncate(3).ok());
  ASSERT_TRUE(b.WriteAt(0, "Q", 1).ok());
}

constexpr const char* kBeforeA = "abcdefghij";
constexpr const char* kAfterA = "abXYefghijtail";
constexpr const char* kBeforeB = "0123456789";
constexpr const char* kAfterB = "Q12";

TEST(SaveJournalTest, WritesAreHeldBackSeenByEveryHandleOfTheFileAndLandAtCommit) {
  TempFolder dir;
  WriteFile(dir.File("a.dbf"), kBeforeA);
  WriteFile(dir.File("b.ntx"), kBeforeB);
  auto a = OpenShared(dir.File("a.dbf"));
  auto a_again = OpenShared(dir.File("a.dbf"));
  auto b = OpenShared(dir.File("b.ntx"));
  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  WriteTheSave(*a, *b);
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), kBeforeA);
  EXPECT_EQ(ReadFile(dir.File("b.ntx")), kBeforeB);
  EXPECT_EQ(ReadThrough(*a_again, 0, 100), kAfterA);
  EXPECT_EQ(ReadThrough(*b, 0, 100), kAfterB);
  uint64_t size = 0;
  ASSERT_TRUE(a_again->Size(&size).ok());
  EXPECT_EQ(size, 14u);
  ASSERT_TRUE(b->Truncate(6).ok());  // grown again after the cut: zeros, not the old bytes
  EXPECT_EQ(ReadThrough(*b, 0, 100), std::string("Q12\0\0\0", 6));
  ASSERT_TRUE(b->Truncate(3).ok());

  // Another thread (another workstation) reads the disk as it is.
  std::string seen;
  std::thread other([&] { seen = ReadThrough(*a_again, 0, 100); });
  other.join();
  EXPECT_EQ(seen, kBeforeA);

  ASSERT_TRUE(SaveJournal::Commit().ok());
  EXPECT_EQ(SaveJournal::Active(), nullptr);
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), kAfterA);
  EXPECT_EQ(ReadFile(dir.File("b.ntx")), kAfterB);
  // This thread's journal stays, empty, until the thread ends.
  const std::vector<std::string> journals = Journals(dir.path());
  ASSERT_EQ(journals.size(), 1u);
  EXPECT_EQ(ReadFile(dir.File(journals[0])), "");
}

TEST(SaveJournalTest, AnAbandonedSaveLeavesTheDiskAlone) {
  TempFolder dir;
  WriteFile(dir.File("a.dbf"), kBeforeA);
  WriteFile(dir.File("b.ntx"), kBeforeB);
  auto a = OpenShared(dir.File("a.dbf"));
  auto b = OpenShared(dir.File("b.ntx"));
  const uint64_t undone = SaveJournal::UndoCount();
  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  WriteTheSave(*a, *b);
  SaveJournal::Abandon();
  EXPECT_EQ(SaveJournal::UndoCount(), undone + 1);
  EXPECT_EQ(ReadThrough(*a, 0, 100), kBeforeA);
  EXPECT_EQ(ReadFile(dir.File("b.ntx")), kBeforeB);
  EXPECT_TRUE(Journals(dir.path()).empty());
}

TEST(SaveJournalTest, OnlyTheBytesTheSaveWroteAreWrittenNotOthersOnTheSamePage) {
  TempFolder dir;
  WriteFile(dir.File("a.dbf"), kBeforeA);
  auto a = OpenShared(dir.File("a.dbf"));
  auto other = OpenShared(dir.File("a.dbf"));
  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  ASSERT_TRUE(a->WriteAt(1, "B", 1).ok());
  std::thread workstation([&] { ASSERT_TRUE(other->WriteAt(5, "F", 1).ok()); });
  workstation.join();
  ASSERT_TRUE(SaveJournal::Commit().ok());
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), "aBcdeFghij");
}

// Another workstation reads without the save's locks: at no moment of the commit may the header
// count a record that is not yet in the file.
TEST(SaveJournalTest, AppendedBytesReachTheDiskBeforeTheHeaderThatCountsThem) {
  TempFolder dir;
  WriteFile(dir.File("a.dbf"), "1body");
  std::vector<std::string> seen;  // the file before each change the commit makes to it
  std::thread save([&] {
    auto a = OpenShared(dir.File("a.dbf"));
    SetWriteFault([&](const std::string& path) {
      if (path == dir.File("a.dbf")) seen.push_back(ReadFile(path));
      return Status::OK();
    });
    ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
    ASSERT_TRUE(a->WriteAt(5, "more", 4).ok());
    ASSERT_TRUE(a->WriteAt(0, "2", 1).ok());
    EXPECT_TRUE(SaveJournal::Commit().ok());
    SetWriteFault(nullptr);
  });
  save.join();
  EXPECT_EQ(seen, (std::vector<std::string>{"1body", "1bodymore", "2bodymore"}));
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), "2bodymore");
}

TEST(SaveJournalTest, ASaveBegunInsideAnotherJoinsItAndAFailedInnerOneDropsBoth) {
  TempFolder dir;
  WriteFile(dir.File("a.dbf"), kBeforeA);
  auto a = OpenShared(dir.File("a.dbf"));
  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  ASSERT_TRUE(a->WriteAt(0, "1", 1).ok());
  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  ASSERT_TRUE(a->WriteAt(1, "2", 1).ok());
  ASSERT_TRUE(SaveJournal::Commit().ok());
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), kBeforeA);
  ASSERT_TRUE(SaveJournal::Commit().ok());
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), "12cdefghij");

  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  ASSERT_TRUE(a->WriteAt(0, "x", 1).ok());
  ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
  SaveJournal::Abandon();
  EXPECT_FALSE(SaveJournal::Commit().ok());
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), "12cdefghij");
}

// The flushes that make the save's two files durable: one of their file system on a local disk, one
// a file elsewhere.
int FileFlushes(const TempFolder& dir) {
  const int fd = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
  const bool local = OnLocalDisk(fd);
  ::close(fd);
  return local ? 1 : 2;
}

// Changes on disk of the save above: the journal's write and flush, the folder's flush when the
// journal is made, a cut and three writes, the files' flushes, the journal's cut and flush.
int ChangesOfTheSave(const TempFolder& dir) { return 9 + FileFlushes(dir); }

TEST(SaveJournalTest, AFailureAtAnyChangeOnDiskUndoesTheSaveAtOnce) {
  const int all_changes = ChangesOfTheSave(TempFolder());
  for (int k = 1; k <= all_changes + 1; ++k) {
    SCOPED_TRACE("failing change " + std::to_string(k));
    TempFolder dir;
    WriteFile(dir.File("a.dbf"), kBeforeA);
    WriteFile(dir.File("b.ntx"), kBeforeB);
    const auto journal_path = [&] {
      const std::vector<std::string> journals = Journals(dir.path());
      return journals.empty() ? std::string("(no journal)") : dir.File(journals[0]);
    };
    std::thread save([&] {  // a thread of its own: its journal is made afresh
      auto a = OpenShared(dir.File("a.dbf"));
      auto b = OpenShared(dir.File("b.ntx"));
      int changes = 0;
      SetWriteFault([&](const std::string& path) {
        return ++changes == k ? Status::IOError(path, "no space left on device") : Status::OK();
      });
      ASSERT_TRUE(SaveJournal::Begin(dir.path()).ok());
      WriteTheSave(*a, *b);
      const Status s = SaveJournal::Commit();
      SetWriteFault(nullptr);
      // 1: the folder's flush as the journal is made; 2, 3: the journal; 4 to 7: the writes; then
      // the flushes (a.dbf's first).
      const std::string failed_file = k == 1 ? dir.path() : k <= 3 ? journal_path() : k == 6 || k == 7 || k == 9 ? dir.File("b.ntx") : dir.File("a.dbf");
      if (k <= all_changes - 2) {
        EXPECT_EQ(s.ToString(), "IO error: " + failed_file + ": no space left on device");
        EXPECT_EQ(ReadFile(dir.File("a.dbf")), kBeforeA);
        EXPECT_EQ(ReadFile(dir.File("b.ntx")), kBeforeB);
      } else {
        // The files hold the save: a journal that cannot be emptied is removed instead.
        EXPECT_TRUE(s.ok()) << s.ToString();
        EXPECT_EQ(changes, k <= all_changes ? k + 1 : all_changes);
        EXPECT_EQ(ReadFile(dir.File("a.dbf")), kAfterA);
        EXPECT_EQ(ReadFile(dir.File("b.ntx")), kAfterB);
      }
    });
    save.join();
    std::vector<RecoveredSave> recovered;
    ASSERT_TRUE(RecoverFolder(dir.path(), RecoveryScope::kAll, &recovered).ok());
    EXPECT_TRUE(recovered.empty());
    EXPECT_TRUE(Journals(dir.path()).empty());
  }
}

// A child process makes the save and dies at its k-th change on disk.
int SaveAndDieAt(const TempFolder& dir, int k) {
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  auto a = OpenShared(dir.File("a.dbf"));
  auto b = OpenShared(dir.File("b.ntx"));
  int changes = 0;
  SetWriteFault([&](const std::string&) {
    if (++changes == k) ::_exit(0);
    return Status::OK();
  });
  if (!SaveJournal::Begin(dir.path()).ok()) ::_exit(1);
  WriteTheSave(*a, *b);
  ::_exit(SaveJournal::Commit().ok() ? 2 : 1);
}

TEST(SaveJournalTest, AProcessDyingAtAnyChangeLeavesWhatRecoveryUndoesOrTheWholeSave) {
  const int all_changes = ChangesOfTheSave(TempFolder());
  for (int k = 1; k <= all_changes + 1; ++k) {
    SCOPED_TRACE("dying at change " + std::to_string(k));
    TempFolder dir;
    WriteFile(dir.File("a.dbf"), kBeforeA);
    WriteFile(dir.File("b.ntx"), kBeforeB);
    const int child = SaveAndDieAt(dir, k);
    EXPECT_EQ(support::WaitChild(child), k > all_changes ? 2 : 0);
    std::vector<RecoveredSave> recovered;
    ASSERT_TRUE(RecoverFolder(dir.path(), RecoveryScope::kAll, &recovered).ok());
    EXPECT_TRUE(Journals(dir.path()).empty());
    // Past the journal's flush (change 2) and before its cut (the last change but one) the save is undone.
    if (k >= 3 && k <= all_changes - 1) {
      ASSERT_EQ(recovered.size(), 1u);
      EXPECT_EQ(recovered[0].files, (std::vector<std::string>{"a.dbf", "b.ntx"}));
      EXPECT_TRUE(recovered[0].grown.empty());
      EXPECT_EQ(recovered[0].pid, static_cast<uint32_t>(child));
      EXPECT_NE(RecoveryNotice(recovered[0]).find(") dibatalkan: 2 file dikembalikan"), std::string::npos);
    } else {
      EXPECT_TRUE(recovered.empty());
    }
    const bool saved = k > all_changes - 1;
    EXPECT_EQ(ReadFile(dir.File("a.dbf")), saved ? kAfterA : kBeforeA);
    EXPECT_EQ(ReadFile(dir.File("b.ntx")), saved ? kAfterB : kBeforeB);
  }
}

TEST(SaveJournalTest, RecoveryNeverCutsOffWhatOthersAppendedAfterADeadSave) {
  TempFolder dir;
  WriteFile(dir.File("a.dbf"), kBeforeA);
  WriteFile(dir.File("b.ntx"), kBeforeB);
  // Dies after the journal and the first writes, before the files' flushes.
  EXPECT_EQ(support::WaitChild(SaveAndDieAt(dir, 7)), 0);
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), kAfterA);
  // An old workstation appends a record after the dead save's.
  const int fd = ::open(dir.File("a.dbf").c_str(), O_WRONLY | O_APPEND);
  ASSERT_EQ(::write(fd, "NEW", 3), 3);
  ::close(fd);
  std::vector<RecoveredSave> recovered;
  ASSERT_TRUE(RecoverFolder(dir.path(), RecoveryScope::kChanged, &recovered).ok());
  ASSERT_EQ(recovered.size(), 1u);
  EXPECT_EQ(recovered[0].grown, std::vector<std::string>{"a.dbf"});
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), "abcdefghijtailNEW");
  EXPECT_EQ(ReadFile(dir.File("b.ntx")), kBeforeB);
  EXPECT_NE(RecoveryNotice(recovered[0]).find("2 file dikembalikan; a.dbf tidak dipotong (ditambah pengguna lain)"),
            std::string::npos);
}

TEST(SaveJournalTest, JournalsOfLiveOwnersStayAndTornOnesGo) {
  TempFolder dir;
  WriteFile(dir.File("a.dbf"), kBeforeA);
  // A live owner: this test holds the lock of a whole journal.
  JournalContents contents;
  contents.host = "kasir1";
  contents.pid = 4242;
  contents.files.push_back(JournaledFile{"a.dbf", 10, 10, {BeforeImage{0, "zz"}}});
  const std::string live = dir.File(std::string(kJournalPrefix) + "kasir1-4242-0");
  WriteFile(live, EncodeJournal(contents));
  const int fd = ::open(live.c_str(), O_RDWR);
  struct flock fl = {};
  fl.l_type = F_WRLCK;
  ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &fl), 0);
  // A torn one: its last byte never reached the disk.
  std::string torn = EncodeJournal(contents);
  torn.pop_back();
  WriteFile(dir.File(std::string(kJournalPrefix) + "kasir2-77-0"), torn);
  WriteFile(dir.File(std::string(kJournalPrefix) + "kasir3-78-0"), "");

  std::vector<RecoveredSave> recovered;
  ASSERT_TRUE(RecoverFolder(dir.path(), RecoveryScope::kAll, &recovered).ok());
  ASSERT_EQ(recovered.size(), 1u);
  EXPECT_TRUE(recovered[0].torn);
  EXPECT_EQ(recovered[0].journal, std::string(kJournalPrefix) + "kasir2-77-0");
  EXPECT_EQ(Journals(dir.path()), std::vector<std::string>{std::string(kJournalPrefix) + "kasir1-4242-0"});
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), kBeforeA);

  // Its owner gone, the journal undoes its save.
  ::close(fd);
  recovered.clear();
  ASSERT_TRUE(RecoverFolder(dir.path() + "/", RecoveryScope::kChanged, &recovered).ok());
  ASSERT_EQ(recovered.size(), 1u);
  EXPECT_EQ(RecoveryNotice(recovered[0]), "Simpan yang terputus di kasir1 (proses 4242) dibatalkan: 1 file dikembalikan");
  EXPECT_EQ(ReadFile(dir.File("a.dbf")), "zzcdefghij");
  EXPECT_TRUE(Journals(dir.path()).empty());
}

TEST(SaveJournalTest, TheJournalBytesAreFixedAndEveryDamagedByteIsCaught) {
  JournalContents contents;
  contents.host = "ws";
  contents.pid = 7;
  contents.files.push_back(JournaledFile{"A.DBF", 3, 5, {BeforeImage{1, "xy"}}});
  const std::string bytes = EncodeJournal(contents);
  const std::string body("\x02\x00ws\x07\x00\x00\x00\x01\x00\x00\x00\x05\x00" "A.DBF"
                         "\x03\x00\x00\x00\x00\x00\x00\x00\x05\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00"
                         "\x01\x00\x00\x00\x00\x00\x00\x00\x02\x00\x00\x00xy",
                         53);
  ASSERT_EQ(bytes.size(), 32u + body.size());
  EXPECT_EQ(bytes.substr(0, 20), std::string("PALUNDA-JOURNAL\x1a\x01\x00\x00\x00", 20));
  EXPECT_EQ(bytes.substr(32), body);
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  JournalContents decoded;
  ASSERT_TRUE(DecodeJournal(bytes, &decoded).ok());
  EXPECT_EQ(decoded.host, "ws");
  EXPECT_EQ(decoded.files[0].images[0].bytes, "xy");
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::string damaged = bytes;
    damaged[i] ^= 0x20;
    EXPECT_TRUE(DecodeJournal(damaged, &decoded).IsCorruption()) << "byte " << i;
  }
}

}  // namespace
}  // namespace xbase
