// DbfHeader: the header of a DBF table (version, update date, record count, lengths, field
// descriptors), read from and written to its bytes.
#include "xbase/dbf_header.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ctime>

namespace xbase {

namespace {

uint16_t U16(const char* p) {
  return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | (static_cast<uint8_t>(p[1]) << 8));
}

void PutU16(uint16_t v, char* p) {
  p[0] = static_cast<char>(v & 0xFF);
  p[1] = static_cast<char>(v >> 8);
}

bool KnownVersion(uint8_t version) {
  switch (version) {
    case 0x03: case 0x83: case 0x8B: case 0xF5: case 0x30: case 0x31: return true;
    default: return false;
  }
}

std::string FieldWhat(size_t index, const DbfField& field) {
  std::string name;
  for (char c : field.name) name += (c >= 0x20 && c < 0x7F) ? c : '?';
  return "field " + std::to_string(index + 1) + " (" + name + ")";
}

// Checks a stored field's type and width; empty when it is sound.
std::string FieldFault(const DbfField& field) {
  if (field.name.empty()) return "has no name";
  for (char c : field.name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (!(std::isalnum(u) || c == '_')) return "has a bad name";
  }
  switch (field.type) {
    case 'C': return field.length > 0 ? "" : "has width 0";
    case 'N':
      if (field.length < 1 || field.length > 32) return "has a bad numeric width";
      return field.decimals < field.length ? "" : "has too many decimals";
    case 'D': return field.length == 8 ? "" : "is a date whose width is not 8";
    case 'L': return field.length == 1 ? "" : "is a logical whose width is not 1";
    case 'M': return field.length == 10 ? "" : "is a memo whose width is not 10";
    default: return "has unknown type";
  }
}

}  // namespace

bool DbfHeader::has_memo() const {
  return std::any_of(fields.begin(), fields.end(), [](const DbfField& f) { return f.type == 'M'; });
}

uint32_t DecodeCount(const char in[4]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(in[0])) | (static_cast<uint32_t>(static_cast<uint8_t>(in[1])) << 8) |
         (static_cast<uint32_t>(static_cast<uint8_t>(in[2])) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(in[3])) << 24);
}

void EncodeCount(uint32_t count, char out[4]) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((count >> (8 * i)) & 0xFF);
}

Date Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local;
  localtime_r(&now, &local);
  return Date::FromYmd(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

void EncodeUpdateDate(Date date, uint8_t out[3]) {
  out[0] = static_cast<uint8_t>(date.year() - 1900);
  out[1] = static_cast<uint8_t>(date.month());
  out[2] = static_cast<uint8_t>(date.day());
}

Status ParseDbfPrefix(std::string_view file, std::string_view bytes, DbfHeader* header) {
  if (bytes.size() < kDbfPrefixSize) return Status::Corruption(file, "header cut short");
  header->version = static_cast<uint8_t>(bytes[0]);
  if (!KnownVersion(header->version)) return Status::Corruption(file, "not a table (unknown version byte)");
  std::memcpy(header->update, bytes.data() + 1, 3);
  header->record_count = DecodeCount(bytes.data() + kDbfCountOffset);
  header->header_length = U16(bytes.data() + 8);
  header->record_length = U16(bytes.data() + 10);
  if (header->header_length < kDbfPrefixSize + kDbfDescriptorSize + 1) {
    return Status::Corruption(file, "header length " + std::to_string(header->header_length) + " too small");
  }
  if (header->record_length < 2) return Status::Corruption(file, "record length too small");
  return Status::OK();
}

Status ParseDbfFields(std::string_view file, std::string_view bytes, DbfHeader* header) {
  if (bytes.size() < header->header_length) return Status::Corruption(file, "header cut short");
  header->fields.clear();
  size_t pos = kDbfPrefixSize;
  int offset = 1;
  while (true) {
    if (pos >= header->header_length) return Status::Corruption(file, "field list has no end mark");
    if (bytes[pos] == '\r') break;
    if (pos + kDbfDescriptorSize > header->header_length) return Status::Corruption(file, "field list cut short");
    const char* d = bytes.data() + pos;
    DbfField field;
    field.name.assign(d, strnlen(d, 11));
    field.type = d[11];
    field.length = static_cast<uint8_t>(d[16]);
    field.decimals = static_cast<uint8_t>(d[17]);
    if (field.type == 'C') {
      field.length += 256 * field.decimals;
      field.decimals = 0;
    }
    field.offset = offset;
    const std::string fault = FieldFault(field);
    if (!fault.empty()) return Status::Corruption(file, FieldWhat(header->fields.size(), field) + " " + fault);
    offset += field.length;
    header->fields.push_back(std::move(field));
    pos += kDbfDescriptorSize;
  }
  if (header->fields.empty()) return Status::Corruption(file, "no fields");
  if (offset != header->record_length) {
    return Status::Corruption(file, "record length " + std::to_string(header->record_length) +
                                        " does not match the fields (" + std::to_string(offset) + ")");
  }
  return Status::OK();
}

Status CheckDbfSize(std::string_view file, const DbfHeader& header, uint64_t file_size) {
  const uint64_t needed = header.header_length + static_cast<uint64_t>(header.record_count) * header.record_length;
  if (file_size < header.header_length) return Status::Corruption(file, "header cut short");
  if (needed > file_size) {
    return Status::Corruption(file, "record count " + std::to_string(header.record_count) +
                                        " goes beyond the end of the file");
  }
  return Status::OK();
}

Status NewDbfHeader(std::vector<DbfField> fields, DbfHeader* header) {
  if (fields.empty()) return Status::InvalidArgument("table", "no fields");
  int offset = 1;
  for (size_t i = 0; i < fields.size(); ++i) {
    Status s = CheckNewField(&fields[i]);
    if (!s.ok()) return s;
    for (size_t j = 0; j < i; ++j) {
      if (fields[j].name == fields[i].name) return Status::InvalidArgument("field " + fields[i].name, "named twice");
    }
    fields[i].offset = offset;
    offset += fields[i].length;
  }
  if (offset > 65535) return Status::InvalidArgument("table", "record longer than 65535 bytes");
  const size_t header_length = kDbfPrefixSize + kDbfDescriptorSize * fields.size() + 2;
  if (header_length > 65535) return Status::InvalidArgument("table", "too many fields");
  header->fields = std::move(fields);
  header->version = header->has_memo() ? kDbfWithFpt : kDbfPlain;
  header->record_count = 0;
  header->header_length = static_cast<uint16_t>(header_length);
  header->record_length = static_cast<uint16_t>(offset);
  return Status::OK();
}

std::string EncodeDbfHeader(const DbfHeader& header) {
  std::string out(header.header_length, '\0');
  out[0] = static_cast<char>(header.version);
  std::memcpy(out.data() + 1, header.update, 3);
  EncodeCount(header.record_count, out.data() + kDbfCountOffset);
  PutU16(header.header_length, out.data() + 8);
  PutU16(header.record_length, out.data() + 10);
  size_t pos = kDbfPrefixSize;
  for (const DbfField& field : header.fields) {
    char* d = out.data() + pos;
    std::memcpy(d, field.name.data(), std::min<size_t>(field.name.size(), 10));
    d[11] = field.type;
    if (field.type == 'C') {
      d[16] = static_cast<char>(field.length & 0xFF);
      d[17] = static_cast<char>(field.length >> 8);
    } else {
      d[16] = static_cast<char>(field.length);
      d[17] = static_cast<char>(field.decimals);
    }
    pos += kDbfDescriptorSize;
  }
  out[pos] = '\r';
  return out;
}

}  // namespace xbase
