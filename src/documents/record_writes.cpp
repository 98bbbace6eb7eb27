// Writing whole records of a document: a new record with its fields, or fields put on the record
// the caller has locked, the record lock released afterwards (a file lock the caller holds stays).
#include "documents/record_writes.h"

#include "console/table_access.h"
#include "xbase/number_text.h"

namespace documents {

xbase::Status PutAndRelease(xbase::WorkArea& area, const FieldValues& fields) {
  xbase::Status s;
  for (const auto& [field, value] : fields) {
    if (!s.ok()) break;
    s = area.Put(field, value);
  }
  // Releases this record only: a file lock held over a whole save stays.
  const xbase::Status released = area.table().UnlockRecord(area.recno());
  return s.ok() ? released : s;
}

xbase::Status AppendRecord(console::Console& con, xbase::WorkArea& area, const FieldValues& fields) {
  const xbase::Status s = console::APP_REC(con, area);
  return s.ok() ? PutAndRelease(area, fields) : s;
}

bool FitsField(const xbase::WorkArea& area, std::string_view field, double value) {
  const xbase::FieldHandle handle = area.Field(field);
  if (!handle.valid()) return false;
  const std::string text = xbase::Str(value, handle.length, handle.decimals);
  return text.empty() || text[0] != '*';
}

}  // namespace documents
