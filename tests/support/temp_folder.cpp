// A temporary folder removed with everything in it at the end of a test.
#include "support/temp_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace support {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
  // Short, because data folders keep their paths in fields of 50 characters.
  std::string pattern = (fs::temp_directory_path() / "palunda-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder " + pattern);
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  // A test may have taken the write right away to see a refusal.
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(path_, ignored);
}

}  // namespace support
