// The stored records a correction screen loaded, kept as it read them, so that its save can tell under
// its locks whether another workstation saved them meanwhile: the later save would otherwise write
// over the earlier one unseen.
#ifndef PALUNDA_DOCUMENTS_SEEN_RECORDS_H_
#define PALUNDA_DOCUMENTS_SEEN_RECORDS_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

class SeenRecords {
 public:
  // Remembers the records of key `key` in index `order` of `area` (deleted ones too) as they read now:
  // `fields` of each, every byte of it when none are given. A key without records is remembered as
  // such. The area keeps its order and its record.
  xbase::Status Take(xbase::Session& tables, xbase::WorkArea& area, std::string_view order, std::string_view key,
                     std::vector<std::string> fields = {});
  // The same on the area's n-th index.
  xbase::Status Take(xbase::Session& tables, xbase::WorkArea& area, int order, std::string_view key,
                     std::vector<std::string> fields = {});
  // Forgets every key taken.
  void Clear() { keys_.clear(); }

  // Under the save's locks: InvalidArgument with `refusal` when a key taken has other records now, or
  // one of them reads otherwise in its fields (another workstation saved it meanwhile). Each area
  // keeps its order and its record; an area no longer open is a failure.
  xbase::Status Unchanged(xbase::Session& tables, std::string_view refusal) const;

 private:
  struct Key {
    std::string alias;
    int order = 0;
    std::string key;
    std::vector<std::string> fields;
    std::vector<std::pair<uint32_t, std::string>> records;  // record number and what was read of it
  };
  static xbase::Status Read(xbase::Session& tables, xbase::WorkArea& area, Key* key);

  std::vector<Key> keys_;
};

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_SEEN_RECORDS_H_
