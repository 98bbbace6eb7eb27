// dbtool verify: what a data folder derives and stores against what it derives it from, and with
// --repair set right while no one uses the folder.
#include <cstdio>
#include <string>
#include <vector>

#include "dbtool_command.h"
#include "site/folder_verify.h"

namespace {

void PrintAll(const std::vector<std::string>& lines, const char* lead) {
  for (const std::string& line : lines) std::printf("%s%s\n", lead, line.c_str());
}

int Verify(const std::vector<std::string>& args) {
  const bool repair = args.size() == 2 && args[1] == "--repair";
  if (args.size() != 1 && !repair) return 2;
  const std::string& folder = args[0];
  if (repair) {
    std::vector<std::string> repaired;
    const xbase::Status s = site::RepairFolder(folder, &repaired);
    PrintAll(repaired, "repaired: ");
    if (!s.ok()) {
      std::fprintf(stderr, "dbtool: %s\n", s.ToString().c_str());
      if (s.IsInUse()) std::fprintf(stderr, "dbtool: --repair needs the folder to itself; close every workstation first\n");
      return 1;
    }
  }
  std::vector<std::string> differences;
  const xbase::Status s = site::VerifyFolder(folder, &differences);
  PrintAll(differences, "");
  if (!s.ok()) {
    std::fprintf(stderr, "dbtool: %s\n", s.ToString().c_str());
    return 1;
  }
  if (differences.empty()) {
    std::printf("%s: every derived value and index is sound\n", folder.c_str());
    return 0;
  }
  std::printf("%zu differences; they are set right while no one uses the folder: dbtool verify %s --repair\n",
              differences.size(), folder.c_str());
  return 1;
}

const dbtool::Registrar kVerify("verify", "FOLDER [--repair]", &Verify);

}  // namespace
