// NtxIndex: an NTX index file as a B-tree of (key, record number) items with a current position,
// kept coherent with other handles and processes through the index lock and the header version.
#include "xbase/ntx_index.h"

#include <algorithm>
#include <cstring>

namespace xbase {

namespace {

}  // namespace

Status NtxIndex::Open(const std::string& path, NtxOpenMode mode, std::unique_ptr<NtxIndex>* out) {
  std::unique_ptr<NtxStore> store;
  Status s = NtxStore::Open(path, mode, &store);
  if (!s.ok()) return s;
  out->reset(new NtxIndex(std::move(store)));
  return Status::OK();
}

Status NtxIndex::Create(const std::string& path, const NtxHeader& header, const NtxKeys& keys, NtxOpenMode mode,
                        std::unique_ptr<NtxIndex>* out) {
  if (keys.key_size() != header.key_size) {
    return Status::InvalidArgument(path, "keys of " + std::to_string(keys.key_size()) + " bytes for a key size of " +
                                             std::to_string(header.key_size));
  }
  std::unique_ptr<NtxStore> store;
  Status s = NtxStore::Create(path, NtxBuildFile(header, keys), mode, &store);
  if (!s.ok()) return s;
  out->reset(new NtxIndex(std::move(store)));
  return Status::OK();
}

template <typename Op>
Status NtxIndex::Read(Op op) {
  Status s = store_->BeginRead(false);
  if (s.ok()) s = op();
  const bool again = store_->restart();
  store_->EndRead();
  if (!again) return s;
  // Another writer moved the version in the middle: read again, this time under the lock throughout.
  s = store_->BeginRead(true);
  if (s.ok()) s = op();
  store_->EndRead();
  return s;
}

template <typename Op>
Status NtxIndex::Write(Op op) {
  Status s = store_->BeginWrite();
  if (!s.ok()) return s;
  s = op();
  if (!s.ok()) {
    store_->AbortWrite();
    return s;
  }
  return store_->EndWrite();
}

std::string NtxIndex::Normalize(std::string_view key) const {
  std::string k(key.substr(0, key_size()));
  k.resize(key_size(), ' ');
  return k;
}

int NtxIndex::Compare(const NtxPage& page, int i, const Target& target) const {
  int c = std::memcmp(page.key(i), target.key, target.length);
  if (c != 0) return header().descending ? -c : c;
  const uint32_t r = page.recno(i);
  return r < target.recno ? -1 : (r > target.recno ? 1 : 0);
}

// Extend `path` from the page at `offset` down to a leaf, taking in each page the slot `choose` gives.
template <typename Choose>
Status NtxIndex::DescendFrom(uint32_t offset, Path* path, Choose choose) {
  for (;;) {
    if (path->full()) return DepthFault();
    uint8_t* bytes = nullptr;
    Status s = Fetch(offset, &bytes);
    if (!s.ok()) return s;
    const NtxPage page = View(bytes);
    const int index = choose(page);
    path->push_back(Frame{offset, index});
    if (page.is_leaf()) return Status::OK();
    offset = page.child(index);
  }
}

// Path from the root to the first item not below `target`: each frame holds the lower bound in its page.
Status NtxIndex::Descend(const Target& target, Path* path) {
  path->clear();
  return DescendFrom(header().root, path, [&](const NtxPage& page) {
    int lo = 0, hi = page.count();
    while (lo < hi) {
      const int mid = (lo + hi) / 2;
      if (Compare(page, mid, target) < 0) {
        lo = mid + 1;
      } else {
        hi = mid;
      }
    }
    return lo;
  });
}

// Extend `path` from `offset` down its leftmost (or rightmost, with `last`) edge to a leaf.
Status NtxIndex::DescendEdge(uint32_t offset, bool last, Path* path) {
  return DescendFrom(offset, path, [last](const NtxPage& page) { return last ? page.count() : 0; });
}

// Climb while the innermost frame is past its page's items; the frame left is the item that follows.
Status NtxIndex::Settle(Path* path) {
  while (!path->empty()) {
    uint8_t* bytes = nullptr;
    Status s = Fetch(path->back().page, &bytes);
    if (!s.ok()) return s;
    if (path->back().index < View(bytes).count()) return Status::OK();
    path->pop_back();
  }
  return Status::OK();
}

// Climb while the innermost frame is at its first slot, then step to the item before it.
Status NtxIndex::SettleBack(Path* path, bool* moved) {
  while (!path->empty() && path->back().index == 0) path->pop_back();
  *moved = !path->empty();
  if (*moved) --path->back().index;
  return Status::OK();
}

Status NtxIndex::StepForward(Path* path) {
  Frame& frame = path->back();
  uint8_t* bytes = nullptr;
  Status s = Fetch(frame.page, &bytes);
  if (!s.ok()) return s;
  const NtxPage page = View(bytes);
  ++frame.index;
  if (!page.is_leaf()) {
    s = DescendEdge(page.child(frame.index), false, path);
    if (!s.ok()) return s;
  }
  return Settle(path);
}

Status NtxIndex::StepBack(Path* path, bool* moved) {
  const Path before = *path;
  uint8_t* bytes = nullptr;
  Status s = Fetch(path->back().page, &bytes);
  if (!s.ok()) return s;
  const NtxPage page = View(bytes);
  if (!page.is_leaf()) {
    s = DescendEdge(page.child(path->back().index), true, path);
    if (!s.ok()) return s;
  }
  s = SettleBack(path, moved);
  if (!*moved) *path = before;
  return s;
}

// The path of the current item, found again by its key when pages changed since it was computed.
Status NtxIndex::Locate(Path* path, bool* exact) {
  if (path_generation_ == store_->generation() && path_version_ == header().version && !path_.empty()) {
    *path = path_;
    *exact = true;
    return Status::OK();
  }
  return FindItem(key_, recno_, path, exact);
}

// The path of the item (key, recno), or of the first item after where it would be. Equal keys sort by
// record number in files built at once, but the reference runtime puts a changed key after the equal
// keys already there, so a miss searches the run of equal keys.
Status NtxIndex::FindItem(const std::string& key, uint32_t recno, Path* path, bool* exact) {
  const uint8_t* kb = reinterpret_cast<const uint8_t*>(key.data());
  *exact = false;
  Status s = Descend(Target{kb, key.size(), recno}, path);
  if (s.ok()) s = Settle(path);
  if (s.ok()) s = Matches(*path, kb, recno, exact);
  if (!s.ok() || *exact) return s;
  Path run;
  s = Descend(Target{kb, key.size(), 0}, &run);
  if (s.ok()) s = Settle(&run);
  for (bool same_key = true; s.ok() && !run.empty() && same_key; s = StepForward(&run)) {
    uint8_t* bytes = nullptr;
    s = Fetch(run.back().page, &bytes);
    if (!s.ok()) return s;
    const NtxPage page = View(bytes);
    same_key = std::memcmp(page.key(run.back().index), kb, key.size()) == 0;
    if (same_key && page.recno(run.back().index) == recno) {
      *path = run;
      *exact = true;
      return Status::OK();
    }
  }
  return s;
}

// Whether the path's item is (key, recno); false for an empty path.
Status NtxIndex::Matches(const Path& path, const uint8_t* key, uint32_t recno, bool* match) {
  *match = false;
  if (path.empty()) return Status::OK();
  uint8_t* bytes = nullptr;
  Status s = Fetch(path.back().page, &bytes);
  if (!s.ok()) return s;
  const NtxPage page = View(bytes);
  *match = page.recno(path.back().index) == recno && std::memcmp(page.key(path.back().index), key, key_size()) == 0;
  return Status::OK();
}

// Deeper than a path holds, a tree of 1024-byte pages must have a cycle.
Status NtxIndex::DepthFault() const {
  return Status::Corruption(store_->path(), "page chain deeper than " + std::to_string(Path::kCapacity));
}

// Branches that share pages make a walk meet their items again and again: a tree of a few pages can
// then take longer to walk than anyone waits. A walk in one direction meets each item once.
Status NtxIndex::CountStep(int direction) {
  if (direction != walk_direction_) {
    walk_direction_ = direction;
    walked_ = 0;
  }
  const uint64_t room = store_->file_size() / kNtxPageSize * header().max_items;
  if (++walked_ <= room) return Status::OK();
  walk_direction_ = 0;
  return Status::Corruption(store_->path(), "a walk met more items than the file can hold: branches share pages");
}

Status NtxIndex::Commit(const Path& path) {
  on_item_ = !path.empty();
  if (on_item_) {
    uint8_t* bytes = nullptr;
    Status s = Fetch(path.back().page, &bytes);
    if (!s.ok()) return s;
    const NtxPage page = View(bytes);
    key_.assign(reinterpret_cast<const char*>(page.key(path.back().index)), key_size());
    recno_ = page.recno(path.back().index);
  } else {
    key_.clear();
    recno_ = 0;
  }
  path_ = path;
  path_generation_ = store_->generation();
  path_version_ = header().version;
  return Status::OK();
}

Status NtxIndex::GoTop() {
  bof_ = false;
  walk_direction_ = 0;
  return Read([&] {
    Path path;
    Status s = DescendEdge(header().root, false, &path);
    if (s.ok()) s = Settle(&path);
    return s.ok() ? Commit(path) : s;
  });
}

Status NtxIndex::GoBottom() {
  bof_ = false;
  walk_direction_ = 0;
  return Read([&] {
    Path path;
    bool moved = false;
    Status s = DescendEdge(header().root, true, &path);
    if (s.ok()) s = SettleBack(&path, &moved);
    return s.ok() ? Commit(path) : s;
  });
}

Status NtxIndex::Next() {
  bof_ = false;
  if (!on_item_) return Status::OK();
  Status counted = CountStep(1);
  if (!counted.ok()) return counted;
  return Read([&] {
    Path path;
    bool exact = false;
    Status s = Locate(&path, &exact);
    if (s.ok() && exact) s = StepForward(&path);
    return s.ok() ? Commit(path) : s;
  });
}

Status NtxIndex::Prev() {
  bof_ = false;
  if (!on_item_) return GoBottom();
  Status counted = CountStep(-1);
  if (!counted.ok()) return counted;
  bool at_first = false;
  Status s = Read([&] {
    Path path;
    bool exact = false, moved = false;
    Status r = Locate(&path, &exact);
    if (!r.ok()) return r;
    if (path.empty()) {
      // The current item went and nothing follows it: the last item is the one before.
      r = DescendEdge(header().root, true, &path);
      if (r.ok()) r = SettleBack(&path, &moved);
    } else {
      r = StepBack(&path, &moved);
      at_first = !moved;
    }
    return r.ok() ? Commit(path) : r;
  });
  bof_ = at_first;
  return s;
}

Status NtxIndex::Seek(std::string_view key, bool* found) {
  bof_ = false;
  walk_direction_ = 0;
  const std::string_view wanted = key.substr(0, key_size());
  return Read([&] {
    const Target target{reinterpret_cast<const uint8_t*>(wanted.data()), wanted.size(), 0};
    Path path;
    Status s = Descend(target, &path);
    if (s.ok()) s = Settle(&path);
    if (s.ok()) s = Commit(path);
    *found = s.ok() && on_item_ && key_.compare(0, wanted.size(), wanted) == 0;
    return s;
  });
}

Status NtxIndex::SeekItem(std::string_view key, uint32_t recno, bool* exact) {
  bof_ = false;
  walk_direction_ = 0;
  const std::string wanted = Normalize(key);
  return Read([&] {
    Path path;
    Status s = FindItem(wanted, recno, &path, exact);
    return s.ok() ? Commit(path) : s;
  });
}

Status NtxIndex::Insert(std::string_view key, uint32_t recno) {
  const std::string k = Normalize(key);
  const uint8_t* kb = reinterpret_cast<const uint8_t*>(k.data());
  const bool unique = header().unique;
  return Write([&] {
    const Target target{kb, k.size(), unique ? 0 : recno};
    Path path;
    Status s = Descend(target, &path);
    if (!s.ok()) return s;
    Path landed = path;
    s = Settle(&landed);
    if (!s.ok()) return s;
    if (!landed.empty()) {
      uint8_t* bytes = nullptr;
      s = Fetch(landed.back().page, &bytes);
      if (!s.ok()) return s;
      const NtxPage page = View(bytes);
      const int i = landed.back().index;
      if (std::memcmp(page.key(i), kb, k.size()) == 0 && (unique || page.recno(i) == recno)) return Status::OK();
    }
    return InsertAt(path, path.size() - 1, NtxItem{0, recno, k});
  });
}

// Put `item` at the frame's index in the page at `depth`, splitting full pages upward.
Status NtxIndex::InsertAt(Path& path, size_t depth, NtxItem item) {
  const NtxHeader& h = header();
  uint8_t* bytes = nullptr;
  Status s = Fetch(path[depth].page, &bytes);
  if (!s.ok()) return s;
  NtxPage page = View(bytes);
  const int index = path[depth].index;
  store_->MarkDirty(path[depth].page);
  const int n = page.count();
  if (n < h.max_items) {
    page.Insert(index, item.child, item.recno, reinterpret_cast<const uint8_t*>(item.key.data()));
    return Status::OK();
  }
  std::vector<NtxItem> items;
  items.reserve(n + 1);
  for (int i = 0; i < n; ++i) items.push_back(page.item(i));
  items.insert(items.begin() + index, std::move(item));
  const uint32_t last_child = page.child(n);
  const size_t half = h.half_page;
  NtxItem separator = items[half];
  uint32_t left_offset = 0;
  uint8_t* left_bytes = nullptr;
  s = store_->Allocate(&left_offset, &left_bytes);
  if (!s.ok()) return s;
  View(left_bytes).Rebuild(std::vector<NtxItem>(items.begin(), items.begin() + half), separator.child);
  page.Rebuild(std::vector<NtxItem>(items.begin() + half + 1, items.end()), last_child);
  separator.child = left_offset;
  if (depth > 0) return InsertAt(path, depth - 1, std::move(separator));
  uint32_t root_offset = 0;
  uint8_t* root_bytes = nullptr;
  s = store_->Allocate(&root_offset, &root_bytes);
  if (!s.ok()) return s;
  View(root_bytes).Rebuild({separator}, path[0].page);
  store_->mutable_header().root = root_offset;
  return Status::OK();
}

Status NtxIndex::Remove(std::string_view key, uint32_t recno, bool* removed) {
  const std::string k = Normalize(key);
  bool found = false;
  Status status = Write([&] {
    Path path;
    Status s = FindItem(k, recno, &path, &found);
    if (!s.ok() || !found) return s;
    uint8_t* bytes = nullptr;
    s = Fetch(path.back().page, &bytes);
    if (!s.ok()) return s;
    NtxPage page = View(bytes);
    const int index = path.back().index;
    store_->MarkDirty(path.back().page);
    if (page.is_leaf()) {
      page.Remove(index);
      return FixUnderflow(path, path.size() - 1);
    }
    // An item of a branch page gives way to its predecessor, the last item of the leaf before it.
    s = DescendEdge(page.child(index), true, &path);
    if (!s.ok()) return s;
    uint8_t* leaf_bytes = nullptr;
    s = Fetch(path.back().page, &leaf_bytes);
    if (!s.ok()) return s;
    NtxPage leaf = View(leaf_bytes);
    const int n = leaf.count();
    if (n == 0) return Status::Corruption(store_->path(), "empty page at " + std::to_string(path.back().page));
    page.set_entry(index, leaf.recno(n - 1), leaf.key(n - 1));
    leaf.Remove(n - 1);
    store_->MarkDirty(path.back().page);
    return FixUnderflow(path, path.size() - 1);
  });
  if (removed) *removed = found;
  return status;
}

// A page under half full borrows from or merges with a neighbour; merging can empty the parent in turn.
Status NtxIndex::FixUnderflow(Path& path, size_t depth) {
  const NtxHeader& h = header();
  uint8_t* bytes = nullptr;
  Status s = Fetch(path[depth].page, &bytes);
  if (!s.ok()) return s;
  const NtxPage page = View(bytes);
  if (depth == 0) {
    if (page.count() == 0 && !page.is_leaf()) {
      store_->mutable_header().root = page.child(0);
      return store_->Free(path[0].page);
    }
    return Status::OK();
  }
  if (page.count() >= h.half_page) return Status::OK();
  uint8_t* parent_bytes = nullptr;
  s = Fetch(path[depth - 1].page, &parent_bytes);
  if (!s.ok()) return s;
  NtxPage parent = View(parent_bytes);
  if (parent.count() == 0) return Status::OK();
  const int slot = path[depth - 1].index;
  const int sep = slot > 0 ? slot - 1 : slot;
  const uint32_t left_offset = parent.child(sep);
  const uint32_t right_offset = parent.child(sep + 1);
  uint8_t* left_bytes = nullptr;
  uint8_t* right_bytes = nullptr;
  s = Fetch(left_offset, &left_bytes);
  if (s.ok()) s = Fetch(right_offset, &right_bytes);
  if (!s.ok()) return s;
  NtxPage left = View(left_bytes);
  NtxPage right = View(right_bytes);

  std::vector<NtxItem> items;
  items.reserve(left.count() + right.count() + 1);
  for (int i = 0; i < left.count(); ++i) items.push_back(left.item(i));
  NtxItem separator = parent.item(sep);
  separator.child = left.child(left.count());
  items.push_back(std::move(separator));
  for (int i = 0; i < right.count(); ++i) items.push_back(right.item(i));
  const uint32_t last_child = right.child(right.count());
  store_->MarkDirty(path[depth - 1].page);
  store_->MarkDirty(left_offset);

  if (items.size() <= h.max_items) {
    left.Rebuild(items, last_child);
    parent.set_child(sep + 1, left_offset);
    parent.Remove(sep);
    s = store_->Free(right_offset);
    if (!s.ok()) return s;
    return FixUnderflow(path, depth - 1);
  }
  const size_t mid = items.size() / 2;
  store_->MarkDirty(right_offset);
  left.Rebuild(std::vector<NtxItem>(items.begin(), items.begin() + mid), items[mid].child);
  right.Rebuild(std::vector<NtxItem>(items.begin() + mid + 1, items.end()), last_child);
  parent.set_entry(sep, items[mid].recno, reinterpret_cast<const uint8_t*>(items[mid].key.data()));
  return Status::OK();
}

}  // namespace xbase
