// An index file written aside under a temporary name and put in place of the old one in one rename.
#include "xbase/new_index_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "xbase/file_lock.h"

namespace xbase {

NewIndexFile::NewIndexFile(std::string path) : path_(std::move(path)), temp_(path_ + ".new") {}

NewIndexFile::~NewIndexFile() {
  std::error_code ignored;
  if (!placed_) std::filesystem::remove(temp_, ignored);
}

Status NewIndexFile::Write(const std::vector<uint8_t>& pages) {
  std::unique_ptr<LockedFile> file;
  Status s = LockedFile::Create(temp_, &file);
  if (!s.ok()) return s;
  s = file->WriteAt(0, pages.data(), pages.size());
  if (s.ok() && ::fsync(file->fd()) != 0) s = Status::IOError(temp_, std::strerror(errno));
  return s;
}

Status NewIndexFile::PutInPlace() {
  std::error_code error;
  std::filesystem::rename(temp_, path_, error);
  if (error) return Status::IOError(path_, error.message());
  placed_ = true;
  return Status::OK();
}

}  // namespace xbase
