// NtxPage: one 1024-byte page of an NTX index: an item count, max + 1 slot offsets, then the slots.
#include "xbase/ntx_page.h"

#include <bitset>
#include <cstring>

namespace xbase {

NtxItem NtxPage::item(int i) const {
  const uint8_t* k = key(i);
  return NtxItem{child(i), recno(i), std::string(reinterpret_cast<const char*>(k), item_size_ - 8)};
}

void NtxPage::set_entry(int i, uint32_t recno, const uint8_t* key) {
  uint8_t* s = slot(i);
  PutU32(s + 4, recno);
  std::memmove(s + 8, key, item_size_ - 8);
}

void NtxPage::Insert(int i, uint32_t child, uint32_t recno, const uint8_t* key) {
  const int n = count();
  uint8_t* offsets = bytes_ + 2;
  uint8_t free_slot[2] = {offsets[2 * (n + 1)], offsets[2 * (n + 1) + 1]};
  std::memmove(offsets + 2 * (i + 1), offsets + 2 * i, 2 * (size_t(n) + 1 - i));
  std::memcpy(offsets + 2 * i, free_slot, 2);
  PutU32(slot(i), child);
  set_entry(i, recno, key);
  PutU16(bytes_, static_cast<uint16_t>(n + 1));
}

void NtxPage::Remove(int i) {
  const int n = count();
  uint8_t* offsets = bytes_ + 2;
  uint8_t freed[2] = {offsets[2 * i], offsets[2 * i + 1]};
  std::memmove(offsets + 2 * i, offsets + 2 * (i + 1), 2 * (size_t(n) - i));
  std::memcpy(offsets + 2 * n, freed, 2);
  PutU16(bytes_, static_cast<uint16_t>(n - 1));
}

void NtxPage::Rebuild(const std::vector<NtxItem>& items, uint32_t last_child) {
  std::memset(bytes_, 0, kNtxPageSize);
  PutU16(bytes_, static_cast<uint16_t>(items.size()));
  for (int i = 0; i <= max_; ++i) PutU16(bytes_ + 2 + 2 * i, static_cast<uint16_t>(slots_begin() + size_t(i) * item_size_));
  for (size_t i = 0; i < items.size(); ++i) {
    uint8_t* s = slot(static_cast<int>(i));
    PutU32(s, items[i].child);
    PutU32(s + 4, items[i].recno);
    std::memcpy(s + 8, items[i].key.data(), item_size_ - 8);
  }
  PutU32(slot(static_cast<int>(items.size())), last_child);
}

void NtxPage::MakeFree(uint32_t next_free) {
  PutU16(bytes_, 0);
  set_child(0, next_free);
}

Status NtxPage::Validate(uint32_t offset, uint64_t file_size, const std::string& file) const {
  auto fault = [&](const std::string& what) {
    return Status::Corruption(file, "page at " + std::to_string(offset) + ": " + what);
  };
  const int n = count();
  if (n > max_) return fault("item count " + std::to_string(n) + " above " + std::to_string(max_));
  std::bitset<128> used;
  for (int i = 0; i <= max_; ++i) {
    const size_t at = GetU16(bytes_ + 2 + 2 * i);
    if (at < slots_begin() || at + item_size_ > kNtxPageSize || (at - slots_begin()) % item_size_ != 0) {
      return fault("slot offset " + std::to_string(at) + " out of place");
    }
    const size_t index = (at - slots_begin()) / item_size_;
    if (used[index]) return fault("slot offset " + std::to_string(at) + " used twice");
    used[index] = true;
  }
  const bool leaf = is_leaf();
  for (int i = 0; i <= n; ++i) {
    const uint32_t c = child(i);
    if ((c == 0) != leaf) return fault("mixes leaf and branch items");
    if (c != 0 && (c % kNtxPageSize != 0 || c + uint64_t{kNtxPageSize} > file_size)) {
      return fault("child page offset " + std::to_string(c) + " outside the file");
    }
  }
  return Status::OK();
}

}  // namespace xbase
