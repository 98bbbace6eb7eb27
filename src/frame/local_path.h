// Paths as the data stores them and users type them ("d:\data\palunda", "\\kantor\umum\x"): drive
// letters and shares through this workstation's drive map, backslashes as folder separators, and
// letter case that does not matter.
#ifndef PALUNDA_FRAME_LOCAL_PATH_H_
#define PALUNDA_FRAME_LOCAL_PATH_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/status.h"

namespace frame {

// The path (trimmed) as a path of this machine: its drive or share through the [Drives] map of
// Palunda.ini, each further part that does not exist as written taking the name of an entry that
// matches it without regard to case. NotFound naming the drive when it is not mapped.
xbase::Status LocalPath(const Session& session, std::string_view stored, std::string* local);

}  // namespace frame

#endif  // PALUNDA_FRAME_LOCAL_PATH_H_
