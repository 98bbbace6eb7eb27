// The parallel arrays of a line editor: the shown lines (first column the line number) and the
// arrays that go with them, one element per line.
#ifndef PALUNDA_FRAME_LINE_ARRAYS_H_
#define PALUNDA_FRAME_LINE_ARRAYS_H_

#include <cstddef>
#include <vector>

#include "xbase/value.h"

namespace frame {

// _HAPUS: when there is more than one line, removes line `index` (from 1) from the lines and from each
// of the other arrays, and numbers the lines from there on again.
template <typename... Arrays>
void HAPUS_(size_t index, std::vector<std::vector<xbase::Value>>* lines, Arrays*... others) {
  if (lines->size() <= 1 || index < 1 || index > lines->size()) return;
  lines->erase(lines->begin() + static_cast<std::ptrdiff_t>(index - 1));
  (others->erase(others->begin() + static_cast<std::ptrdiff_t>(index - 1)), ...);
  for (size_t i = index - 1; i < lines->size(); ++i) {
    if (!(*lines)[i].empty()) (*lines)[i][0] = xbase::Value::Num(static_cast<double>(i + 1));
  }
}

}  // namespace frame

#endif  // PALUNDA_FRAME_LINE_ARRAYS_H_
