// A work area seen as the records of a browse.
#ifndef PALUNDA_CONSOLE_AREA_SOURCE_H_
#define PALUNDA_CONSOLE_AREA_SOURCE_H_

#include "console/record_browse.h"
#include "xbase/work_area.h"

namespace console {

// The visible records of the area in its controlling order; the area (not owned) must
// outlive the source. An area left past its last record (a soft seek) goes to the last one.
RecordSource AreaSource(xbase::WorkArea& area);

}  // namespace console

#endif  // PALUNDA_CONSOLE_AREA_SOURCE_H_
