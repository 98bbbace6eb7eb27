// BlankRecord: a record of a catalog table with every field blank, as an expression sees it.
#include "schema/blank_record.h"

#include <string>

#include "xbase/date.h"

namespace schema {

int BlankRecord::FieldIndex(std::string_view name) const {
  const FieldDef* field = FindField(table_, name);
  return field == nullptr ? -1 : static_cast<int>(field - table_.fields.data());
}

xbase::Value BlankRecord::FieldValue(int index) const {
  const FieldDef& field = table_.fields[index];
  switch (field.type) {
    case 'N':
      return xbase::Value::Num(0, field.width, field.decimals);
    case 'D':
      return xbase::Value::FromDate(xbase::Date());
    case 'L':
      return xbase::Value::Logical(false);
    default:
      return xbase::Value::Text(std::string(field.width, ' '));
  }
}

}  // namespace schema
