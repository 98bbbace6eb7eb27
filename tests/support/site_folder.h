// Data folders made as palunda-setup makes them, and reading them back.
#ifndef PALUNDA_TESTS_SUPPORT_SITE_FOLDER_H_
#define PALUNDA_TESTS_SUPPORT_SITE_FOLDER_H_

#include <map>
#include <string>

#include "frame/procedure_registry.h"
#include "site/data_folder.h"
#include "xbase/session.h"

namespace support {

// A fixed set of entries of two groups, as a program registers them.
frame::ProcedureRegistry TestRegistry();

// Options for a folder made on 08-12-2026 with `registry`.
site::DataFolderOptions TestOptions(const frame::ProcedureRegistry& registry, bool demo);

// Every file under `dir` (relative name) with its bytes and modification time, to compare folders.
std::map<std::string, std::string> Snapshot(const std::string& dir);

// The value of field `field` of the record that index `index` (a file of `table`) finds for `key`, as
// text; "<not found>" when the seek fails.
std::string SeekField(const std::string& dir, const std::string& table, const std::string& index,
                      const std::string& key, const std::string& field);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_SITE_FOLDER_H_
