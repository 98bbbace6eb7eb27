// Copying tables (and optionally their indexes) from one folder to another, with the
// progress shown on row 24.
#ifndef PALUNDA_CONSOLE_COPY_DATA_H_
#define PALUNDA_CONSOLE_COPY_DATA_H_

#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"

namespace console {

// For each name found in the source folder (letter case aside): a ".DBF" file is copied, a
// ".NTX" file only when with_indexes is "Y", any other never. Row 24 names each file
// before it is copied and is put back at the end. False when a copy failed (the other
// files are still copied).
bool COPYDATA(Console& con, std::string_view source, std::string_view target, const std::vector<std::string>& names,
              std::string_view with_indexes);

}  // namespace console

#endif  // PALUNDA_CONSOLE_COPY_DATA_H_
