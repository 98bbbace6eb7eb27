#include "frame/local_path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "xbase/text_functions.h"

namespace frame {

std::string LocalPath(std::string_view typed) {
  std::string path(xbase::AllTrim(typed));
  std::replace(path.begin(), path.end(), '\\', '/');
  namespace fs = std::filesystem;
  std::error_code error;
  fs::path local = fs::path(path).root_path();
  for (const fs::path& part : fs::path(path).relative_path()) {
    fs::path next = local / part;
    if (!fs::exists(next, error)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(local.empty() ? "." : local, error)) {
        if (xbase::EqualsIgnoreCase(entry.path().filename().string(), part.string())) next = local / entry.path().filename();
      }
    }
    local = std::move(next);
  }
  return local.string();
}

}  // namespace frame
