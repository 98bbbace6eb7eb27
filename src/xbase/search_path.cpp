#include "xbase/search_path.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>

namespace xbase {

namespace {

std::string Join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string path = folder;
  if (path.back() != '/') path += '/';
  path += name;
  return path;
}

bool IsFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

Status FindInFolder(const std::string& folder, std::string_view name, std::string* path) {
  const std::string exact = Join(folder, name);
  if (IsFile(exact)) {
    *path = exact;
    return Status::OK();
  }
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir != nullptr) {
    const std::string wanted(name);
    while (const dirent* entry = ::readdir(dir)) {
      if (::strcasecmp(entry->d_name, wanted.c_str()) == 0 && IsFile(Join(folder, entry->d_name))) {
        *path = Join(folder, entry->d_name);
        ::closedir(dir);
        return Status::OK();
      }
    }
    ::closedir(dir);
  }
  return Status::NotFound(exact, "no such file");
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
  for (const std::string& folder : folders_) {
    if (FindInFolder(folder, file, path).ok()) return Status::OK();
  }
  return Status::NotFound(file, "not found in the search path");
}

std::string SearchPath::NewFile(std::string_view name, std::string_view extension) const {
  const std::string file = WithExtension(name, Lower(extension));
  if (file.find('/') != std::string::npos || folders_.empty()) return file;
  return Join(folders_.front(), file);
}

}  // namespace xbase
