// Starting the built programs as child processes and waiting for them.
#include "support/programs.h"

#include <sys/wait.h>
#include <unistd.h>

namespace support {
namespace {

std::vector<char*> Argv(std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return argv;
}

std::vector<std::string> CommandLine(const std::string& name, const std::vector<std::string>& args) {
  std::vector<std::string> all{ProgramPath(name)};
  all.insert(all.end(), args.begin(), args.end());
  return all;
}

}  // namespace

std::string ProgramPath(const std::string& name) { return std::string(PALUNDA_BIN) + "/" + name; }

int StartProgram(const std::string& name, const std::vector<std::string>& args) {
  std::vector<std::string> all = CommandLine(name, args);
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::vector<char*> argv = Argv(all);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return pid;
}

int WaitChild(int pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string RunProgram(const std::string& name, const std::vector<std::string>& args, int* status,
                       bool with_errors) {
  std::vector<std::string> all = CommandLine(name, args);
  int pipe_fds[2];
  if (::pipe(pipe_fds) != 0) return "";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(pipe_fds[1], 1);
    if (with_errors) ::dup2(pipe_fds[1], 2);
    ::close(pipe_fds[0]);
    ::close(pipe_fds[1]);
    std::vector<char*> argv = Argv(all);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::close(pipe_fds[1]);
  std::string out;
  char buffer[65536];
  ssize_t n;
  while ((n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<size_t>(n));
  ::close(pipe_fds[0]);
  const int code = WaitChild(pid);
  if (status != nullptr) *status = code;
  return out;
}

}  // namespace support
