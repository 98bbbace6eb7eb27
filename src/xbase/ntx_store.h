// NtxStore: an open NTX file: its open-mode lock, the index lock, the header and a cache of its pages that
// stays valid while the header version does not move. Pages are written with positioned writes, the
// version last. They are read one of two ways, as the file's folder is reached (xbase/file_access.h):
// - mapped (local disks): the file is mapped shared, so the version is read without a system call or
//   lock, and the index lock is taken only when a page must come from the file; a file another program
//   cuts short under the mapping gives a corruption error, never a signal;
// - direct (file servers, or where no map can be made): every operation reads the version under the
//   shared index lock, and pages with positioned reads, so nothing relies on two workstations seeing
//   each other's memory.
#ifndef PALUNDA_XBASE_NTX_STORE_H_
#define PALUNDA_XBASE_NTX_STORE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "xbase/file_lock.h"
#include "xbase/ntx_header.h"
#include "xbase/save_journal.h"
#include "xbase/status.h"

namespace xbase {

// An index is opened in the modes of its table.
using NtxOpenMode = OpenMode;

class NtxStore {
 public:
  // Open `path`, taking the whole-file lock of `mode` without waiting, and read its header.
  static Status Open(const std::string& path, NtxOpenMode mode, std::unique_ptr<NtxStore>* out);
  // Write a new file made of `pages` (page 0 the header) over `path`, alone, then open it in `mode`.
  static Status Create(const std::string& path, const std::vector<uint8_t>& pages, NtxOpenMode mode,
                       std::unique_ptr<NtxStore>* out);
  // Replace the whole open file by `pages` under the exclusive index lock, as a reindex does.
  Status Rewrite(const std::vector<uint8_t>& pages);

  NtxStore(const NtxStore&) = delete;
  NtxStore& operator=(const NtxStore&) = delete;
  ~NtxStore();

  const std::string& path() const { return file_->path(); }
  const NtxHeader& header() const { return header_; }
  NtxHeader& mutable_header() { return header_; }
  NtxOpenMode mode() const { return file_->mode(); }
  uint64_t file_size() const { return file_size_; }
  // True when pages are read through a map, false when only by positioned reads.
  bool mapped() const { return !direct_; }
  // Raised every time the cached pages are dropped; positions computed under an older value are stale.
  uint64_t generation() const { return generation_; }

  // Start a read: check the header version, dropping the cache when it moved; with `lock` (always when
  // direct), under the shared index lock from the start, else the lock is taken only when a page must
  // come from the file.
  Status BeginRead(bool lock);
  // End a read, releasing the index lock if a page read took it.
  void EndRead();
  // True when a page read found the version moved since BeginRead: the read must run again.
  bool restart() const { return restart_; }

  // Start a write: take the index lock exclusively and bring the header up to date.
  Status BeginWrite();
  // Write the changed pages and the header with its version raised, then release the lock.
  Status EndWrite();
  // Drop every change made since BeginWrite and release the lock.
  void AbortWrite();

  // A save holds the index lock exclusively from before its first write to after its last: taken
  // here (waiting), the header brought up to date; reads and writes meanwhile neither take nor
  // release it.
  Status HoldWriteLock();
  // Ends the hold and releases the index lock.
  void ReleaseHeldLock();

  // The page at `offset`, from the cache or read and checked; valid until the next Begin call.
  Status Page(uint32_t offset, uint8_t** bytes);
  // Note that the page at `offset` (already fetched) changed in this write.
  void MarkDirty(uint32_t offset);
  // A page for new content: the first free page, or a new one at the end of the file. Corruption
  // when the free list offers a page that is still in use.
  Status Allocate(uint32_t* offset, uint8_t** bytes);
  // Put the page at `offset` at the head of the free chain.
  Status Free(uint32_t offset);

 private:
  struct CachedPage {
    uint64_t generation = 0;
    bool dirty = false;
    std::unique_ptr<uint8_t[]> bytes;
  };

  explicit NtxStore(std::unique_ptr<LockedFile> file) : file_(std::move(file)), direct_(!file_->mapped()) {}
  void MapAtLeast(uint64_t size);
  Status ReadBytes(uint64_t offset, void* to, size_t size);
  Status ReadVersion(uint16_t* version);
  Status CutShort() const;
  Status ReadHeader();
  Status Refresh();
  Status LockIndex(bool exclusive);
  void UnlockIndex();
  void DropCache();
  CachedPage& Slot(uint32_t offset);

  std::unique_ptr<LockedFile> file_;
  bool direct_;
  const uint8_t* map_ = nullptr;
  uint64_t map_size_ = 0;
  NtxHeader header_;
  uint64_t file_size_ = 0;
  uint64_t size_before_write_ = 0;
  uint64_t generation_ = 1;
  uint64_t undo_seen_ = SaveJournal::UndoCount();
  bool locked_ = false;
  bool held_ = false;  // HoldWriteLock
  bool restart_ = false;
  size_t cached_pages_ = 0;
  std::vector<CachedPage> cache_;
  std::vector<uint32_t> dirty_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_STORE_H_
