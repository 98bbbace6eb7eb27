// Output files that never overwrite: a new name taken with an exclusive create.
#include "platform/new_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace platform {

xbase::Status WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return xbase::Status::IOError(path, std::string("write failed: ") + std::strerror(errno));
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return xbase::Status::OK();
}

std::string FileStem(std::string_view title) {
  std::string stem;
  for (const char c : title) {
    if (stem.size() == 40) break;
    const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
    stem += kept ? c : '_';
  }
  const std::size_t last = stem.find_last_not_of('_');
  stem.erase(last == std::string::npos ? 0 : last + 1);
  return stem.empty() ? "laporan" : stem;
}

NewFile::~NewFile() { Abandon(); }

xbase::Status NewFile::Create(const std::string& folder, std::string_view title, std::string_view extension,
                              const FileClock& clock) {
  Abandon();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return xbase::Status::IOError(folder, "cannot make the folder: " + error.message());
  const std::time_t now = clock ? clock() : std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string base = (std::filesystem::path(folder) / (FileStem(title) + "-" + stamp)).string();
  for (int n = 1;; ++n) {
    const std::string candidate = base + (n == 1 ? "" : "-" + std::to_string(n)) + std::string(extension);
    fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd_ >= 0) {
      path_ = candidate;
      committed_ = false;
      return xbase::Status::OK();
    }
    if (errno != EEXIST) return xbase::Status::IOError(candidate, std::string("cannot create: ") + std::strerror(errno));
  }
}

xbase::Status NewFile::Write(std::string_view bytes) {
  if (fd_ < 0) return xbase::Status::InvalidArgument(path_, "the file is not open");
  return WriteAll(fd_, bytes, path_);
}

xbase::Status NewFile::Commit() {
  if (fd_ < 0) return xbase::Status::InvalidArgument(path_, "the file is not open");
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    ::unlink(path_.c_str());
    return xbase::Status::IOError(path_, std::string("close failed: ") + std::strerror(errno));
  }
  committed_ = true;
  return xbase::Status::OK();
}

void NewFile::Abandon() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!committed_ && !path_.empty()) ::unlink(path_.c_str());
  path_.clear();
  committed_ = false;
}

xbase::Status WriteNewFile(const std::string& folder, std::string_view title, std::string_view extension,
                           const FileClock& clock, std::string_view bytes, std::string* path) {
  NewFile file;
  xbase::Status status = file.Create(folder, title, extension, clock);
  if (status.ok()) status = file.Write(bytes);
  if (status.ok()) status = file.Commit();
  if (status.ok()) *path = file.path();
  return status;
}

}  // namespace platform
