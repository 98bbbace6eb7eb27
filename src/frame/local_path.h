// Paths as users type them: backslashes separate folders and letter case does not matter.
#ifndef PALUNDA_FRAME_LOCAL_PATH_H_
#define PALUNDA_FRAME_LOCAL_PATH_H_

#include <string>
#include <string_view>

#include "frame/session.h"

namespace frame {

// The typed or stored path (trimmed) as this machine names it: a drive letter or network share
// through the workstation's drive map, backslashes as folder separators, and each part that does
// not exist as written taking the name of an entry that matches it without regard to case. A drive
// that is not mapped stays as written, so the path is then found missing.
std::string LocalPath(const Session& session, std::string_view typed);

// A folder stored in the data (a SETUP row) or typed where one is asked, as LocalPath names it; a
// relative one lies under the data folder, so that a data folder moved or copied elsewhere keeps its
// own transfer and report folders.
std::string FolderPath(Session& session, std::string_view stored);

}  // namespace frame

#endif  // PALUNDA_FRAME_LOCAL_PATH_H_
