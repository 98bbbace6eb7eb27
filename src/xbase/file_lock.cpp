// LockedFile: an open data file holding its open-mode lock, with positioned reads and writes
// and the byte-range locks that processes sharing the file take on it.
#include "xbase/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "xbase/disk_change.h"
#include "xbase/file_access.h"
#include "xbase/mapped_copy.h"

namespace xbase {

namespace {

// Reads past the mapping after which the file is mapped again.
constexpr uint64_t kRemapAfter = 256;

Status Errno(const std::string& path, const char* what) {
  return Status::IOError(path, std::string(what) + ": " + std::strerror(errno));
}

// The whole-file open-mode lock is a BSD flock: it belongs to the open file description and is
// independent of the byte-range locks, so shared holders can still lock records against each other.
// On a file server a handle just closed gives its lock back a moment later, later still when the
// server is busy: there a refusal is tried again for up to two seconds before the file counts as in use.
Status TakeOpenLock(int fd, const std::string& path, bool exclusive, bool local) {
  int retries = local ? 0 : 400;
  while (flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return Errno(path, "lock");
    if (retries-- == 0) return Status::InUse(path, "in use");
    ::usleep(5000);
  }
  return Status::OK();
}

}  // namespace

Status NotAFile(const std::string& path, unsigned mode) {
  if (S_ISDIR(mode)) return Status::InvalidArgument(path, "is a folder, not a file");
  if (S_ISFIFO(mode)) return Status::InvalidArgument(path, "is a pipe, not a file");
  if (S_ISCHR(mode) || S_ISBLK(mode)) return Status::InvalidArgument(path, "is a device, not a file");
  return Status::InvalidArgument(path, "is not a regular file");
}

Status LockedFile::Open(const std::string& path, OpenMode mode, std::unique_ptr<LockedFile>* file) {
  // Non-blocking, so that a pipe where a file should be cannot hang the open; refused below.
  const int flags = (mode == OpenMode::kReadOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC | O_NONBLOCK;
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) {
    if (errno == ENOENT) return Status::NotFound(path, "no such file");
    struct stat st;
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return NotAFile(path, st.st_mode);
    return Errno(path, "open");
  }
  std::unique_ptr<LockedFile> opened(new LockedFile(path, fd, mode));
  struct stat st;
  if (::fstat(fd, &st) != 0) return Errno(path, "stat");
  if (!S_ISREG(st.st_mode)) return NotAFile(path, st.st_mode);
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  Status s = TakeOpenLock(fd, path, mode == OpenMode::kExclusive, opened->mapped());
  if (!s.ok()) return s;
  opened->Map();
  *file = std::move(opened);
  return Status::OK();
}

Status LockedFile::Create(const std::string& path, std::unique_ptr<LockedFile>* file) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return Errno(path, "create");
  std::unique_ptr<LockedFile> created(new LockedFile(path, fd, OpenMode::kExclusive));
  Status s = TakeOpenLock(fd, path, true, created->mapped());
  if (!s.ok()) return s;
  s = created->Truncate(0);
  if (!s.ok()) return s;
  *file = std::move(created);
  return Status::OK();
}

LockedFile::LockedFile(std::string path, int fd, OpenMode mode)
    : path_(std::move(path)), fd_(fd), mode_(mode), mapped_(MapsFileAt(fd)) {
  struct stat st;
  if (::fstat(fd, &st) == 0) identity_ = FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

LockedFile::~LockedFile() {
  Unmap();
  ::close(fd_);
}

void LockedFile::Map() const {
  uint64_t size = 0;
  if (!mapped_ || !Size(&size).ok() || size == 0) return;
  void* map = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd_, 0);
  if (map == MAP_FAILED) {
    mapped_ = false;
    return;
  }
  map_ = static_cast<const char*>(map);
  map_size_ = size;
  unmapped_reads_ = 0;
}

void LockedFile::Unmap() const {
  if (map_ != nullptr) ::munmap(const_cast<char*>(map_), map_size_);
  map_ = nullptr;
  map_size_ = 0;
}

Status LockedFile::ReadSome(uint64_t offset, void* data, size_t size, size_t* got) const {
  if (SaveJournal* journal = SaveJournal::Active(); journal != nullptr && journal->Tracks(identity_)) {
    return journal->Read(*this, offset, data, size, got);
  }
  if (offset + size <= map_size_) {
    if (CopyMapped(data, map_ + offset, size)) {
      *got = size;
      return Status::OK();
    }
    // Another process cut the file short under the mapping: map what is left, and let the read
    // below tell how much of the wanted range is still there.
    Unmap();
    Map();
  } else if (mapped_ && ++unmapped_reads_ > kRemapAfter) {
    // The file grew past the mapping (appends): after a while, map it again as it is now.
    Unmap();
    Map();
  }
  return ReadFully(fd_, path_, offset, data, size, got);
}

Status LockedFile::ReadAt(uint64_t offset, void* data, size_t size) const {
  size_t got = 0;
  Status s = ReadSome(offset, data, size, &got);
  if (s.ok() && got != size) {
    // Short of the read's end, or, when another process cut it, short of the read's start.
    uint64_t length = offset + got;
    if (got == 0 && !Size(&length).ok()) length = offset;
    return Status::Corruption(path_, "file ends at " + std::to_string(length) + ", before " +
                                         std::to_string(offset + size));
  }
  return s;
}

Status LockedFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  if (SaveJournal* journal = SaveJournal::Active()) return journal->Write(*this, offset, data, size);
  return WriteFully(fd_, path_, offset, data, size);
}

Status LockedFile::Size(uint64_t* size) const {
  if (SaveJournal* journal = SaveJournal::Active(); journal != nullptr && journal->Tracks(identity_)) {
    return journal->Size(*this, size);
  }
  struct stat st;
  if (::fstat(fd_, &st) != 0) return Errno(path_, "stat");
  *size = static_cast<uint64_t>(st.st_size);
  return Status::OK();
}

Status LockedFile::Truncate(uint64_t size) {
  if (SaveJournal* journal = SaveJournal::Active()) return journal->Truncate(*this, size);
  // Mapped pages past a new end would fault: drop the mapping first.
  Unmap();
  const Status s = CutTo(fd_, path_, size);
  Map();
  return s;
}

Status LockedFile::Lock(uint64_t start, uint64_t length, bool exclusive, LockWait wait) {
  struct flock fl;
  std::memset(&fl, 0, sizeof fl);
  fl.l_type = static_cast<short>(exclusive ? F_WRLCK : F_RDLCK);
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(start);
  fl.l_len = static_cast<off_t>(length);
  const int command = wait == LockWait::kWait ? F_OFD_SETLKW : F_OFD_SETLK;
  while (::fcntl(fd_, command, &fl) != 0) {
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EACCES) return Status::Locked(path_, "locked by another user");
    return Errno(path_, "lock");
  }
  return Status::OK();
}

void LockedFile::Unlock(uint64_t start, uint64_t length) {
  struct flock fl;
  std::memset(&fl, 0, sizeof fl);
  fl.l_type = F_UNLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(start);
  fl.l_len = static_cast<off_t>(length);
  ::fcntl(fd_, F_OFD_SETLK, &fl);
}

}  // namespace xbase
