// Checking a data folder: every table of the catalog and each of its index files.
#ifndef PALUNDA_SCHEMA_FOLDER_CHECK_H_
#define PALUNDA_SCHEMA_FOLDER_CHECK_H_

#include <string>
#include <vector>

namespace schema {

// Checks every table of the catalog in `folder`: the table opens shared, and each of its index files
// opens, passes the integrity check and holds exactly the keys of the table's records. Returns every fault
// found, each naming its file; none for a sound folder.
std::vector<std::string> CheckFolder(const std::string& folder);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_FOLDER_CHECK_H_
