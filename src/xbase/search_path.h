// SearchPath: the folders where table, memo and index files are looked for, matching file names
// without regard to case.
#ifndef PALUNDA_XBASE_SEARCH_PATH_H_
#define PALUNDA_XBASE_SEARCH_PATH_H_

#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"

namespace xbase {

// Looks in `folder` for a file named `name` without regard to case; NotFound when there is none,
// InvalidArgument when only a folder, pipe or device has that name.
Status FindInFolder(const std::string& folder, std::string_view name, std::string* path);

// `name` with `extension` (without the dot) appended unless its last part already has one.
std::string WithExtension(std::string_view name, std::string_view extension);

class SearchPath {
 public:
  SearchPath() = default;
  // Folders in the order they are searched; the first is where new files go.
  explicit SearchPath(std::vector<std::string> folders) : folders_(std::move(folders)) {}

  const std::vector<std::string>& folders() const { return folders_; }
  // Adds a folder at the end.
  void Add(std::string folder) { folders_.push_back(std::move(folder)); }

  // Finds `name` (given the default `extension` when it has none) in the folders; a name with a
  // folder part is looked for there only. NotFound names the file when no folder has it; a folder,
  // pipe or device under its name, when no folder has the file, is reported as such.
  Status Find(std::string_view name, std::string_view extension, std::string* path) const;
  // Where a new file `name` goes: the first folder (or the name's own folder), the name as the
  // caller writes it and the default extension in lower case.
  std::string NewFile(std::string_view name, std::string_view extension) const;

 private:
  std::vector<std::string> folders_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_SEARCH_PATH_H_
