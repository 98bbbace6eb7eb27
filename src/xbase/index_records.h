// The records of a key prefix read from the index alone, for readers that go to each record anyway.
#ifndef PALUNDA_XBASE_INDEX_RECORDS_H_
#define PALUNDA_XBASE_INDEX_RECORDS_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "xbase/status.h"
#include "xbase/work_area.h"

namespace xbase {

// The record numbers of the items of `area`'s controlling order whose key begins with `prefix`, in key
// order (equal keys by record number), without reading a record: unlike SeekAll, records the session
// hides are among them, so the caller passes over those it finds hidden when it goes to them. The
// area's record is left where it was. InvalidArgument in natural order.
Status IndexRecords(WorkArea& area, std::string_view prefix, std::vector<uint32_t>* records);

}  // namespace xbase

#endif  // PALUNDA_XBASE_INDEX_RECORDS_H_
