// DbfHeader: the header of a DBF table (version, update date, record count, lengths, field
// descriptors), read from and written to its bytes.
#ifndef PALUNDA_XBASE_DBF_HEADER_H_
#define PALUNDA_XBASE_DBF_HEADER_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/date.h"
#include "xbase/dbf_field.h"
#include "xbase/status.h"

namespace xbase {

inline constexpr size_t kDbfPrefixSize = 32;
inline constexpr size_t kDbfDescriptorSize = 32;
inline constexpr size_t kDbfCountOffset = 4;
inline constexpr uint8_t kDbfPlain = 0x03;
inline constexpr uint8_t kDbfWithDbt = 0x83;
inline constexpr uint8_t kDbfWithFpt = 0xF5;
inline constexpr char kDbfEndOfFile = 0x1A;

struct DbfHeader {
  uint8_t version = kDbfPlain;
  uint8_t update[3] = {0, 1, 1};  // year - 1900, month, day
  uint32_t record_count = 0;
  uint16_t header_length = 0;
  uint16_t record_length = 0;
  std::vector<DbfField> fields;

  bool has_memo() const;
};

// Reads the fixed 32 bytes: version, date, count and lengths. Corruption naming `file` when the
// bytes cannot begin a table.
Status ParseDbfPrefix(std::string_view file, std::string_view bytes, DbfHeader* header);
// Reads the field descriptors from the whole header (`bytes` holds header_length bytes) and checks
// them against the record length.
Status ParseDbfFields(std::string_view file, std::string_view bytes, DbfHeader* header);
// Checks that the records the header counts lie within a file of `file_size` bytes.
Status CheckDbfSize(std::string_view file, const DbfHeader& header, uint64_t file_size);

// Lays out a new table's header from its fields (checked and upper-cased on the way).
Status NewDbfHeader(std::vector<DbfField> fields, DbfHeader* header);
// The header's bytes: prefix, descriptors, 0x0D and 0x00.
std::string EncodeDbfHeader(const DbfHeader& header);
// Today's date on this machine, as the header's update date records it.
Date Today();
// The three update-date bytes for `date`.
void EncodeUpdateDate(Date date, uint8_t out[3]);
// The record count as its four little-endian bytes.
void EncodeCount(uint32_t count, char out[4]);
// The count from four little-endian bytes.
uint32_t DecodeCount(const char in[4]);

}  // namespace xbase

#endif  // PALUNDA_XBASE_DBF_HEADER_H_
