// RecordContext: what an expression sees of a table: its fields by name and the current record's values.
#ifndef PALUNDA_XBASE_RECORD_CONTEXT_H_
#define PALUNDA_XBASE_RECORD_CONTEXT_H_

#include <string_view>

#include "xbase/value.h"

namespace xbase {

class RecordContext {
 public:
  virtual ~RecordContext() = default;

  // Position of the field named `name` (without regard to case), or -1 when there is none.
  virtual int FieldIndex(std::string_view name) const = 0;
  // The value of the field at `index` in the current record.
  virtual Value FieldValue(int index) const = 0;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_RECORD_CONTEXT_H_
