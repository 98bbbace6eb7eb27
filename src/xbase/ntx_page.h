// NtxPage: one 1024-byte page of an NTX index: an item count, max + 1 slot offsets, then the slots.
#ifndef PALUNDA_XBASE_NTX_PAGE_H_
#define PALUNDA_XBASE_NTX_PAGE_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/ntx_bytes.h"
#include "xbase/ntx_header.h"
#include "xbase/status.h"

namespace xbase {

// One item as it moves between pages: the page with smaller keys, the record, the key.
struct NtxItem {
  uint32_t child = 0;
  uint32_t recno = 0;
  std::string key;
};

// Read and write access to a page held in a caller's buffer; `layout` gives max items and item size.
class NtxPage {
 public:
  NtxPage(uint8_t* bytes, const NtxHeader& layout)
      : bytes_(bytes), max_(layout.max_items), item_size_(layout.item_size) {}

  int count() const { return GetU16(bytes_); }
  bool is_leaf() const { return child(0) == 0; }
  // Child page offset of slot i (0 <= i <= count): the keys smaller than item i; slot count is the last child.
  uint32_t child(int i) const { return GetU32(slot(i)); }
  uint32_t recno(int i) const { return GetU32(slot(i) + 4); }
  const uint8_t* key(int i) const { return slot(i) + 8; }
  std::string_view key_view(int i, int key_size) const {
    return std::string_view(reinterpret_cast<const char*>(key(i)), key_size);
  }
  NtxItem item(int i) const;

  void set_child(int i, uint32_t child) { PutU32(slot(i), child); }
  // Overwrite item i's record and key, keeping its child.
  void set_entry(int i, uint32_t recno, const uint8_t* key);
  // Insert an item at position i by taking the free slot after the last child (count < max).
  void Insert(int i, uint32_t child, uint32_t recno, const uint8_t* key);
  // Remove item i together with its child pointer; its slot becomes free.
  void Remove(int i);
  // Lay the page out afresh with `items` (at most max) and a last child, slots in order.
  void Rebuild(const std::vector<NtxItem>& items, uint32_t last_child);
  // A freed page: no items, its only child is the next free page.
  void MakeFree(uint32_t next_free);

  // Check counts, slot offsets and child offsets of the page at `offset`; file_size bounds the children.
  Status Validate(uint32_t offset, uint64_t file_size, const std::string& file) const;

 private:
  uint8_t* slot(int i) const { return bytes_ + GetU16(bytes_ + 2 + 2 * i); }
  size_t slots_begin() const { return 2 + 2 * (static_cast<size_t>(max_) + 1); }

  uint8_t* bytes_;
  int max_;
  int item_size_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_PAGE_H_
