// Starting an outside program (such as a workbook viewer) without a shell.
#include "platform/program_start.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>

extern char** environ;

namespace platform {

xbase::Status SplitCommandLine(std::string_view text, std::vector<std::string>* words) {
  words->clear();
  std::string word;
  bool in_word = false;
  char quote = 0;
  for (const char c : text) {
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      } else {
        word += c;
      }
    } else if (c == '"' || c == '\'') {
      quote = c;
      in_word = true;
    } else if (c == ' ' || c == '\t') {
      if (in_word) words->push_back(std::move(word));
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (quote != 0) return xbase::Status::InvalidArgument(text, std::string("the quote ") + quote + " is not closed");
  if (in_word) words->push_back(std::move(word));
  return xbase::Status::OK();
}

xbase::Status StartProgram(const std::vector<std::string>& words, const std::string& argument) {
  if (words.empty()) return xbase::Status::InvalidArgument("program", "no program given");
  std::vector<std::string> args = words;
  args.push_back(argument);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  // The program gets no part of the terminal: keys typed meanwhile stay this program's, and
  // nothing it prints lands on the screen. In a session of its own it has no terminal to open.
  posix_spawn_file_actions_t files;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&files);
  posix_spawnattr_init(&attributes);
  posix_spawn_file_actions_addopen(&files, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, argv[0], &files, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return xbase::Status::IOError(words.front(), std::string("cannot start: ") + std::strerror(error));
  // The program runs on by itself; a waiting thread collects its exit so that no zombie stays.
  std::thread([pid] {
    int ignored = 0;
    waitpid(pid, &ignored, 0);
  }).detach();
  return xbase::Status::OK();
}

}  // namespace platform
