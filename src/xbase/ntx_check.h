// Integrity check of an NTX file: pages well formed, keys in order, leaves level, free pages chained,
// every page either in the tree or free.
#ifndef PALUNDA_XBASE_NTX_CHECK_H_
#define PALUNDA_XBASE_NTX_CHECK_H_

#include <cstdint>
#include <string>
#include <vector>

#include "xbase/ntx_index.h"

namespace xbase {

struct NtxCheckReport {
  std::vector<std::string> faults;  // each names the file and what is wrong
  size_t keys = 0;
  size_t tree_pages = 0;
  size_t free_pages = 0;
  size_t depth = 0;
  bool ok() const { return faults.empty(); }
};

// Check `index` under its shared lock; the report lists every fault found. A Status error only when
// the file cannot be read at all.
Status NtxCheck(NtxIndex& index, NtxCheckReport* report);

// The items of `index` in order, as (key, record) pairs, read under one shared lock.
Status NtxItems(NtxIndex& index, std::vector<std::pair<std::string, uint32_t>>* items);

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_CHECK_H_
