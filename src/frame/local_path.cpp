// Paths as users type them: backslashes separate folders and letter case does not matter.
#include "frame/local_path.h"

#include "platform/drive_map.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

// A path without a leading separator, network share or drive letter.
bool IsRelative(std::string_view path) {
  if (path.empty() || path[0] == '/' || path[0] == '\\') return false;
  return path.size() < 2 || path[1] != ':';
}

// The data folder: the one the login chose, else the first folder tables are found in.
std::string DataFolder(Session& session) {
  std::string folder(xbase::AllTrim(session.DRVDATA_));
  if (folder.empty() && !session.tables().search_path().folders().empty()) {
    folder = session.tables().search_path().folders().front();
  }
  while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

}  // namespace

std::string LocalPath(const Session& session, std::string_view typed) {
  std::string local;
  if (session.services().MapPath(typed, &local).ok()) return local;
  return platform::MatchLocalCase(xbase::AllTrim(typed));
}

std::string FolderPath(Session& session, std::string_view stored) {
  const std::string_view path = xbase::AllTrim(stored);
  const std::string base = IsRelative(path) ? DataFolder(session) : std::string();
  return LocalPath(session, base.empty() ? std::string(path) : base + "/" + std::string(path));
}

}  // namespace frame
