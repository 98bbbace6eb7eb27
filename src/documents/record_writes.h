// Writing whole records of a document: a new record with its fields, or fields put on the record
// the caller has locked, the record lock released afterwards (a file lock the caller holds stays).
#ifndef PALUNDA_DOCUMENTS_RECORD_WRITES_H_
#define PALUNDA_DOCUMENTS_RECORD_WRITES_H_

#include <string_view>
#include <utility>
#include <vector>

#include "console/console.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace documents {

// Fields and the values they take, in the order they are written.
using FieldValues = std::vector<std::pair<std::string_view, xbase::Value>>;

// Puts the fields on the current record (locked by the caller) and releases its record lock; the
// first failure is returned, the lock released all the same.
xbase::Status PutAndRelease(xbase::WorkArea& area, const FieldValues& fields);

// APP_REC, then PutAndRelease on the new record.
xbase::Status AppendRecord(console::Console& con, xbase::WorkArea& area, const FieldValues& fields);

// True when `value` can be stored in the numeric field `field` of the area's table.
bool FitsField(const xbase::WorkArea& area, std::string_view field, double value);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_RECORD_WRITES_H_
