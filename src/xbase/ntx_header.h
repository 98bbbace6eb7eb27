// NtxHeader: page 0 of an NTX index file and the layout rules that follow from its key size.
#ifndef PALUNDA_XBASE_NTX_HEADER_H_
#define PALUNDA_XBASE_NTX_HEADER_H_

#include <cstdint>
#include <string>

#include "xbase/status.h"

namespace xbase {

inline constexpr uint32_t kNtxPageSize = 1024;
inline constexpr uint16_t kNtxType = 0x0006;
inline constexpr uint16_t kNtxTypeForFlag = 0x0001;
inline constexpr int kNtxMaxKeySize = 256;
inline constexpr size_t kNtxTextField = 256;

// Maximum items per page for a key size: (1024 - 2) / (key size + 10) - 1, made even when odd and above 2.
int NtxMaxItems(int key_size);

struct NtxHeader {
  uint16_t type = kNtxType;
  uint16_t version = 0;
  uint32_t root = 0;
  uint32_t first_free = 0;
  uint16_t item_size = 0;
  uint16_t key_size = 0;
  uint16_t key_decimals = 0;
  uint16_t max_items = 0;
  uint16_t half_page = 0;
  std::string key_expression;
  bool unique = false;
  bool descending = false;
  std::string for_condition;

  // A header for a new index: layout fields from the key size, type from the FOR condition.
  static NtxHeader ForKey(int key_size, int key_decimals, std::string key_expression,
                          std::string for_condition, bool unique, bool descending);

  // Read and validate page 0 of `file` (file_size bytes long) from `page`.
  static Status Parse(const uint8_t* page, uint64_t file_size, const std::string& file, NtxHeader* out);
  // Write the whole header page (1024 bytes) into `page`.
  void Serialize(uint8_t* page) const;
  // Write only the fields writers change (type, version, root, first free): the first 12 bytes.
  void SerializeState(uint8_t* bytes) const;
};

inline constexpr size_t kNtxStateBytes = 12;

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_HEADER_H_
