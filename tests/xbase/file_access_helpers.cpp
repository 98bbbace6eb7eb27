// With PALUNDA_TEST_FILE_ACCESS set (automatic, mapped or direct), the test program reaches its files
// that way: ctest runs the table and index tests a second time with it set to direct.
#include <cstdio>
#include <cstdlib>

#include "xbase/file_access.h"

namespace {

[[maybe_unused]] const bool kFileAccessSet = [] {
  const char* text = std::getenv("PALUNDA_TEST_FILE_ACCESS");
  if (text == nullptr) return false;
  xbase::FileAccess access;
  const xbase::Status s = xbase::ParseFileAccess(text, &access);
  if (!s.ok()) {
    std::fprintf(stderr, "PALUNDA_TEST_FILE_ACCESS: %s\n", s.ToString().c_str());
    std::exit(2);
  }
  xbase::SetFileAccess(access);
  return true;
}();

}  // namespace
