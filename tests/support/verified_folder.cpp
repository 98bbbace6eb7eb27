// Runs the folder check on a test's folder and fails the test on any difference.
#include "support/verified_folder.h"

#include <vector>

#include <gtest/gtest.h>

#include "site/folder_verify.h"

namespace support {

void ExpectVerified(const std::string& folder) {
  std::vector<std::string> differences;
  const xbase::Status s = site::VerifyFolder(folder, &differences);
  EXPECT_TRUE(s.ok()) << s.ToString();
  std::string named;
  for (const std::string& difference : differences) named += "\n  " + difference;
  EXPECT_TRUE(differences.empty()) << folder << " differs:" << named;
}

}  // namespace support
