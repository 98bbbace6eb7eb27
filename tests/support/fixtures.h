// The reference files in tests/data (or the folder PALUNDA_FIXTURES names). A missing one throws,
// so the test fails with a message naming the file instead of reading nothing.
#ifndef PALUNDA_TESTS_SUPPORT_FIXTURES_H_
#define PALUNDA_TESTS_SUPPORT_FIXTURES_H_

#include <string>

#include "support/temp_folder.h"

namespace support {

// The path of reference file `relative` (such as "xbase/CUST.dbf"); throws std::runtime_error naming
// the file when it is not there.
std::string Fixture(const std::string& relative);
// Copies reference file `relative` into `folder` as `as` (its own name when empty), writable; returns
// the new path.
std::string CopyFixture(const TempFolder& folder, const std::string& relative, const std::string& as = "");

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_FIXTURES_H_
