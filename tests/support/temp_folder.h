// A folder of its own for one test: made empty under the temporary directory, removed with all it
// holds when the test ends.
#ifndef PALUNDA_TESTS_SUPPORT_TEMP_FOLDER_H_
#define PALUNDA_TESTS_SUPPORT_TEMP_FOLDER_H_

#include <string>

namespace support {

class TempFolder {
 public:
  // A new folder with a unique short name.
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace support

#endif  // PALUNDA_TESTS_SUPPORT_TEMP_FOLDER_H_
