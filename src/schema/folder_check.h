// Checking a data folder: every table of the catalog and each of its index files.
#ifndef PALUNDA_SCHEMA_FOLDER_CHECK_H_
#define PALUNDA_SCHEMA_FOLDER_CHECK_H_

#include <string>
#include <vector>

#include "schema/catalog.h"

namespace schema {

// Checks every table of the catalog in `folder`: the table opens shared, and each of its index files
// opens, passes the integrity check and holds exactly the keys of the table's records. Returns every fault
// found, each naming its file; none for a sound folder.
std::vector<std::string> CheckFolder(const std::string& folder);

// The faults CheckFolder finds in one table of the catalog and its index files.
std::vector<std::string> CheckTable(const std::string& folder, const TableDef& table);

}  // namespace schema

#endif  // PALUNDA_SCHEMA_FOLDER_CHECK_H_
