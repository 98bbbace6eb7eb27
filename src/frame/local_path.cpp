#include "frame/local_path.h"

#include "platform/drive_map.h"
#include "xbase/text_functions.h"

namespace frame {

std::string LocalPath(std::string_view typed) { return platform::MatchLocalCase(xbase::AllTrim(typed)); }

}  // namespace frame
