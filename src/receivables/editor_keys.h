// Keys the line editors of the receivables screens handle alike.
#ifndef PALUNDA_RECEIVABLES_EDITOR_KEYS_H_
#define PALUNDA_RECEIVABLES_EDITOR_KEYS_H_

#include <string_view>

#include "console/array_browse.h"
#include "console/console.h"

namespace receivables {

// True when `question`, shown on row 24, is answered "Y" or "y".
bool AnsweredYes(console::Console& con, std::string_view question);

// Del: removes line *idx (from 1) when there is more than one line, numbering the rest again, and
// keeps *idx within the lines.
void DeleteLine(console::ValueTable* lines, int* idx);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_EDITOR_KEYS_H_
