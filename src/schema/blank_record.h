// BlankRecord: a record of a catalog table with every field blank, as an expression sees it.
#ifndef PALUNDA_SCHEMA_BLANK_RECORD_H_
#define PALUNDA_SCHEMA_BLANK_RECORD_H_

#include <string_view>

#include "schema/catalog.h"
#include "xbase/record_context.h"
#include "xbase/value.h"

namespace schema {

class BlankRecord : public xbase::RecordContext {
 public:
  explicit BlankRecord(const TableDef& table) : table_(table) {}

  // Position of the field in the table (without regard to case), or -1.
  int FieldIndex(std::string_view name) const override;
  // The blank value of the field: blanks, 0 with its width and decimals, the empty date or false.
  xbase::Value FieldValue(int index) const override;

 private:
  const TableDef& table_;
};

}  // namespace schema

#endif  // PALUNDA_SCHEMA_BLANK_RECORD_H_
