// Two bindfs mounts of one folder for the file-server tests.
#include "support/fuse_mounts.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace support {
namespace {

namespace fs = std::filesystem;

// Runs `argv` and gives its exit code, -1 when it could not run.
int Run(const std::vector<std::string>& args) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool IsMountPoint(const std::string& path) {
  std::ifstream mounts("/proc/self/mounts");
  std::string device, point, rest;
  while (mounts >> device >> point && std::getline(mounts, rest)) {
    if (point == path) return true;
  }
  return false;
}

}  // namespace

FuseMounts::FuseMounts()
    : backing_(top_.File("srv")), first_(top_.File("ws1")), second_(top_.File("ws2")) {
  for (const std::string& folder : {backing_, first_, second_}) fs::create_directory(folder);
  struct stat st;
  if (::stat("/dev/fuse", &st) != 0 || !S_ISCHR(st.st_mode)) {
    error_ = "no /dev/fuse on this machine: the file-server tests need FUSE (run them where /dev/fuse exists)";
    return;
  }
  if (Run({"sh", "-c", "command -v bindfs >/dev/null"}) != 0) {
    error_ = "bindfs is not installed: the file-server tests need it (apt-get install bindfs fuse3)";
    return;
  }
  error_ = Mount(first_);
  if (error_.empty()) error_ = Mount(second_);
}

std::string FuseMounts::Mount(const std::string& at) {
  const int code = Run({"bindfs", "-o", "direct_io", "--multithreaded", "--enable-lock-forwarding", backing_, at});
  if (code != 0 || !IsMountPoint(at)) {
    return "bindfs could not mount " + backing_ + " on " + at + " (exit code " + std::to_string(code) + ")";
  }
  return "";
}

FuseMounts::~FuseMounts() {
  // A mount still busy with a closing file is tried again for a while, then taken down lazily.
  for (const std::string& at : {second_, first_}) {
    for (int attempt = 0; IsMountPoint(at) && attempt < 50; ++attempt) {
      if (Run({"fusermount3", "-u", "-q", at}) == 0) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (IsMountPoint(at)) Run({"fusermount3", "-u", "-z", "-q", at});
  }
}

}  // namespace support
