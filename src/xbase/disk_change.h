// The changes the file layer makes on disk, each behind the fault seam (xbase/write_faults.h):
// positioned writes, cuts, flushes and removals of files by descriptor or path.
#ifndef PALUNDA_XBASE_DISK_CHANGE_H_
#define PALUNDA_XBASE_DISK_CHANGE_H_

#include <cstddef>
#include <cstdint>
#include <string>

#include "xbase/status.h"

namespace xbase {

// Writes all `size` bytes at `offset` of the open file `fd` (named `path` in errors).
Status WriteFully(int fd, const std::string& path, uint64_t offset, const void* data, size_t size);
// Reads up to `size` bytes at `offset`; `*got` tells how many the file had.
Status ReadFully(int fd, const std::string& path, uint64_t offset, void* data, size_t size, size_t* got);
// Cuts or extends the file to `size` bytes.
Status CutTo(int fd, const std::string& path, uint64_t size);
// Makes what was written to the file durable (fdatasync), when saves flush (xbase/file_access.h).
Status FlushFile(int fd, const std::string& path);
// Makes everything written to the file system holding `fd` durable in one flush (syncfs), when saves
// flush: cheaper than flushing many files of one save one by one, each of which waits on the disk.
// Only for a file on a local disk (OnLocalDisk): over a file server or FUSE syncfs may leave the
// server's copy unflushed, where a flush of each file reaches it.
Status FlushFileSystem(int fd, const std::string& path);
// True when `fd` lies on a local disk file system whose syncfs makes every file on it durable.
bool OnLocalDisk(int fd);
// Makes the names in a folder durable (fsync of the folder), when saves flush.
Status FlushFolder(const std::string& folder);
// Removes a file; a file already gone is no error.
Status RemoveFile(const std::string& path);
// The file's length.
Status LengthOf(int fd, const std::string& path, uint64_t* length);

}  // namespace xbase

#endif  // PALUNDA_XBASE_DISK_CHANGE_H_
