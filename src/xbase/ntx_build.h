// Bulk build of an NTX file: sort the keys, then fill pages bottom-up in the reference runtime's layout.
#ifndef PALUNDA_XBASE_NTX_BUILD_H_
#define PALUNDA_XBASE_NTX_BUILD_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "xbase/ntx_header.h"

namespace xbase {

// The keys of an index to build, each with its record number, held in one block.
class NtxKeys {
 public:
  explicit NtxKeys(int key_size) : key_size_(key_size) {}

  // Add a key (cut or padded with blanks to the key size) for record `recno`.
  void Add(std::string_view key, uint32_t recno);
  // Reserve room for `count` keys.
  void Reserve(size_t count);

  size_t size() const { return recnos_.size(); }
  int key_size() const { return key_size_; }
  const uint8_t* key(size_t i) const { return bytes_.data() + i * key_size_; }
  const uint32_t& recno(size_t i) const { return recnos_[i]; }

 private:
  int key_size_;
  std::vector<uint8_t> bytes_;
  std::vector<uint32_t> recnos_;
};

// The whole file for `header` over `keys`: header page, then pages in the order the reference runtime
// writes them (every page full, the last of a level balanced with its left neighbour when under half).
// A unique index keeps the first record of equal keys.
std::vector<uint8_t> NtxBuildFile(const NtxHeader& header, const NtxKeys& keys);

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_BUILD_H_
