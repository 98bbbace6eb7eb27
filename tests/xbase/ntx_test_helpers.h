// Shared helpers of the index tests: fixture paths, scratch folders, order files.
#ifndef PALUNDA_TESTS_XBASE_NTX_TEST_HELPERS_H_
#define PALUNDA_TESTS_XBASE_NTX_TEST_HELPERS_H_

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "xbase/ntx_index.h"

namespace xbase_test {

// Path of a file in the fixtures' xbase folder.
std::string FixturePath(const std::string& name);

// A fresh folder under the system's temporary folder, removed with the object.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  // Path of `name` inside the folder.
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  // Copy a fixture file into the folder, writable; returns its new path.
  std::string CopyFixture(const std::string& name) const;

 private:
  std::filesystem::path dir_;
};

// A fixture's .order.txt: the KEY and FOR lines and the record numbers.
struct OrderFile {
  std::string key;
  std::string for_condition;
  std::vector<uint32_t> records;
};
OrderFile ReadOrderFile(const std::string& name);

// Record numbers of the index from top to bottom, by GoTop and Next.
std::vector<uint32_t> WalkForward(xbase::NtxIndex& index);

// The whole file's bytes.
std::vector<uint8_t> ReadFileBytes(const std::string& path);
// Overwrite bytes of a file at `offset`.
void PatchFile(const std::string& path, uint64_t offset, const std::vector<uint8_t>& bytes);

}  // namespace xbase_test

#endif  // PALUNDA_TESTS_XBASE_NTX_TEST_HELPERS_H_
