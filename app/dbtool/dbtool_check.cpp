// dbtool check: every table of the catalog in a data folder and its index files, or one table's
// index files.
#include <cstdio>
#include <string>
#include <vector>

#include "dbtool_area.h"
#include "dbtool_command.h"
#include "schema/folder_check.h"

namespace {

int Check(const std::vector<std::string>& args) {
  if (args.size() >= 2) return dbtool::CheckIndexes(args);
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: dbtool check FOLDER | TABLE INDEX...\n");
    return 2;
  }
  const std::vector<std::string> faults = schema::CheckFolder(args[0]);
  for (const std::string& fault : faults) std::printf("%s\n", fault.c_str());
  if (faults.empty()) std::printf("%s: every table and index is sound\n", args[0].c_str());
  return faults.empty() ? 0 : 1;
}

const dbtool::Registrar kCheck("check", "FOLDER | TABLE INDEX...", &Check);

}  // namespace
