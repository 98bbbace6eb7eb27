// Reading a record by its key.
#include "xbase/keyed_read.h"

namespace xbase {

Status SeekFound(WorkArea& area, std::string_view key, bool* found) {
  *found = false;
  const Status s = area.Seek(key);
  *found = s.ok() && area.found();
  return s;
}

Status SeekFound(WorkArea& area, std::string_view order, std::string_view key, bool* found) {
  *found = false;
  const Status s = area.SetOrder(order);
  return s.ok() ? SeekFound(area, key, found) : s;
}

bool LookUp(WorkArea& area, std::string_view key) {
  bool found = false;
  return SeekFound(area, key, &found).ok() && found;
}

}  // namespace xbase
