// Output files that never overwrite: a new name taken with an exclusive create.
#ifndef PALUNDA_PLATFORM_NEW_FILE_H_
#define PALUNDA_PLATFORM_NEW_FILE_H_

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

#include "xbase/status.h"

namespace platform {

// The time that names new files; an empty clock reads the real time.
using FileClock = std::function<std::time_t()>;

// Writes all of `bytes` to the open descriptor `fd`, going on after short writes and signals;
// IOError naming `path` when the system refuses.
xbase::Status WriteAll(int fd, std::string_view bytes, const std::string& path);

// The part of a file name made from a title: letters, digits, '-' and '_' kept, other characters
// as '_', at most 40 of them; "laporan" for an empty title.
std::string FileStem(std::string_view title);

// A file created anew in a folder; removed again unless committed.
class NewFile {
 public:
  NewFile() = default;
  ~NewFile();
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;

  // Makes `folder` when missing and creates in it, with an exclusive create, the first free name of
  // FileStem(title) + "-" + the local time of `clock` as "yyyymmdd-hhmmss" + ("-2", "-3", ... when
  // taken) + `extension` (such as ".prn").
  xbase::Status Create(const std::string& folder, std::string_view title, std::string_view extension,
                       const FileClock& clock);
  // Appends bytes to the file.
  xbase::Status Write(std::string_view bytes);
  // Closes the file and keeps it.
  xbase::Status Commit();

  const std::string& path() const { return path_; }

 private:
  void Abandon();

  int fd_ = -1;
  bool committed_ = false;
  std::string path_;
};

// Writes `bytes` as a NewFile in `folder` and gives its path; nothing stays when a step fails.
xbase::Status WriteNewFile(const std::string& folder, std::string_view title, std::string_view extension,
                           const FileClock& clock, std::string_view bytes, std::string* path);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_NEW_FILE_H_
