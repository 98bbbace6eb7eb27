// NtxHeader: page 0 of an NTX index file and the layout rules that follow from its key size.
#include "xbase/ntx_header.h"

#include <cstring>

#include "xbase/ntx_bytes.h"

namespace xbase {

namespace {

constexpr size_t kExpressionAt = 22;
constexpr size_t kUniqueAt = 278;
constexpr size_t kDescendingAt = 280;
constexpr size_t kForAt = 282;

std::string ReadText(const uint8_t* at) {
  const char* text = reinterpret_cast<const char*>(at);
  return std::string(text, strnlen(text, kNtxTextField));
}

bool PageOffsetFits(uint32_t offset, uint64_t file_size) {
  return offset % kNtxPageSize == 0 && offset >= kNtxPageSize && offset + uint64_t{kNtxPageSize} <= file_size;
}

}  // namespace

int NtxMaxItems(int key_size) {
  int max = static_cast<int>(kNtxPageSize - 2) / (key_size + 10) - 1;
  if (max % 2 == 1 && max > 2) --max;
  return max;
}

NtxHeader NtxHeader::ForKey(int key_size, int key_decimals, std::string key_expression,
                            std::string for_condition, bool unique, bool descending) {
  NtxHeader header;
  header.type = for_condition.empty() ? kNtxType : kNtxType | kNtxTypeForFlag;
  header.version = 1;
  header.item_size = static_cast<uint16_t>(key_size + 8);
  header.key_size = static_cast<uint16_t>(key_size);
  header.key_decimals = static_cast<uint16_t>(key_decimals);
  header.max_items = static_cast<uint16_t>(NtxMaxItems(key_size));
  header.half_page = static_cast<uint16_t>(header.max_items / 2);
  header.key_expression = std::move(key_expression);
  header.unique = unique;
  header.descending = descending;
  header.for_condition = std::move(for_condition);
  return header;
}

Status NtxHeader::Parse(const uint8_t* page, uint64_t file_size, const std::string& file, NtxHeader* out) {
  NtxHeader h;
  h.type = GetU16(page);
  h.version = GetU16(page + 2);
  h.root = GetU32(page + 4);
  h.first_free = GetU32(page + 8);
  h.item_size = GetU16(page + 12);
  h.key_size = GetU16(page + 14);
  h.key_decimals = GetU16(page + 16);
  h.max_items = GetU16(page + 18);
  h.half_page = GetU16(page + 20);
  h.key_expression = ReadText(page + kExpressionAt);
  h.unique = page[kUniqueAt] != 0;
  h.descending = page[kDescendingAt] != 0;
  h.for_condition = ReadText(page + kForAt);

  if (h.type != kNtxType && h.type != (kNtxType | kNtxTypeForFlag)) {
    return Status::Corruption(file, "not an NTX index (type " + std::to_string(h.type) + ")");
  }
  if (h.key_size < 1 || h.key_size > kNtxMaxKeySize) {
    return Status::Corruption(file, "key size " + std::to_string(h.key_size) + " out of range");
  }
  if (h.item_size != h.key_size + 8) {
    return Status::Corruption(file, "item size " + std::to_string(h.item_size) + " does not match key size " +
                                        std::to_string(h.key_size));
  }
  if (h.max_items != NtxMaxItems(h.key_size) || h.half_page != h.max_items / 2) {
    return Status::Corruption(file, "items per page " + std::to_string(h.max_items) + "/" +
                                        std::to_string(h.half_page) + " do not match key size " +
                                        std::to_string(h.key_size));
  }
  if (!PageOffsetFits(h.root, file_size)) {
    return Status::Corruption(file, "root page offset " + std::to_string(h.root) + " outside the file");
  }
  if (h.first_free != 0 && !PageOffsetFits(h.first_free, file_size)) {
    return Status::Corruption(file, "free page offset " + std::to_string(h.first_free) + " outside the file");
  }
  if (h.key_expression.empty()) return Status::Corruption(file, "no key expression");
  *out = std::move(h);
  return Status::OK();
}

void NtxHeader::SerializeState(uint8_t* bytes) const {
  PutU16(bytes, type);
  PutU16(bytes + 2, version);
  PutU32(bytes + 4, root);
  PutU32(bytes + 8, first_free);
}

void NtxHeader::Serialize(uint8_t* page) const {
  std::memset(page, 0, kNtxPageSize);
  SerializeState(page);
  PutU16(page + 12, item_size);
  PutU16(page + 14, key_size);
  PutU16(page + 16, key_decimals);
  PutU16(page + 18, max_items);
  PutU16(page + 20, half_page);
  std::memcpy(page + kExpressionAt, key_expression.data(), std::min(key_expression.size(), kNtxTextField));
  page[kUniqueAt] = unique ? 1 : 0;
  page[kDescendingAt] = descending ? 1 : 0;
  std::memcpy(page + kForAt, for_condition.data(), std::min(for_condition.size(), kNtxTextField));
}

}  // namespace xbase
