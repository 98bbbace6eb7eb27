// dbtool: a small command-line tool over the runtime, for tests and administrators.
#include <cstdio>
#include <string>
#include <vector>

#include "dbtool_command.h"

namespace dbtool {

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

Registrar::Registrar(const char* name, const char* usage, Handler handler) {
  Commands().push_back(Command{name, usage, handler});
}

}  // namespace dbtool

int main(int argc, char** argv) {
  if (argc >= 2) {
    const std::string name = argv[1];
    for (const dbtool::Command& command : dbtool::Commands()) {
      if (name == command.name) {
        std::vector<std::string> args(argv + 2, argv + argc);
        const int code = command.handler(args);
        // 2: the arguments do not fit the command.
        if (code == 2) std::fprintf(stderr, "usage: dbtool %s %s\n", command.name, command.usage);
        return code;
      }
    }
  }
  std::fprintf(stderr, "usage: dbtool COMMAND ...\n");
  for (const dbtool::Command& command : dbtool::Commands()) {
    std::fprintf(stderr, "  dbtool %s %s\n", command.name, command.usage);
  }
  return 2;
}
