// NewIndexFile: an index file written whole beside the file it replaces and put in its place at once,
// so a failed write (a full disk) leaves the old file as it was.
#ifndef PALUNDA_XBASE_NEW_INDEX_FILE_H_
#define PALUNDA_XBASE_NEW_INDEX_FILE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "xbase/status.h"

namespace xbase {

class NewIndexFile {
 public:
  // The new file is `path` + ".new"; it is removed unless it was put in place.
  explicit NewIndexFile(std::string path);
  NewIndexFile(const NewIndexFile&) = delete;
  NewIndexFile& operator=(const NewIndexFile&) = delete;
  ~NewIndexFile();

  // Writes the pages into the new file and makes sure they reached the disk.
  Status Write(const std::vector<uint8_t>& pages);
  // Puts the new file in place of the old one.
  Status PutInPlace();

 private:
  std::string path_;
  std::string temp_;
  bool placed_ = false;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_NEW_INDEX_FILE_H_
