// Forms whose fields are a table's fields by position: the edit variables of the values, and the
// save or delete that ends such a form (LCSIMPAN).
#ifndef PALUNDA_MASTERS_RECORD_FORM_H_
#define PALUNDA_MASTERS_RECORD_FORM_H_

#include <string>
#include <vector>

#include "console/get.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace masters {

// One edit variable per field, of the field's type, blank to begin with.
class RecordForm {
 public:
  // The first `count` fields of the area's table.
  RecordForm(const xbase::WorkArea& area, int count);
  RecordForm(const RecordForm&) = delete;
  RecordForm& operator=(const RecordForm&) = delete;

  int size() const { return static_cast<int>(slots_.size()); }
  // Adds field `index` (from 0) to the form at a place.
  console::GetField& Add(console::GetList* form, int index, int row, int col, std::string picture = {});
  // The text variable of a character field.
  std::string& text(int index) { return slots_[static_cast<size_t>(index)].text; }
  xbase::Date date(int index) const { return slots_[static_cast<size_t>(index)].date; }
  // Every variable blank again.
  void Clear();
  // The values, in field order.
  std::vector<xbase::Value> values() const;
  // Takes `values` into the variables from field `first` on.
  void Load(const std::vector<xbase::Value>& values, int first = 0);

 private:
  struct Slot {
    char type = 'C';
    int width = 0;
    std::string text;
    double number = 0;
    xbase::Date date;
    bool flag = false;
  };
  std::vector<Slot> slots_;
};

// Stands on the row of `key` (sought on the first index), appending it with the key in `key_field` when
// missing; the row is locked either way and *appended tells which.
xbase::Status LockRowOf(console::Console& con, xbase::WorkArea& area, std::string_view key_field, std::string_view key,
                        bool* appended);
// Deletes the row of `key` (sought on the controlling index) under its lock; nothing when there is none.
xbase::Status DeleteRowOf(console::Console& con, xbase::WorkArea& area, std::string_view key);

// The end of a form whose first field is the key of the table open in `area`: false when the screen
// ends (Esc on the key, or an empty key); otherwise the values are saved or deleted (LCSIMPAN) unless
// the form was left with Esc, and the form starts again.
bool SaveOrLeave(frame::Session& session, const console::ReadResult& read, const RecordForm& form,
                 xbase::WorkArea& area);

}  // namespace masters

#endif  // PALUNDA_MASTERS_RECORD_FORM_H_
