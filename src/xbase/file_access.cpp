// The choice between maps and positioned reads: the setting, and the file systems shared over a network.
#include "xbase/file_access.h"

#include <strings.h>
#include <sys/vfs.h>

#include <atomic>
#include <cstdint>
#include <string>

namespace xbase {

namespace {

std::atomic<FileAccess> g_access{FileAccess::kAutomatic};
std::atomic<bool> g_flush{true};

// File systems whose files other machines may change behind this one's page cache: network file
// systems and those served by a user-space program (f_type as statfs gives it).
bool SharedOverTheNetwork(int64_t type) {
  switch (static_cast<uint32_t>(type)) {
    case 0x6969:      // NFS
    case 0x517B:      // SMB
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
    case 0x65735546:  // FUSE (sshfs, bindfs, GlusterFS, ...)
    case 0x01021997:  // 9P
    case 0x00C36400:  // Ceph
    case 0x5346414F:  // AFS
    case 0x6B414653:  // kAFS
    case 0x73757245:  // Coda
    case 0x47504653:  // GPFS
    case 0x0BD00BD0:  // Lustre
      return true;
    default:
      return false;
  }
}

bool IsWord(std::string_view text, std::string_view word) {
  return text.size() == word.size() && ::strncasecmp(text.data(), word.data(), word.size()) == 0;
}

}  // namespace

void SetFileAccess(FileAccess access) { g_access.store(access); }

FileAccess FileAccessSetting() { return g_access.load(); }

void SetFlushing(bool flush) { g_flush.store(flush); }

bool Flushing() { return g_flush.load(); }

Status ParseFileAccess(std::string_view text, FileAccess* access) {
  if (IsWord(text, "automatic")) {
    *access = FileAccess::kAutomatic;
  } else if (IsWord(text, "mapped")) {
    *access = FileAccess::kMapped;
  } else if (IsWord(text, "direct")) {
    *access = FileAccess::kDirect;
  } else {
    return Status::InvalidArgument("'" + std::string(text) + "' is not one of automatic, mapped and direct");
  }
  return Status::OK();
}

bool MapsFileAt(int fd) {
  switch (FileAccessSetting()) {
    case FileAccess::kMapped:
      return true;
    case FileAccess::kDirect:
      return false;
    case FileAccess::kAutomatic:
      break;
  }
  struct statfs info;
  // A file system that cannot say what it is gets the careful way.
  if (::fstatfs(fd, &info) != 0) return false;
  return !SharedOverTheNetwork(static_cast<int64_t>(info.f_type));
}

}  // namespace xbase
