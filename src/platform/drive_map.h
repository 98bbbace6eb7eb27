// Stored Windows paths ("d:\data\palunda", "\\server\share\x") as paths of this machine.
#ifndef PALUNDA_PLATFORM_DRIVE_MAP_H_
#define PALUNDA_PLATFORM_DRIVE_MAP_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xbase/status.h"

namespace platform {

// The path with backslashes as separators, each part that does not exist as written taking the
// name of an entry of its folder that matches it without regard to case.
std::string MatchLocalCase(std::string_view path);

// Drive letters and network shares of stored paths, each mapped to a local folder.
class DriveMap {
 public:
  // Maps `prefix` ("D", "D:" or "\\server\share", any case) to `folder`; other prefixes are refused.
  xbase::Status Add(std::string_view prefix, std::string_view folder);
  // The local path of a stored path (trimmed): its drive or share through the map, the rest
  // through MatchLocalCase; a path with neither is matched as it stands. NotFound when the drive
  // or share is not mapped.
  xbase::Status Map(std::string_view stored, std::string* local) const;
  // The mapped prefixes in upper case ("D:", "\\SERVER\SHARE") with their folders, in the order added.
  const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace platform

#endif  // PALUNDA_PLATFORM_DRIVE_MAP_H_
