// A work area seen as the records of a browse.
#ifndef PALUNDA_CONSOLE_AREA_SOURCE_H_
#define PALUNDA_CONSOLE_AREA_SOURCE_H_

#include "console/record_browse.h"
#include "xbase/work_area.h"

namespace console {

// The visible records of the area in its controlling order; the area (and `fault`, when given) must
// outlive the source. An area left past its last record (a soft seek) goes to the last one. A move
// that fails leaves the area at the end, so no record is shown in place of the one not reached, and
// its status goes to *fault when that is still OK.
RecordSource AreaSource(xbase::WorkArea& area, xbase::Status* fault = nullptr);

}  // namespace console

#endif  // PALUNDA_CONSOLE_AREA_SOURCE_H_
