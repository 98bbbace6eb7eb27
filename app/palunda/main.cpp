// palunda: the back office program. Run it in the folder that holds Palunda.ini (or where it is
// to be written); it ends when the login box is left.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <memory>
#include <string>

#include "console/clock.h"
#include "console/console.h"
#include "console/curses_terminal.h"
#include "frame/frame_procedures.h"
#include "frame/login.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"

namespace {

// The workstation name: the host name of this machine.
std::string HostName() {
  char name[HOST_NAME_MAX + 1] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "PALUNDA";
  return name;
}

}  // namespace

int main() {
  std::unique_ptr<console::CursesTerminal> terminal;
  const xbase::Status status = console::CursesTerminal::Open(&terminal);
  if (!status.ok()) {
    std::fprintf(stderr, "palunda: %s\n", status.ToString().c_str());
    return 1;
  }
  console::SystemClock clock;
  console::Console con(*terminal, clock);
  frame::ProcedureRegistry registry;
  frame::RegisterFrameProcedures(registry);
  frame::Session session(con, registry, HostName());
  frame::MULAI(session);
  return 0;
}
