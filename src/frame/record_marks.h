// Deleting and recalling a record under its lock, as the screens that keep users and rights do.
#ifndef PALUNDA_FRAME_RECORD_MARKS_H_
#define PALUNDA_FRAME_RECORD_MARKS_H_

#include <cstdint>

#include "console/console.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// Marks record `recno` of `area` deleted under its record lock (waited for as LOCK_REC does), released at once.
xbase::Status DeleteRecord(console::Console& con, xbase::WorkArea& area, uint32_t recno);

// Clears the deletion mark of record `recno` of `area` under its record lock, released at once.
xbase::Status RecallRecord(console::Console& con, xbase::WorkArea& area, uint32_t recno);

}  // namespace frame

#endif  // PALUNDA_FRAME_RECORD_MARKS_H_
