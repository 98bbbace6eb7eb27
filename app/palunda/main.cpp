// palunda: the back office program. Run it in the folder that holds Palunda.ini (or where it is
// to be written); it ends when the login box is left.
//   palunda --settings DATA_FOLDER [SERVER]   writes Palunda.ini here for the data folder and ends.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

#include "console/clock.h"
#include "console/console.h"
#include "console/curses_terminal.h"
#include "frame/login.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "site/all_procedures.h"

namespace {

// The workstation name: the host name of this machine.
std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "PALUNDA";
  return name;
}

constexpr const char* kUsage = "usage: palunda [--settings DATA_FOLDER [SERVER]]\n";

// Writes the settings file of the current folder without the settings screen.
int WriteSettings(const std::string& folder, const std::string& server) {
  const xbase::Status status = frame::WriteConnectionSettings({server, "", "", folder}, frame::kIniFileName);
  if (!status.ok()) {
    std::fprintf(stderr, "palunda: %s\n", status.message().c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && argc <= 4 && std::string_view(argv[1]) == "--settings") {
    return WriteSettings(argv[2], argc == 4 ? argv[3] : "localhost");
  }
  if (argc != 1) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::unique_ptr<console::CursesTerminal> terminal;
  const xbase::Status status = console::CursesTerminal::Open(&terminal);
  if (!status.ok()) {
    std::fprintf(stderr, "palunda: %s\n", status.ToString().c_str());
    return 1;
  }
  console::SystemClock clock;
  console::Console con(*terminal, clock);
  frame::ProcedureRegistry registry;
  site::RegisterAllProcedures(registry);
  frame::Session session(con, registry, HostName());
  frame::MULAI(session);
  return 0;
}
