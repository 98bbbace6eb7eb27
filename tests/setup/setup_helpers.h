// Data folders made by MakeDataFolder in a temporary directory, and reading them back.
#ifndef PALUNDA_TESTS_SETUP_SETUP_HELPERS_H_
#define PALUNDA_TESTS_SETUP_SETUP_HELPERS_H_

#include <map>
#include <string>

#include "frame/data_folder.h"
#include "frame/procedure_registry.h"
#include "xbase/session.h"

namespace frame {

// A temporary directory removed with everything in it at the end of the test.
class ScratchDir {
 public:
  ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  ~ScratchDir();
  const std::string& path() const { return path_; }
  std::string Sub(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A fixed set of entries of two groups, as a program registers them.
ProcedureRegistry TestRegistry();

// Options for a folder made on 08-12-2026 with `registry`.
DataFolderOptions TestOptions(const ProcedureRegistry& registry, bool demo);

// Every file under `dir` (relative name) with its bytes and modification time, to compare folders.
std::map<std::string, std::string> Snapshot(const std::string& dir);

// The value of field `field` of the record that index `index` (a file of `table`) finds for `key`, as
// text; "<not found>" when the seek fails.
std::string SeekField(const std::string& dir, const std::string& table, const std::string& index,
                      const std::string& key, const std::string& field);

}  // namespace frame

#endif  // PALUNDA_TESTS_SETUP_SETUP_HELPERS_H_
