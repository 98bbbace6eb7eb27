// Bulk build of an NTX file: sort the keys, then fill pages bottom-up in the reference runtime's layout.
#include "xbase/ntx_build.h"

#include <algorithm>
#include <cstring>

#include "xbase/ntx_bytes.h"

namespace xbase {

void NtxKeys::Add(std::string_view key, uint32_t recno) {
  const size_t at = bytes_.size();
  bytes_.resize(at + key_size_, ' ');
  std::memcpy(bytes_.data() + at, key.data(), std::min(key.size(), size_t(key_size_)));
  recnos_.push_back(recno);
}

void NtxKeys::Reserve(size_t count) {
  bytes_.reserve(count * key_size_);
  recnos_.reserve(count);
}

namespace {

// A key's sort entry: its first eight bytes as a big-endian number decide most comparisons.
struct SortEntry {
  uint64_t prefix;
  uint32_t index;
};

// Stable sort on the 64-bit prefix, sixteen bits a pass, skipping passes where every entry agrees.
void RadixSortByPrefix(std::vector<SortEntry>* entries) {
  std::vector<SortEntry> scratch(entries->size());
  std::vector<uint32_t> counts(1 << 16);
  for (int shift = 0; shift < 64; shift += 16) {
    std::fill(counts.begin(), counts.end(), 0);
    for (const SortEntry& e : *entries) ++counts[(e.prefix >> shift) & 0xFFFF];
    if (entries->empty() || counts[(entries->front().prefix >> shift) & 0xFFFF] == entries->size()) continue;
    uint32_t position = 0;
    for (uint32_t& count : counts) {
      const uint32_t here = count;
      count = position;
      position += here;
    }
    for (const SortEntry& e : *entries) scratch[counts[(e.prefix >> shift) & 0xFFFF]++] = e;
    entries->swap(scratch);
  }
}

std::vector<uint32_t> SortedOrder(const NtxKeys& keys, bool descending, bool unique) {
  const size_t ks = keys.key_size();
  const size_t head = std::min<size_t>(ks, 8);
  std::vector<SortEntry> entries(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    uint64_t prefix = 0;
    const uint8_t* k = keys.key(i);
    for (size_t b = 0; b < 8; ++b) prefix = (prefix << 8) | (b < head ? k[b] : 0);
    entries[i] = SortEntry{descending ? ~prefix : prefix, static_cast<uint32_t>(i)};
  }
  // Compare the bytes after the first eight; descending order reverses keys, not record numbers.
  auto tail = [&](const SortEntry& a, const SortEntry& b) {
    if (ks <= 8) return 0;
    const int c = std::memcmp(keys.key(a.index) + 8, keys.key(b.index) + 8, ks - 8);
    return descending ? -c : c;
  };
  RadixSortByPrefix(&entries);
  // Entries with equal first bytes are next to each other now: order them by the rest and the record.
  for (size_t begin = 0, end; begin < entries.size(); begin = end) {
    for (end = begin + 1; end < entries.size() && entries[end].prefix == entries[begin].prefix; ++end) {
    }
    if (end - begin < 2) continue;
    std::sort(entries.begin() + begin, entries.begin() + end, [&](const SortEntry& a, const SortEntry& b) {
      const int c = tail(a, b);
      if (c != 0) return c < 0;
      return keys.recno(a.index) < keys.recno(b.index);
    });
  }
  std::vector<uint32_t> order;
  order.reserve(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    if (unique && i > 0 && entries[i].prefix == entries[i - 1].prefix && tail(entries[i], entries[i - 1]) == 0) continue;
    order.push_back(entries[i].index);
  }
  return order;
}

// Items per page on each level, leaves first: full pages, each passing one key up, the last page
// holding the rest and, when under half, sharing evenly with its left neighbour.
std::vector<std::vector<int>> PlanLevels(size_t count, int max, int half) {
  std::vector<std::vector<int>> levels;
  size_t keys = count;
  for (;;) {
    const size_t pages = keys / (max + 1) + 1;
    std::vector<int> sizes(pages, max);
    const int last = static_cast<int>(keys - (pages - 1) * (max + 1));
    sizes.back() = last;
    if (pages >= 2 && last < half) {
      const int total = max + last;
      sizes[pages - 2] = (total + 1) / 2;
      sizes[pages - 1] = total / 2;
    }
    levels.push_back(std::move(sizes));
    if (pages == 1) return levels;
    keys = pages - 1;
  }
}

class PageWriter {
 public:
  PageWriter(const NtxHeader& header, const std::vector<std::vector<int>>& plan)
      : header_(header), plan_(plan), levels_(plan.size()) {
    size_t pages = 1;
    for (const auto& level : plan) pages += level.size();
    file_.reserve(pages * kNtxPageSize);
    file_.resize(kNtxPageSize);
    std::memset(blank_, 0, sizeof blank_);
    for (int i = 0; i <= header.max_items; ++i) {
      PutU16(blank_ + 2 + 2 * i, static_cast<uint16_t>(SlotAt(i)));
    }
    for (Level& level : levels_) std::memcpy(level.page, blank_, kNtxPageSize);
  }

