// Reading a written PDF's pages and text through the poppler tools.
#include "support/pdf_tools.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

extern char** environ;

namespace support {

bool RunTool(const std::vector<std::string>& argv, std::string* output) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  std::vector<std::string> args = argv;
  std::vector<char*> raw;
  for (std::string& arg : args) raw.push_back(arg.data());
  raw.push_back(nullptr);
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, raw[0], &actions, nullptr, raw.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  output->clear();
  char buffer[4096];
  for (ssize_t got; error == 0 && (got = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) output->append(buffer, got);
  close(pipe_fds[0]);
  if (error != 0) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string PdfInfo(const std::string& pdf, const std::string& name) {
  std::string output;
  if (!RunTool({"pdfinfo", pdf}, &output)) return "";
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(name + ":", 0) == 0) {
      const std::size_t value = line.find_first_not_of(' ', name.size() + 1);
      return value == std::string::npos ? "" : line.substr(value);
    }
  }
  return "";
}

std::string PdfText(const std::string& pdf) {
  std::string output;
  return RunTool({"pdftotext", "-layout", "-enc", "UTF-8", pdf, "-"}, &output) ? output : "<pdftotext failed>";
}

}  // namespace support
