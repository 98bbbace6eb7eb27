// LockedFile: an open data file holding its open-mode lock, with positioned reads and writes
// and the byte-range locks that processes sharing the file take on it. Where the file's folder is
// reached through maps (xbase/file_access.h), reads come from a map of the file.
#ifndef PALUNDA_XBASE_FILE_LOCK_H_
#define PALUNDA_XBASE_FILE_LOCK_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/save_journal.h"
#include "xbase/status.h"

namespace xbase {

// How a table, memo or index file is opened.
enum class OpenMode { kShared, kExclusive, kReadOnly };

// Whether a byte-range lock waits for a conflicting holder or gives up at once.
enum class LockWait { kTry, kWait };

// Base offset of the lock bytes far beyond the end of every file.
inline constexpr uint64_t kLockBase = 1000000000;

// The error for a path that is there but is a folder, pipe or device instead of a file (`mode` as
// stat gives it).
Status NotAFile(const std::string& path, unsigned mode);

class LockedFile {
 public:
  // Opens an existing file and takes its whole-file lock without waiting (shared for kShared and
  // kReadOnly, exclusive for kExclusive); InUse when another handle holds it the other way,
  // InvalidArgument when the path is a folder, pipe or device.
  static Status Open(const std::string& path, OpenMode mode, std::unique_ptr<LockedFile>* file);
  // Creates (or empties) a file and opens it exclusively; InUse when another handle has it open.
  static Status Create(const std::string& path, std::unique_ptr<LockedFile>* file);

  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  ~LockedFile();

  const std::string& path() const { return path_; }
  OpenMode mode() const { return mode_; }
  bool writable() const { return mode_ != OpenMode::kReadOnly; }
  // The descriptor, for mapping the file.
  int fd() const { return fd_; }
  // True when the file's folder is reached through maps (a local disk, or as Palunda.ini says).
  bool mapped() const { return mapped_; }
  // Device and inode: the same for every handle of the file.
  const FileIdentity& identity() const { return identity_; }
  // True while this thread's save holds back writes to the file (xbase/save_journal.h): its bytes
  // must then be read through this handle, never from a map.
  bool held_back() const {
    const SaveJournal* journal = SaveJournal::Active();
    return journal != nullptr && journal->Tracks(identity_);
  }

  // Reads exactly `size` bytes at `offset`; Corruption when the file ends before.
  Status ReadAt(uint64_t offset, void* data, size_t size) const;
  // Reads up to `size` bytes at `offset`; `*got` tells how many there were.
  Status ReadSome(uint64_t offset, void* data, size_t size, size_t* got) const;
  // Writes all `size` bytes at `offset`. While this thread's save writes, writes and cuts are held
  // back by its journal, and the reads, sizes and cuts of this thread see them.
  Status WriteAt(uint64_t offset, const void* data, size_t size);
  // The current size of the file.
  Status Size(uint64_t* size) const;
  // Cuts or extends the file to `size` bytes.
  Status Truncate(uint64_t size);

  // Takes a byte-range lock owned by this handle (its open file description).
  Status Lock(uint64_t start, uint64_t length, bool exclusive, LockWait wait);
  // Releases a byte-range lock of this handle.
  void Unlock(uint64_t start, uint64_t length);

 private:
  LockedFile(std::string path, int fd, OpenMode mode);

  // Maps the file as it is now for reads, when mapped; bytes past the mapping are read with pread.
  // The page cache backs both, so a mapped read sees what another process wrote as soon as a pread
  // would. Where no map can be made, the file is read directly from then on.
  void Map() const;
  void Unmap() const;

  std::string path_;
  int fd_;
  FileIdentity identity_;
  OpenMode mode_;
  mutable bool mapped_;
  mutable const char* map_ = nullptr;
  mutable uint64_t map_size_ = 0;
  mutable uint64_t unmapped_reads_ = 0;  // reads past the mapping since it was made
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_FILE_LOCK_H_
