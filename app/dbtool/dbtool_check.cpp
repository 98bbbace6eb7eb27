// dbtool check and reindex: every table of the catalog in a data folder and its index files, or one
// table's index files.
#include <cstdio>
#include <string>
#include <vector>

#include "dbtool_area.h"
#include "dbtool_command.h"
#include "schema/catalog.h"
#include "schema/folder_check.h"
#include "schema/rebuild_indexes.h"

namespace {

int Check(const std::vector<std::string>& args) {
  if (args.size() >= 2) return dbtool::CheckIndexes(args);
  if (args.size() != 1) return 2;
  const std::vector<std::string> faults = schema::CheckFolder(args[0]);
  for (const std::string& fault : faults) std::printf("%s\n", fault.c_str());
  if (faults.empty()) {
    std::printf("%s: every table and index is sound\n", args[0].c_str());
  } else {
    std::printf("Index faults are repaired by rebuilding the index files while no one uses the folder: "
                "dbtool reindex %s\n",
                args[0].c_str());
  }
  return faults.empty() ? 0 : 1;
}

int Reindex(const std::vector<std::string>& args) {
  if (args.size() >= 2) return dbtool::ReindexTable(args);
  if (args.size() != 1) return 2;
  size_t files = 0;
  for (const schema::TableDef* table : schema::AllTables()) {
    const xbase::Status s = schema::RebuildIndexes(*table, args[0]);
    if (!s.ok()) {
      std::fprintf(stderr, "dbtool: %s\n", s.ToString().c_str());
      return 1;
    }
    files += table->indexes.size();
  }
  std::printf("%s: index files rebuilt: %zu\n", args[0].c_str(), files);
  return 0;
}

const dbtool::Registrar kCheck("check", "FOLDER | TABLE INDEX...", &Check);
const dbtool::Registrar kReindex("reindex", "FOLDER | TABLE INDEX...", &Reindex);

}  // namespace
