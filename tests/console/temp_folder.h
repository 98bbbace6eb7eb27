// A folder of its own for one test: empty when the test starts, removed when it ends.
#ifndef PALUNDA_TESTS_CONSOLE_TEMP_FOLDER_H_
#define PALUNDA_TESTS_CONSOLE_TEMP_FOLDER_H_

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace console {

class TempFolder {
 public:
  explicit TempFolder(std::string_view tag)
      : path_(std::filesystem::temp_directory_path() /
              ("palunda-" + std::string(tag) + "-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace console

#endif  // PALUNDA_TESTS_CONSOLE_TEMP_FOLDER_H_
