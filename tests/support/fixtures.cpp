// The reference runtime's files that the tests read or copy.
#include "support/fixtures.h"

#include <filesystem>
#include <stdexcept>

#include "support/files.h"

namespace support {

std::string Fixture(const std::string& relative) {
  const std::string path = std::string(PALUNDA_FIXTURES) + "/" + relative;
  if (!std::filesystem::is_regular_file(path)) throw std::runtime_error("reference file missing: " + path);
  return path;
}

std::string CopyFixture(const TempFolder& folder, const std::string& relative, const std::string& as) {
  const std::string source = Fixture(relative);
  const std::string target = folder.File(as.empty() ? std::filesystem::path(relative).filename().string() : as);
  WriteFile(target, ReadFile(source));
  return target;
}

}  // namespace support
