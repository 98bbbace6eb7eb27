// NtxIndex: an NTX index file as a B-tree of (key, record number) items with a current position,
// kept coherent with other handles and processes through the index lock and the header version.
#ifndef PALUNDA_XBASE_NTX_INDEX_H_
#define PALUNDA_XBASE_NTX_INDEX_H_

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/ntx_build.h"
#include "xbase/ntx_header.h"
#include "xbase/ntx_page.h"
#include "xbase/ntx_store.h"
#include "xbase/status.h"

namespace xbase {

class NtxIndex {
 public:
  // Open an existing index file.
  static Status Open(const std::string& path, NtxOpenMode mode, std::unique_ptr<NtxIndex>* out);
  // Build a new index file over `keys` (header gives key size, expression and flags) and open it.
  static Status Create(const std::string& path, const NtxHeader& header, const NtxKeys& keys, NtxOpenMode mode,
                       std::unique_ptr<NtxIndex>* out);

  NtxIndex(const NtxIndex&) = delete;
  NtxIndex& operator=(const NtxIndex&) = delete;

  const std::string& path() const { return store_->path(); }
  const NtxHeader& header() const { return store_->header(); }
  int key_size() const { return store_->header().key_size; }
  NtxStore& store() { return *store_; }

  // Add the item (key, recno); nothing happens when it is there already, or when a unique index
  // holds the key already. The key is cut or padded with blanks to the key size.
  Status Insert(std::string_view key, uint32_t recno);
  // Take the item (key, recno) out; `removed` (optional) tells whether it was there.
  Status Remove(std::string_view key, uint32_t recno, bool* removed = nullptr);

  // Move to the first item in index order.
  Status GoTop();
  // Move to the last item in index order.
  Status GoBottom();
  // Move to the next item; past the last one the index is at its end (eof). A walk meets each item
  // once: when it meets more than the file can hold, branches share pages, and it is Corruption.
  Status Next();
  // Move to the previous item; before the first one it stays there and bof is set. From the end, go bottom.
  Status Prev();
  // Move to the first item whose key starts with or follows `key` in index order (a soft seek's landing);
  // `found` tells whether that item's key starts with `key`.
  Status Seek(std::string_view key, bool* found);
  // Move to the item (key, recno), or the one after where it would be; `exact` tells which.
  Status SeekItem(std::string_view key, uint32_t recno, bool* exact);

  // True when the position is past the last item (or the index is empty).
  bool eof() const { return !on_item_; }
  // True when the last Prev found no item before the current one.
  bool bof() const { return bof_; }
  // The current item's record number (0 at the end) and key.
  uint32_t recno() const { return on_item_ ? recno_ : 0; }
  const std::string& key() const { return key_; }

 private:
  struct Frame {
    uint32_t page;
    int index;
  };
  // Pages from the root down to a position, each with the item or child slot taken; kept off the heap.
  class Path {
   public:
    static constexpr size_t kCapacity = 64;
    Path() = default;
    Path(const Path& other) : size_(other.size_) { std::copy_n(other.frames_, size_, frames_); }
    Path& operator=(const Path& other) {
      size_ = other.size_;
      std::copy_n(other.frames_, size_, frames_);
      return *this;
    }
    bool empty() const { return size_ == 0; }
    size_t size() const { return size_; }
    bool full() const { return size_ == kCapacity; }
    void clear() { size_ = 0; }
    void push_back(Frame frame) { frames_[size_++] = frame; }
    void pop_back() { --size_; }
    Frame& back() { return frames_[size_ - 1]; }
    const Frame& back() const { return frames_[size_ - 1]; }
    Frame& operator[](size_t i) { return frames_[i]; }

   private:
    Frame frames_[kCapacity];
    size_t size_ = 0;
  };
  struct Target {
    const uint8_t* key;
    size_t length;
    uint32_t recno;
  };

  explicit NtxIndex(std::unique_ptr<NtxStore> store) : store_(std::move(store)) {}

  template <typename Op>
  Status Read(Op op);
  template <typename Op>
  Status Write(Op op);

  Status Fetch(uint32_t offset, uint8_t** bytes) { return store_->Page(offset, bytes); }
  NtxPage View(uint8_t* bytes) const { return NtxPage(bytes, store_->header()); }
  std::string Normalize(std::string_view key) const;
  int Compare(const NtxPage& page, int i, const Target& target) const;

  template <typename Choose>
  Status DescendFrom(uint32_t offset, Path* path, Choose choose);
  Status Descend(const Target& target, Path* path);
  Status DescendEdge(uint32_t page, bool last, Path* path);
  Status Settle(Path* path);
  Status SettleBack(Path* path, bool* moved);
  Status StepForward(Path* path);
  Status StepBack(Path* path, bool* moved);
  Status Locate(Path* path, bool* exact);
  Status FindItem(const std::string& key, uint32_t recno, Path* path, bool* exact);
  Status Matches(const Path& path, const uint8_t* key, uint32_t recno, bool* match);
  Status Commit(const Path& path);
  Status DepthFault() const;
  // Counts a step of a walk in `direction` (1 or -1); Corruption when the walk has met more items than
  // the file has room for.
  Status CountStep(int direction);

  Status InsertAt(Path& path, size_t depth, NtxItem item);
  Status FixUnderflow(Path& path, size_t depth);

  std::unique_ptr<NtxStore> store_;
  Path path_;
  uint64_t path_generation_ = 0;
  uint16_t path_version_ = 0;
  bool on_item_ = false;
  bool bof_ = false;
  int walk_direction_ = 0;  // of the steps since the last go top, go bottom or seek; 0 before any
  uint64_t walked_ = 0;     // steps taken in that direction
  std::string key_;
  uint32_t recno_ = 0;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_INDEX_H_
