// Paths as users type them: backslashes separate folders and letter case does not matter.
#include "frame/local_path.h"

#include "platform/drive_map.h"
#include "xbase/text_functions.h"

namespace frame {

std::string LocalPath(const Session& session, std::string_view typed) {
  std::string local;
  if (session.services().MapPath(typed, &local).ok()) return local;
  return platform::MatchLocalCase(xbase::AllTrim(typed));
}

}  // namespace frame
