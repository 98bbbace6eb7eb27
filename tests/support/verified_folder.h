// The check every test that saves ends with: the folder's derived values and indexes agree with what
// they derive from, as `dbtool verify` finds them.
#ifndef PALUNDA_TESTS_SUPPORT_VERIFIED_FOLDER_H_
#define PALUNDA_TESTS_SUPPORT_VERIFIED_FOLDER_H_

#include <string>

namespace support {

// Fails the test naming every difference found in `folder`.
void ExpectVerified(const std::string& folder);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_VERIFIED_FOLDER_H_
