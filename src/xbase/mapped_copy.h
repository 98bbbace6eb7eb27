// Copies to and from mapped files that another process may cut short: a page past the file's new
// end makes the copy fail instead of killing the process with SIGBUS.
#ifndef PALUNDA_XBASE_MAPPED_COPY_H_
#define PALUNDA_XBASE_MAPPED_COPY_H_

#include <cstddef>
#include <cstdint>

namespace xbase {

// Runs `access(context)`, which touches mapped bytes; false when it met a page past the end of the
// file behind the mapping (the access stops there, partly done).
bool GuardedAccess(void (*access)(void* context), void* context);

// Copies `size` bytes from `from` to `to`, either of them mapped; false when the file was cut short.
bool CopyMapped(void* to, const void* from, size_t size);

// Reads the 16-bit value at `at` in a mapping with acquire order; false when the file was cut short.
bool LoadMapped16(const uint8_t* at, uint16_t* value);

}  // namespace xbase

#endif  // PALUNDA_XBASE_MAPPED_COPY_H_
