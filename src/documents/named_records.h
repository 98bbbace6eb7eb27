// Naming in a save the records that the shared ways of writing a document change: a record kept by
// its key (found: rewritten; missing: appended) and the stored rows that RewriteLines pairs with new
// lines.
#ifndef PALUNDA_DOCUMENTS_NAMED_RECORDS_H_
#define PALUNDA_DOCUMENTS_NAMED_RECORDS_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "documents/save_scope.h"
#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace documents {

// The record of exact key `key` in index `order` of `area`: its lock when found, else the table's
// append lock. The area's controlling order is given back.
xbase::Status NameKeyedRecord(SaveScope& save, xbase::WorkArea& area, std::string_view order, std::string_view key);
// The same on the area's n-th index.
xbase::Status NameKeyedRecord(SaveScope& save, xbase::WorkArea& area, int order, std::string_view key);

// The table's append lock and every stored row (deleted ones too) of `key` in index `order`, the rows
// RewriteLines pairs with new lines; *rows receives them when asked. The controlling order is given back.
xbase::Status NameStoredRows(SaveScope& save, xbase::Session& tables, xbase::WorkArea& area, std::string_view order,
                             std::string_view key, std::vector<uint32_t>* rows = nullptr);
// The same on the area's n-th index.
xbase::Status NameStoredRows(SaveScope& save, xbase::Session& tables, xbase::WorkArea& area, int order,
                             std::string_view key, std::vector<uint32_t>* rows = nullptr);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_NAMED_RECORDS_H_
