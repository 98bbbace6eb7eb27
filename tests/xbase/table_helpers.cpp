#include "table_helpers.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace xbase_test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "palunda-XXXXXX").string();
  path_ = ::mkdtemp(pattern.data());
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string Fixture(const std::string& name) { return std::string(PALUNDA_FIXTURES) + "/xbase/" + name; }

std::string CopyFixture(const TempDir& dir, const std::string& name, const std::string& as) {
  const std::string target = dir.File(as.empty() ? name : as);
  WriteFile(target, ReadFile(Fixture(name)));
  return target;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {

std::vector<char*> Argv(std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return argv;
}

std::vector<std::string> WithTool(const std::vector<std::string>& args) {
  std::vector<std::string> all{std::string(PALUNDA_BIN) + "/dbtool"};
  all.insert(all.end(), args.begin(), args.end());
  return all;
}

}  // namespace

int StartDbtool(const std::vector<std::string>& args) {
  std::vector<std::string> all = WithTool(args);
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

std::string RunDbtool(const std::vector<std::string>& args, int* status, bool with_errors) {
  std::vector<std::string> all = WithTool(args);
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

}  // namespace xbase_test
