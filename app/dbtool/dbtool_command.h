// Subcommands of dbtool register themselves with a Registrar at namespace scope.
#ifndef PALUNDA_TOOLS_DBTOOL_COMMAND_H_
#define PALUNDA_TOOLS_DBTOOL_COMMAND_H_

#include <string>
#include <vector>

namespace dbtool {

// Runs one subcommand with the arguments after its name; returns the exit code, 2 when the arguments
// do not fit its usage (the usage is then printed).
using Handler = int (*)(const std::vector<std::string>& args);

struct Command {
  const char* name;
  const char* usage;
  Handler handler;
};

std::vector<Command>& Commands();

struct Registrar {
  Registrar(const char* name, const char* usage, Handler handler);
};

}  // namespace dbtool

#endif  // PALUNDA_TOOLS_DBTOOL_COMMAND_H_
