// Changes on disk behind the fault seam.
#include "xbase/disk_change.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "xbase/file_access.h"
#include "xbase/write_faults.h"

namespace xbase {

namespace {

Status Errno(const std::string& path, const char* what) {
  return Status::IOError(path, std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

Status WriteFully(int fd, const std::string& path, uint64_t offset, const void* data, size_t size) {
  Status s = BeforeDiskChange(path);
  if (!s.ok()) return s;
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pwrite(fd, static_cast<const char*>(data) + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return Errno(path, "write");
    }
    done += static_cast<size_t>(n);
  }
  return Status::OK();
}

Status ReadFully(int fd, const std::string& path, uint64_t offset, void* data, size_t size, size_t* got) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, static_cast<char*>(data) + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return Errno(path, "read");
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  *got = done;
  return Status::OK();
}

Status CutTo(int fd, const std::string& path, uint64_t size) {
  Status s = BeforeDiskChange(path);
  if (!s.ok()) return s;
  if (::ftruncate(fd, static_cast<off_t>(size)) != 0) return Errno(path, "truncate");
  return Status::OK();
}

Status FlushFile(int fd, const std::string& path) {
  if (!Flushing()) return Status::OK();
  Status s = BeforeDiskChange(path);
  if (!s.ok()) return s;
  while (::fdatasync(fd) != 0) {
    if (errno != EINTR) return Errno(path, "flush");
  }
  return Status::OK();
}

Status FlushFileSystem(int fd, const std::string& path) {
  if (!Flushing()) return Status::OK();
  Status s = BeforeDiskChange(path);
  if (!s.ok()) return s;
  while (::syncfs(fd) != 0) {
    if (errno != EINTR) return Errno(path, "flush");
  }
  return Status::OK();
}

bool OnLocalDisk(int fd) {
  // The magic numbers of the kernel's local disk file systems (linux/magic.h).
  constexpr unsigned long kExt = 0xEF53, kXfs = 0x58465342, kBtrfs = 0x9123683E, kF2fs = 0xF2F52010, kTmpfs = 0x01021994;
  struct statfs info;
  if (::fstatfs(fd, &info) != 0) return false;
  const auto type = static_cast<unsigned long>(info.f_type);
  return type == kExt || type == kXfs || type == kBtrfs || type == kF2fs || type == kTmpfs;
}

Status FlushFolder(const std::string& folder) {
  if (!Flushing()) return Status::OK();
  Status s = BeforeDiskChange(folder);
  if (!s.ok()) return s;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Errno(folder, "open");
  // Some file systems (a few network ones) cannot flush a folder; the names still reach the server.
  const bool flushed = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
  const int error = errno;
  ::close(fd);
  if (!flushed) return Status::IOError(folder, std::string("flush: ") + std::strerror(error));
  return Status::OK();
}

Status RemoveFile(const std::string& path) {
  Status s = BeforeDiskChange(path);
  if (!s.ok()) return s;
  if (::unlink(path.c_str()) != 0 && errno != ENOENT) return Errno(path, "remove");
  return Status::OK();
}

Status LengthOf(int fd, const std::string& path, uint64_t* length) {
  struct stat st;
  if (::fstat(fd, &st) != 0) return Errno(path, "stat");
  *length = static_cast<uint64_t>(st.st_size);
  return Status::OK();
}

}  // namespace xbase
