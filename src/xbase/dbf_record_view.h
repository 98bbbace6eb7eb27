// DbfRecordView: what an expression sees of one record image of a table, such as the before and
// after images a TableObserver hears of, so an index can compute both keys.
#ifndef PALUNDA_XBASE_DBF_RECORD_VIEW_H_
#define PALUNDA_XBASE_DBF_RECORD_VIEW_H_

#include <string_view>

#include "xbase/dbf_table.h"
#include "xbase/record_context.h"

namespace xbase {

class DbfRecordView : public RecordContext {
 public:
  // A view over `image` (a whole record of `table`, not owned; both must outlive the view).
  DbfRecordView(const DbfTable* table, std::string_view image) : table_(table), image_(image) {}

  // Points the view at another record image of the same table.
  void set_image(std::string_view image) { image_ = image; }

  int FieldIndex(std::string_view name) const override { return table_->FieldIndex(name); }
  // The field's value in the image; nil for a bad index, empty text for an unreadable memo.
  Value FieldValue(int index) const override;

 private:
  const DbfTable* table_;
  std::string_view image_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_DBF_RECORD_VIEW_H_
