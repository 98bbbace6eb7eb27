// NtxStore: an open NTX file: its locks, the header and a cache of its pages, read through a map or
// by positioned reads as the file's folder is reached.
#include "xbase/ntx_store.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>

#include "xbase/mapped_copy.h"
#include "xbase/ntx_bytes.h"
#include "xbase/ntx_page.h"
#include "xbase/save_journal.h"

namespace xbase {

namespace {

// Past this many cached pages the cache is emptied between operations.
constexpr size_t kMaxCachedPages = 1 << 16;
// The smallest mapping; larger ones double until they cover the file.
constexpr uint64_t kMinMapSize = uint64_t{1} << 16;

}  // namespace

Status NtxStore::Open(const std::string& path, NtxOpenMode mode, std::unique_ptr<NtxStore>* out) {
  std::unique_ptr<LockedFile> file;
  Status s = LockedFile::Open(path, mode, &file);
  if (!s.ok()) return s;
  std::unique_ptr<NtxStore> store(new NtxStore(std::move(file)));
  s = store->LockIndex(false);
  if (s.ok()) {
    s = store->ReadHeader();
    store->UnlockIndex();
  }
  if (!s.ok()) return s;
  *out = std::move(store);
  return Status::OK();
}

Status NtxStore::Create(const std::string& path, const std::vector<uint8_t>& pages, NtxOpenMode mode,
                        std::unique_ptr<NtxStore>* out) {
  std::unique_ptr<LockedFile> file;
  Status s = LockedFile::Create(path, &file);
  if (s.ok()) s = file->WriteAt(0, pages.data(), pages.size());
  if (!s.ok()) return s;
  file.reset();
  return Open(path, mode, out);
}

Status NtxStore::Rewrite(const std::vector<uint8_t>& pages) {
  Status s = BeginWrite();
  if (!s.ok()) return s;
  // The new file goes over the old one and then drops its tail, so that a reader never meets an
  // empty file; its version moves on, so that every reader drops the pages it cached.
  std::vector<uint8_t> file(pages);
  PutU16(file.data() + 2, static_cast<uint16_t>(header_.version + 1));
  s = file_->WriteAt(0, file.data(), file.size());
  if (s.ok()) s = file_->Truncate(file.size());
  for (uint32_t offset : dirty_) Slot(offset).dirty = false;
  dirty_.clear();
  DropCache();
  if (s.ok()) s = ReadHeader();
  UnlockIndex();
  return s;
}

NtxStore::~NtxStore() {
  if (map_ != nullptr) munmap(const_cast<uint8_t*>(map_), map_size_);
}

// Maps at least `size` bytes of the file, doubling the mapping as the file grows; address space is
// taken in step with the file, never for the largest file an index could be. Where the file system
// refuses the map, the file is read directly from then on.
void NtxStore::MapAtLeast(uint64_t size) {
  if (direct_ || size <= map_size_) return;
  uint64_t wanted = std::max(map_size_ * 2, kMinMapSize);
  while (wanted < size) wanted *= 2;
  void* map = mmap(nullptr, wanted, PROT_READ, MAP_SHARED, file_->fd(), 0);
  if (map_ != nullptr) munmap(const_cast<uint8_t*>(map_), map_size_);
  if (map == MAP_FAILED) {
    direct_ = true;
    map_ = nullptr;
    map_size_ = 0;
    return;
  }
  map_ = static_cast<const uint8_t*>(map);
  map_size_ = wanted;
}

Status NtxStore::CutShort() const { return Status::Corruption(path(), "the file was cut short while in use"); }

Status NtxStore::ReadBytes(uint64_t offset, void* to, size_t size) {
  MapAtLeast(offset + size);
  // Pages a save holds back are seen only through the file's handle.
  if (!direct_ && !file_->held_back()) return CopyMapped(to, map_ + offset, size) ? Status::OK() : CutShort();
  Status s = file_->ReadAt(offset, to, size);
  return s.IsCorruption() ? CutShort() : s;
}

// The version as the file holds it now. A file cut short reads as a moved version, and the header read
// that follows tells what is wrong.
Status NtxStore::ReadVersion(uint16_t* version) {
  bool read = false;
  if (direct_ || file_->held_back()) {
    uint8_t bytes[2];
    size_t got = 0;
    Status s = file_->ReadSome(2, bytes, sizeof bytes, &got);
    if (!s.ok()) return s;
    read = got == sizeof bytes;
    *version = GetU16(bytes);
  } else {
    read = LoadMapped16(map_ + 2, version);
  }
  if (!read) *version = static_cast<uint16_t>(header_.version + 1);
  return Status::OK();
}

Status NtxStore::ReadHeader() {
  Status s = file_->Size(&file_size_);
  if (!s.ok()) return s;
  if (file_size_ < kNtxPageSize) return Status::Corruption(path(), "shorter than its header page");
  // Header first, length second: a writer may finish in between, and a length that already counts
  // its new pages is harmless, while one short of the header's pages is not.
  uint8_t page[kNtxPageSize];
  s = ReadBytes(0, page, kNtxPageSize);
  if (s.ok()) s = file_->Size(&file_size_);
  if (!s.ok()) return s;
  MapAtLeast(file_size_);
  return NtxHeader::Parse(page, file_size_, path(), &header_);
}

// A moved version means other writers changed pages: drop the cache and read the header again.
Status NtxStore::Refresh() {
  // In exclusive use the cache is trusted, unless a save's writes were dropped since.
  if (mode() == NtxOpenMode::kExclusive && undo_seen_ != SaveJournal::UndoCount()) {
    undo_seen_ = SaveJournal::UndoCount();
    DropCache();
    return ReadHeader();
  }
  if (mode() != NtxOpenMode::kExclusive) {
    uint16_t version = 0;
    Status s = ReadVersion(&version);
    if (!s.ok()) return s;
    if (version != header_.version) {
      DropCache();
      return ReadHeader();
    }
  }
  // Pages this handle added lengthen the file too.
  MapAtLeast(file_size_);
  return Status::OK();
}

void NtxStore::DropCache() {
  ++generation_;
  if (cached_pages_ > kMaxCachedPages) {
    cache_.clear();
    cached_pages_ = 0;
  }
}

Status NtxStore::LockIndex(bool exclusive) {
  if (mode() == NtxOpenMode::kExclusive || held_) return Status::OK();
  Status s = file_->Lock(kLockBase, 1, exclusive, LockWait::kWait);
  locked_ = s.ok();
  return s;
}

void NtxStore::UnlockIndex() {
  if (!locked_ || held_) return;
  file_->Unlock(kLockBase, 1);
  locked_ = false;
}

Status NtxStore::HoldWriteLock() {
  if (held_) return Status::OK();
  Status s = LockIndex(true);
  if (s.ok()) s = Refresh();
  if (!s.ok()) {
    UnlockIndex();
    return s;
  }
  held_ = true;
  return s;
}

void NtxStore::ReleaseHeldLock() {
  held_ = false;
  UnlockIndex();
}

Status NtxStore::BeginRead(bool lock) {
  restart_ = false;
  if (cached_pages_ > kMaxCachedPages) DropCache();
  if (lock || direct_) {
    Status s = LockIndex(false);
    if (!s.ok()) return s;
  }
  return Refresh();
}

void NtxStore::EndRead() { UnlockIndex(); }

Status NtxStore::BeginWrite() {
  if (mode() == NtxOpenMode::kReadOnly) return Status::InvalidArgument(path(), "opened read-only");
  restart_ = false;
  if (cached_pages_ > kMaxCachedPages) DropCache();
  Status s = LockIndex(true);
  if (s.ok()) s = Refresh();
  if (!s.ok()) UnlockIndex();
  size_before_write_ = file_size_;
  return s;
}

Status NtxStore::EndWrite() {
  if (!dirty_.empty()) {
    Status s;
    for (uint32_t offset : dirty_) {
      CachedPage& page = Slot(offset);
      page.dirty = false;
      if (s.ok()) s = file_->WriteAt(offset, page.bytes.get(), kNtxPageSize);
    }
    dirty_.clear();
    if (!s.ok()) {
      AbortWrite();
      return s;
    }
    // The version goes last: a reader that sees it move finds every page of this write in place. A
    // reader without the lock that meets the two bytes half written sees a version that matches
    // neither, which it takes as moved.
    ++header_.version;
    uint8_t state[kNtxStateBytes];
    header_.SerializeState(state);
    s = file_->WriteAt(4, state + 4, kNtxStateBytes - 4);
    if (s.ok()) s = file_->WriteAt(2, state + 2, 2);
    if (!s.ok()) {
      // The next read finds the version it knows gone and reads the header again.
      ++header_.version;
      UnlockIndex();
      return s;
    }
  }
  UnlockIndex();
  return Status::OK();
}

void NtxStore::AbortWrite() {
  for (uint32_t offset : dirty_) Slot(offset).dirty = false;
  dirty_.clear();
  DropCache();
  // Give back pages added at the end and read back the header fields changed in memory; when either
  // fails, a version that matches nothing makes the next read try again.
  const bool shrunk = file_size_ <= size_before_write_ || file_->Truncate(size_before_write_).ok();
  if (!shrunk || !ReadHeader().ok()) ++header_.version;
  UnlockIndex();
}

NtxStore::CachedPage& NtxStore::Slot(uint32_t offset) {
  const size_t index = offset / kNtxPageSize;
  if (index >= cache_.size()) cache_.resize(index + 1);
  return cache_[index];
}

Status NtxStore::Page(uint32_t offset, uint8_t** bytes) {
  if (offset == 0 || offset % kNtxPageSize != 0 || offset + uint64_t{kNtxPageSize} > file_size_) {
    return Status::Corruption(path(), "page offset " + std::to_string(offset) + " outside the file");
  }
  CachedPage* page = &Slot(offset);
  if (page->generation != generation_) {
    if (!locked_ && mode() != NtxOpenMode::kExclusive) {
      // Pages come from the file only under the index lock; if the version moved meanwhile,
      // what this read saw so far is stale and it must start again.
      const uint16_t version = header_.version;
      Status s = LockIndex(false);
      if (s.ok()) s = Refresh();
      if (!s.ok()) return s;
      if (header_.version != version) {
        restart_ = true;
        return Status::Corruption(path(), "changed while reading");
      }
      page = &Slot(offset);
    }
    if (!page->bytes) {
      page->bytes = std::make_unique<uint8_t[]>(kNtxPageSize);
      ++cached_pages_;
    }
    Status s = ReadBytes(offset, page->bytes.get(), kNtxPageSize);
    if (!s.ok()) return s;
    s = NtxPage(page->bytes.get(), header_).Validate(offset, file_size_, path());
    if (!s.ok()) return s;
    page->generation = generation_;
  }
  *bytes = page->bytes.get();
  return Status::OK();
}

void NtxStore::MarkDirty(uint32_t offset) {
  CachedPage& page = Slot(offset);
  if (!page.dirty) {
    page.dirty = true;
    dirty_.push_back(offset);
  }
}

Status NtxStore::Allocate(uint32_t* offset, uint8_t** bytes) {
  if (header_.first_free != 0) {
    const uint32_t page = header_.first_free;
    Status s = Page(page, bytes);
    if (!s.ok()) return s;
    // A damaged free list must not hand out a page of the tree: it would be overwritten.
    const NtxPage free_page(*bytes, header_);
    if (page == header_.root || free_page.count() != 0 || free_page.child(0) == page) {
      return Status::Corruption(path(), "page at " + std::to_string(page) + " on the free list is in use");
    }
    header_.first_free = free_page.child(0);
    *offset = page;
  } else {
    const uint64_t end = (file_size_ + kNtxPageSize - 1) / kNtxPageSize * kNtxPageSize;
    if (end + kNtxPageSize > UINT32_MAX) return Status::IOError(path(), "index file full");
    *offset = static_cast<uint32_t>(end);
    file_size_ = end + kNtxPageSize;
    CachedPage& slot = Slot(*offset);
    if (!slot.bytes) {
      slot.bytes = std::make_unique<uint8_t[]>(kNtxPageSize);
      ++cached_pages_;
    }
    std::memset(slot.bytes.get(), 0, kNtxPageSize);
    slot.generation = generation_;
    *bytes = slot.bytes.get();
  }
  MarkDirty(*offset);
  return Status::OK();
}

Status NtxStore::Free(uint32_t offset) {
  uint8_t* bytes = nullptr;
  Status s = Page(offset, &bytes);
  if (!s.ok()) return s;
  NtxPage(bytes, header_).MakeFree(header_.first_free);
  header_.first_free = offset;
  MarkDirty(offset);
  return Status::OK();
}

}  // namespace xbase
