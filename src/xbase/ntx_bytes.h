// Little-endian reads and writes of the integers in NTX pages.
#ifndef PALUNDA_XBASE_NTX_BYTES_H_
#define PALUNDA_XBASE_NTX_BYTES_H_

#include <cstdint>
#include <cstring>

namespace xbase {

// The uint16 stored little-endian at `p`.
inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
// The uint32 stored little-endian at `p`.
inline uint32_t GetU32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}
// Store `v` little-endian at `p`.
inline void PutU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
// Store `v` little-endian at `p`.
inline void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_BYTES_H_
