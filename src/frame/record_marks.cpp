// Deleting and recalling a record under its lock, as the screens that keep users and rights do.
#include "frame/record_marks.h"

#include "console/table_access.h"

namespace frame {
namespace {

xbase::Status ChangeRecord(console::Console& con, xbase::WorkArea& area, uint32_t recno,
                           xbase::Status (xbase::WorkArea::*change)()) {
  xbase::Status s = area.GoTo(recno);
  if (s.ok()) s = console::LOCK_REC(con, area);
  if (s.ok()) s = (area.*change)();
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status DeleteRecord(console::Console& con, xbase::WorkArea& area, uint32_t recno) {
  return ChangeRecord(con, area, recno, &xbase::WorkArea::Delete);
}

xbase::Status RecallRecord(console::Console& con, xbase::WorkArea& area, uint32_t recno) {
  return ChangeRecord(con, area, recno, &xbase::WorkArea::Recall);
}

}  // namespace frame
