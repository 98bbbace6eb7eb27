// The folder check for the small data folders of screen tests, which hold only the tables a screen
// uses and rows seeded without what they derive (balances, stock, counters).
#ifndef PALUNDA_TESTS_SUPPORT_SMALL_FOLDER_CHECK_H_
#define PALUNDA_TESTS_SUPPORT_SMALL_FOLDER_CHECK_H_

#include <string>

namespace support {

// Adds the catalog tables `folder` lacks, empty.
void CompleteSmallFolder(const std::string& folder);

// CompleteSmallFolder, then sets every derived value of the seeded rows to
// what it derives from, as `dbtool verify --repair` does; nobody may have the folder open. A test
// that saves calls it after seeding and ends with ExpectVerified(folder).
void SettleSmallFolder(const std::string& folder);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_SMALL_FOLDER_CHECK_H_
