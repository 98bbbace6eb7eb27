#include "console/area_source.h"

namespace console {

RecordSource AreaSource(xbase::WorkArea& area) {
  RecordSource source;
  source.go_top = [&area] { area.GoTop(); };
  source.go_bottom = [&area] { area.GoBottom(); };
  source.skip = [&area](int n) {
    const int step = n > 0 ? 1 : -1;
    int moved = 0;
    while (moved != n) {
      if (!area.Skip(step).ok()) break;
      if (step > 0 && area.eof()) {
        area.Skip(-1);
        break;
      }
      if (step < 0 && area.bof()) break;
      moved += step;
    }
    return moved;
  };
  source.position = [&area] { return static_cast<long>(area.recno()); };
  source.go_to = [&area](long recno) { area.GoTo(static_cast<uint32_t>(recno)); };
  source.empty = [&area] {
    if (area.eof()) area.GoBottom();
    return area.eof();
  };
  return source;
}

}  // namespace console
