#include "xbase/dbf_record_view.h"

namespace xbase {

Value DbfRecordView::FieldValue(int index) const {
  Value value;
  const FieldHandle field = table_->Handle(index);
  if (field.valid() && image_.size() == table_->header().record_length) table_->ValueIn(image_, field, &value);
  return value;
}

}  // namespace xbase
