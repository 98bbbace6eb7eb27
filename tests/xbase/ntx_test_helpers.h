// Helpers of the index tests: order files and walks.
#ifndef PALUNDA_TESTS_XBASE_NTX_TEST_HELPERS_H_
#define PALUNDA_TESTS_XBASE_NTX_TEST_HELPERS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "xbase/ntx_index.h"

namespace xbase_test {

// A fixture's .order.txt: the KEY and FOR lines and the record numbers.
struct OrderFile {
  std::string key;
  std::string for_condition;
  std::vector<uint32_t> records;
};
OrderFile ReadOrderFile(const std::string& name);

// Record numbers of the index from top to bottom, by GoTop and Next.
std::vector<uint32_t> WalkForward(xbase::NtxIndex& index);

}  // namespace xbase_test

#endif  // PALUNDA_TESTS_XBASE_NTX_TEST_HELPERS_H_
