// Recovery of the saves of workstations that died while writing.
#include "xbase/journal_recovery.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "xbase/disk_change.h"
#include "xbase/file_lock.h"
#include "xbase/journal_file.h"
#include "xbase/save_journal.h"

namespace xbase {

namespace {

// How long a file another user has locked is waited for before recovery gives up for now.
constexpr int kLockTries = 60;
constexpr useconds_t kLockPause = 50000;

// Every lock byte of a file: a table's append and file locks and its records, an index's or memo's lock.
constexpr uint64_t kAllLockBytes = kLockBase + 1;

std::vector<std::string> JournalNames(const std::string& folder, RecoveryScope scope) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.compare(0, kJournalPrefix.size(), kJournalPrefix) != 0) continue;
    struct stat st;
    if (scope == RecoveryScope::kChanged && (::fstatat(::dirfd(dir), entry->d_name, &st, 0) != 0 || st.st_size == 0)) continue;
    names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

Status LockWholeFile(LockedFile& file) {
  Status s;
  for (int attempt = 0; attempt < kLockTries; ++attempt) {
    s = file.Lock(kLockBase, kAllLockBytes, true, LockWait::kTry);
    if (!s.IsLocked()) return s;
    ::usleep(kLockPause);
  }
  return Status::Locked(file.path(), "in use: the unfinished save that changed it is undone when it is free");
}

// Undoes the save of one whole journal: the files it names opened and locked, the old bytes and
// lengths put back and flushed.
Status UndoSave(const std::string& folder, const JournalContents& contents, RecoveredSave* save) {
  std::vector<std::unique_ptr<LockedFile>> files;
  std::vector<int> fds;
  std::vector<std::string> paths;
  for (const JournaledFile& journaled : contents.files) {
    const std::string path = journaled.name.find('/') == std::string::npos ? folder + "/" + journaled.name : journaled.name;
    std::unique_ptr<LockedFile> file;
    Status s = LockedFile::Open(path, OpenMode::kShared, &file);
    if (s.ok()) s = LockWholeFile(*file);
    if (!s.ok()) return s;
    fds.push_back(file->fd());
    paths.push_back(path);
    files.push_back(std::move(file));
    save->files.push_back(journaled.name);
  }
  return UndoJournal(contents, fds, paths, &save->grown);
}

// Finishes the journal `name` if its owner is gone; `*finished` tells whether it did.
Status RecoverJournal(const std::string& folder, const std::string& name, RecoveredSave* save, bool* finished) {
  *finished = false;
  const std::string path = folder + "/" + name;
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? Status::OK() : Status::IOError(path, std::string("open: ") + std::strerror(errno));
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat mine;
  // A live owner holds the lock; a name that leads elsewhere now was finished by another recovery.
  if (!LockJournalFile(fd, path) || ::fstat(fd, &mine) != 0) return Status::OK();
  std::string bytes(static_cast<size_t>(mine.st_size), '\0');
  size_t got = 0;
  Status s = ReadFully(fd, path, 0, bytes.data(), bytes.size(), &got);
  if (!s.ok()) return s;
  bytes.resize(got);
  save->journal = name;
  JournalContents contents;
  if (!DecodeJournal(bytes, &contents).ok()) {
    save->torn = !bytes.empty();
    *finished = save->torn;
    return RemoveFile(path);
  }
  save->host = contents.host;
  save->pid = contents.pid;
  s = UndoSave(folder, contents, save);
  // Gone, the journal can never undo the save a second time over what others write next.
  if (s.ok()) s = RemoveFile(path);
  if (s.ok()) s = FlushFolder(folder);
  *finished = s.ok();
  return s;
}

}  // namespace

Status RecoverFolder(const std::string& folder_as_given, RecoveryScope scope, std::vector<RecoveredSave>* recovered) {
  std::string folder = folder_as_given;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  for (const std::string& name : JournalNames(folder, scope)) {
    RecoveredSave save;
    bool finished = false;
    const Status s = RecoverJournal(folder, name, &save, &finished);
    if (!s.ok()) return s;
    if (finished) recovered->push_back(std::move(save));
  }
  return Status::OK();
}

std::string RecoveryNotice(const RecoveredSave& save) {
  if (save.torn) return "Jurnal simpan yang terputus sebelum menulis dihapus: " + save.journal;
  std::string text = "Simpan yang terputus di " + save.host + " (proses " + std::to_string(save.pid) +
                     ") dibatalkan: " + std::to_string(save.files.size()) + " file dikembalikan";
  for (const std::string& grown : save.grown) text += "; " + grown + " tidak dipotong (ditambah pengguna lain)";
  return text;
}

}  // namespace xbase
