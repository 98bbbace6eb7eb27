// Paths as users type them: backslashes separate folders and letter case does not matter.
#ifndef PALUNDA_FRAME_LOCAL_PATH_H_
#define PALUNDA_FRAME_LOCAL_PATH_H_

#include <string>
#include <string_view>

namespace frame {

// The typed path (trimmed) as this system names it: backslashes become folder separators and
// each part that does not exist as written takes the name of an entry that matches it without
// regard to case.
std::string LocalPath(std::string_view typed);

}  // namespace frame

#endif  // PALUNDA_FRAME_LOCAL_PATH_H_
