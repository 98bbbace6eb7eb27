// DbfRecordView: what an expression sees of one record image of a table, such as the before and
// after images a TableObserver hears of, so an index can compute both keys.
#include "xbase/dbf_record_view.h"

namespace xbase {

Value DbfRecordView::FieldValue(int index) const {
  Value value;
  const FieldHandle field = table_->Handle(index);
  // A field that cannot be read (a memo block past the file's end) gives no value, as a missing one does.
  if (field.valid() && image_.size() == table_->header().record_length) table_->ValueIn(image_, field, &value).IgnoreError();
  return value;
}

}  // namespace xbase
