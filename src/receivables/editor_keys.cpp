// Keys the line editors of the receivables screens handle alike.
#include "receivables/editor_keys.h"

#include <algorithm>

#include "console/message.h"
#include "frame/line_arrays.h"

namespace receivables {

bool AnsweredYes(console::Console& con, std::string_view question) {
  const int answer = console::PESAN(con, question);
  return answer == 'Y' || answer == 'y';
}

void DeleteLine(console::ValueTable* lines, int* idx) {
  if (lines->size() <= 1) return;
  frame::HAPUS_(static_cast<size_t>(*idx), lines);
  *idx = std::min(*idx, static_cast<int>(lines->size()));
}

}  // namespace receivables
