// A folder of its own for one test (empty when the test starts, removed when it ends), and a
// two-column text table filled in it.
#ifndef PALUNDA_TESTS_CONSOLE_TEMP_FOLDER_H_
#define PALUNDA_TESTS_CONSOLE_TEMP_FOLDER_H_

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xbase/session.h"

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

// Create table `name` with two character fields, open it shared and append the rows.
inline void MakeTable(xbase::Session& session, const char* name, xbase::DbfField first, xbase::DbfField second,
                      const std::vector<std::pair<const char*, const char*>>& rows, xbase::WorkArea** area) {
  ASSERT_TRUE(session.CreateTable(name, {first, second}).ok());
  ASSERT_TRUE(session.Use(name, "", xbase::OpenMode::kShared, area).ok());
  for (const auto& [a, b] : rows) {
    ASSERT_TRUE((*area)->Append().ok());
    ASSERT_TRUE((*area)->Put(first.name, xbase::Value::Text(a)).ok());
    ASSERT_TRUE((*area)->Put(second.name, xbase::Value::Text(b)).ok());
  }
  ASSERT_TRUE((*area)->Unlock().ok());
}

}  // namespace console

#endif  // PALUNDA_TESTS_CONSOLE_TEMP_FOLDER_H_
