// palunda-setup: makes a new data folder, optionally with a demonstration company.
#include <cstdio>
#include <string>
#include <string_view>

#include "frame/procedure_registry.h"
#include "site/all_procedures.h"
#include "site/data_folder.h"

namespace {

constexpr const char* kUsage =
    "usage: palunda-setup [--demo] [--branch CODE] [--branch-name NAME] [--customer-prefix P]\n"
    "                     [--company NAME] DIR\n"
    "  Makes the data folder DIR (missing or empty) with every table, its indexes, the settings,\n"
    "  the document counters of the branch, the menu and the administrator. --demo adds a small\n"
    "  company to try a sales order with. Defaults: branch JKT001 JAKARTA, customer codes from J.\n";

// The option that takes the next argument as its value, or null.
std::string* ValueOption(std::string_view arg, site::DataFolderOptions& options) {
  if (arg == "--branch") return &options.branch;
  if (arg == "--branch-name") return &options.branch_name;
  if (arg == "--customer-prefix") return &options.customer_prefix;
  if (arg == "--company") return &options.company;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  site::DataFolderOptions options;
  std::string dir;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--demo") {
      options.demo = true;
    } else if (arg == "--help" || arg == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (std::string* value = ValueOption(arg, options); value != nullptr && i + 1 < argc) {
      *value = argv[++i];
    } else if (arg.starts_with("-") || !dir.empty()) {
      std::fputs(kUsage, stderr);
      return 2;
    } else {
      dir = arg;
    }
  }
  if (dir.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  frame::ProcedureRegistry registry;
  site::RegisterAllProcedures(registry);
  options.registry = &registry;
  std::string report;
  const xbase::Status s = site::MakeDataFolder(dir, options, &report);
  if (!s.ok()) {
    std::fprintf(stderr, "palunda-setup: %s\n", s.message().c_str());
    return 1;
  }
  std::fputs(report.c_str(), stdout);
  return 0;
}
