// Whole files as bytes, for tests that compare or damage them.
#ifndef PALUNDA_TESTS_SUPPORT_FILES_H_
#define PALUNDA_TESTS_SUPPORT_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

namespace support {

// The whole contents of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Writes `bytes` as the whole contents of a file.
void WriteFile(const std::string& path, const std::string& bytes);
// Overwrites bytes of a file at `offset`.
void PatchFile(const std::string& path, uint64_t offset, const std::vector<uint8_t>& bytes);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_FILES_H_
