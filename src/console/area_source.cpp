// A work area seen as the records of a browse.
#include "console/area_source.h"

namespace console {

RecordSource AreaSource(xbase::WorkArea& area, xbase::Status* fault) {
  // True when the move went well; otherwise the area goes to the end and the fault is kept.
  const auto moved = [&area, fault](const xbase::Status& status) {
    if (status.ok()) return true;
    if (fault != nullptr && fault->ok()) *fault = status;
    // Already failing: the end is the safest place whether or not this move succeeds.
    area.GoTo(0).IgnoreError();
    return false;
  };
  RecordSource source;
  source.go_top = [&area, moved] { moved(area.GoTop()); };
  source.go_bottom = [&area, moved] { moved(area.GoBottom()); };
  source.skip = [&area, moved](int n) {
    const int step = n > 0 ? 1 : -1;
    int count = 0;
    while (count != n) {
      if (!moved(area.Skip(step))) break;
      if (step > 0 && area.eof()) {
        moved(area.Skip(-1));
        break;
      }
      if (step < 0 && area.bof()) break;
      count += step;
    }
    return count;
  };
  source.position = [&area] { return static_cast<long>(area.recno()); };
  source.go_to = [&area, moved](long recno) { moved(area.GoTo(static_cast<uint32_t>(recno))); };
  source.empty = [&area, moved] {
    if (area.eof()) moved(area.GoBottom());
    return area.eof();
  };
  return source;
}

}  // namespace console