  // Add an item to level h; when its page is full, the item goes up as the separator.
  void Add(size_t h, uint32_t child, uint32_t recno, const uint8_t* key) {
    for (;;) {
      Level& level = levels_[h];
      if (level.count == plan_[h][level.page_index]) {
        const uint32_t page = Flush(h, child);
        child = page;
        ++h;
        continue;
      }
      uint8_t* slot = level.page + SlotAt(level.count);
      PutU32(slot, child);
      PutU32(slot + 4, recno);
      std::memcpy(slot + 8, key, header_.key_size);
      ++level.count;
      return;
    }
  }

  // Write the last page of every level; returns the file with the root set in its header.
  std::vector<uint8_t> Finish() {
    uint32_t child = 0;
    for (size_t h = 0; h < levels_.size(); ++h) child = Flush(h, child);
    NtxHeader header = header_;
    header.root = child;
    header.first_free = 0;
    header.Serialize(file_.data());
    return std::move(file_);
  }

 private:
  struct Level {
    uint8_t page[kNtxPageSize];
    int count = 0;
    size_t page_index = 0;
  };

  size_t SlotAt(int i) const { return 2 + 2 * (size_t{header_.max_items} + 1) + size_t(i) * header_.item_size; }

  uint32_t Flush(size_t h, uint32_t last_child) {
    Level& level = levels_[h];
    PutU16(level.page, static_cast<uint16_t>(level.count));
    PutU32(level.page + SlotAt(level.count), last_child);
    const uint32_t offset = static_cast<uint32_t>(file_.size());
    file_.insert(file_.end(), level.page, level.page + kNtxPageSize);
    std::memcpy(level.page, blank_, kNtxPageSize);
    level.count = 0;
    ++level.page_index;
    return offset;
  }

  const NtxHeader& header_;
  const std::vector<std::vector<int>>& plan_;
  std::vector<Level> levels_;
  std::vector<uint8_t> file_;
  uint8_t blank_[kNtxPageSize];
};

}  // namespace

std::vector<uint8_t> NtxBuildFile(const NtxHeader& header, const NtxKeys& keys) {
  const std::vector<uint32_t> order = SortedOrder(keys, header.descending, header.unique);
  const auto plan = PlanLevels(order.size(), header.max_items, header.half_page);
  PageWriter writer(header, plan);
  // The keys are read in sorted order, all over the key block: fetch a few ahead.
  constexpr size_t kAhead = 16;
  for (size_t i = 0; i < order.size(); ++i) {
    if (i + kAhead < order.size()) {
      __builtin_prefetch(keys.key(order[i + kAhead]));
      __builtin_prefetch(&keys.recno(order[i + kAhead]));
    }
    writer.Add(0, 0, keys.recno(order[i]), keys.key(order[i]));
  }
  return writer.Finish();
}

}  // namespace xbase
