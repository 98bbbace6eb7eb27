// SearchPath: the folders where table, memo and index files are looked for, matching file names
// without regard to case.
#include "xbase/search_path.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "xbase/file_lock.h"

namespace xbase {

namespace {

std::string Join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string path = folder;
  if (path.back() != '/') path += '/';
  path += name;
  return path;
}

// What is at `path`: nothing (false), or something with the stat mode `*mode`.
bool Exists(const std::string& path, unsigned* mode) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return false;
  *mode = st.st_mode;
  return true;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

Status FindInFolder(const std::string& folder, std::string_view name, std::string* path) {
  const std::string exact = Join(folder, name);
  unsigned mode = 0;
  if (Exists(exact, &mode) && S_ISREG(mode)) {
    *path = exact;
    return Status::OK();
  }
  // A folder or pipe under the wanted name is reported as such when no file matches.
  Status other = mode != 0 ? NotAFile(exact, mode) : Status::OK();
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir != nullptr) {
    const std::string wanted(name);
    while (const dirent* entry = ::readdir(dir)) {
      const std::string candidate = Join(folder, entry->d_name);
      if (::strcasecmp(entry->d_name, wanted.c_str()) != 0 || !Exists(candidate, &mode)) continue;
      if (S_ISREG(mode)) {
        *path = candidate;
        ::closedir(dir);
        return Status::OK();
      }
      if (other.ok()) other = NotAFile(candidate, mode);
    }
    ::closedir(dir);
  }
  return other.ok() ? Status::NotFound(exact, "no such file") : other;
}

std::string WithExtension(std::string_view name, std::string_view extension) {
  const size_t slash = name.rfind('/');
  const std::string_view base = slash == std::string_view::npos ? name : name.substr(slash + 1);
  if (base.find('.') != std::string_view::npos) return std::string(name);
  return std::string(name) + "." + std::string(extension);
}

Status SearchPath::Find(std::string_view name, std::string_view extension, std::string* path) const {
  const std::string file = WithExtension(name, extension);
  const size_t slash = file.rfind('/');
  if (slash != std::string::npos) {
    return FindInFolder(file.substr(0, slash == 0 ? 1 : slash), std::string_view(file).substr(slash + 1), path);
  }
  if (folders_.empty()) return FindInFolder("", file, path);
  Status first_other;
  for (const std::string& folder : folders_) {
    const Status s = FindInFolder(folder, file, path);
    if (s.ok()) return s;
    if (!s.IsNotFound() && first_other.ok()) first_other = s;
  }
  if (!first_other.ok()) return first_other;
  return Status::NotFound(file, "not found in the search path");
}

std::string SearchPath::NewFile(std::string_view name, std::string_view extension) const {
  const std::string file = WithExtension(name, Lower(extension));
  if (file.find('/') != std::string::npos || folders_.empty()) return file;
  return Join(folders_.front(), file);
}

}  // namespace xbase
