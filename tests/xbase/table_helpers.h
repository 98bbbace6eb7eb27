// Helpers for table tests: temporary folders, fixture copies, file bytes and dbtool runs.
#ifndef PALUNDA_TESTS_XBASE_TABLE_HELPERS_H_
#define PALUNDA_TESTS_XBASE_TABLE_HELPERS_H_

#include <string>
#include <vector>

namespace xbase_test {

// A fresh folder under the temporary directory, removed with its files at the end.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  const std::string& path() const { return path_; }
  // The path of `name` inside the folder.
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// The path of a file in the fixtures' xbase folder.
std::string Fixture(const std::string& name);
// Copies fixture `name` into `dir` as `as` (the same name when empty), writable; returns the path.
std::string CopyFixture(const TempDir& dir, const std::string& name, const std::string& as = "");
// The whole contents of a file.
std::string ReadFile(const std::string& path);
// Writes `bytes` as the whole contents of a file.
void WriteFile(const std::string& path, const std::string& bytes);
// Runs build/bin/dbtool with `args`, returning its standard output (and standard error with
// `with_errors`); `*status` gets the exit code.
std::string RunDbtool(const std::vector<std::string>& args, int* status = nullptr, bool with_errors = false);
// Starts dbtool with `args` in a child process and returns its pid.
int StartDbtool(const std::vector<std::string>& args);
// Waits for a child process and returns its exit code.
int WaitChild(int pid);

}  // namespace xbase_test

#endif  // PALUNDA_TESTS_XBASE_TABLE_HELPERS_H_
