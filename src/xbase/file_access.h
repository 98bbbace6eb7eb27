// How the pages of data files are reached: through memory maps, or only by positioned reads and writes.
//
// A map is fast and, on a local disk, always agrees with what other processes write, since both go
// through one page cache. On a network or user-space file system (NFS, SMB/CIFS, FUSE, ...) each
// workstation has its own cache: a map there shows what that machine last fetched, not what another
// workstation wrote, and many such mounts refuse maps altogether. There files are reached only by
// pread and pwrite, whose results the locks keep current.
#ifndef PALUNDA_XBASE_FILE_ACCESS_H_
#define PALUNDA_XBASE_FILE_ACCESS_H_

#include <string_view>

#include "xbase/status.h"

namespace xbase {

enum class FileAccess {
  kAutomatic,  // maps on local file systems, positioned reads and writes elsewhere
  kMapped,     // maps wherever the file system allows them
  kDirect,     // positioned reads and writes only, never a map
};

// The process-wide choice (Palunda.ini [Storage] Access); kAutomatic until set.
void SetFileAccess(FileAccess access);
FileAccess FileAccessSetting();

// Whether saves flush what they write to the disk (fdatasync) before they count as done: the process-wide
// choice (Palunda.ini [Storage] Flush); on until set. Without it a save still survives its process
// being killed, but not the machine losing power.
void SetFlushing(bool flush);
bool Flushing();

// Reads "automatic", "mapped" or "direct" (any case); InvalidArgument for anything else.
Status ParseFileAccess(std::string_view text, FileAccess* access);

// Whether the open file `fd` is reached through maps: the setting, or when automatic, whether the file
// lives on a local file system.
bool MapsFileAt(int fd);

}  // namespace xbase

#endif  // PALUNDA_XBASE_FILE_ACCESS_H_
