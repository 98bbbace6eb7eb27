// The programs of build/bin (dbtool, palunda, palunda-setup) run as child processes.
#ifndef PALUNDA_TESTS_SUPPORT_PROGRAMS_H_
#define PALUNDA_TESTS_SUPPORT_PROGRAMS_H_

#include <string>
#include <vector>

namespace support {

// The path of program `name` in build/bin.
std::string ProgramPath(const std::string& name);
// Runs program `name` with `args` and returns its standard output (and its standard error, mixed in,
// with `with_errors`); `*status` gets the exit code.
std::string RunProgram(const std::string& name, const std::vector<std::string>& args, int* status = nullptr,
                       bool with_errors = false);
// Starts program `name` with `args` in a child process and returns its pid.
int StartProgram(const std::string& name, const std::vector<std::string>& args);
// Waits for a child process and returns its exit code (-1 when it did not exit normally).
int WaitChild(int pid);

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_PROGRAMS_H_
