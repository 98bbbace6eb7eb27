// dbtool recover: undoes the saves that workstations which died left unfinished in a data folder,
// as the next save at any workstation would, and prints what it did.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "dbtool_command.h"
#include "xbase/journal_recovery.h"

namespace {

int Recover(const std::vector<std::string>& args) {
  if (args.size() != 1) return 2;
  const std::string& folder = args[0];
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    std::fprintf(stderr, "dbtool: %s: no such folder\n", folder.c_str());
    return 1;
  }
  std::vector<xbase::RecoveredSave> recovered;
  const xbase::Status s = xbase::RecoverFolder(folder, xbase::RecoveryScope::kAll, &recovered);
  for (const xbase::RecoveredSave& save : recovered) {
    if (save.torn) {
      std::printf("%s: cut short before the save wrote anything; removed\n", save.journal.c_str());
      continue;
    }
    std::printf("%s: the unfinished save of %s (process %u) undone\n", save.journal.c_str(), save.host.c_str(), save.pid);
    for (const std::string& file : save.files) std::printf("  restored: %s\n", file.c_str());
    for (const std::string& file : save.grown) {
      std::printf("  %s was appended to after the save: left at its length, the save's records stay in it\n", file.c_str());
    }
  }
  if (!s.ok()) {
    std::fprintf(stderr, "dbtool: %s\n", s.ToString().c_str());
    return 1;
  }
  if (recovered.empty()) std::printf("%s: no unfinished save\n", folder.c_str());
  return 0;
}

const dbtool::Registrar kRecover("recover", "FOLDER", &Recover);

}  // namespace
