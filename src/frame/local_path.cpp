#include "frame/local_path.h"

#include "xbase/text_functions.h"

namespace frame {

xbase::Status LocalPath(const Session& session, std::string_view stored, std::string* local) {
  return session.settings.drives.Map(xbase::AllTrim(stored), local);
}

}  // namespace frame
