#include "ntx_test_helpers.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <random>

#include <gtest/gtest.h>

namespace xbase_test {

std::string FixturePath(const std::string& name) { return std::string(PALUNDA_FIXTURES) + "/xbase/" + name; }

ScratchDir::ScratchDir() {
  std::random_device random;
  dir_ = std::filesystem::temp_directory_path() /
         ("palunda-ntx-" + std::to_string(getpid()) + "-" + std::to_string(random()));
  std::filesystem::create_directories(dir_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

std::string ScratchDir::CopyFixture(const std::string& name) const {
  const std::string target = Path(name);
  std::filesystem::copy_file(FixturePath(name), target, std::filesystem::copy_options::overwrite_existing);
  std::filesystem::permissions(target, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  return target;
}

OrderFile ReadOrderFile(const std::string& name) {
  std::ifstream in(FixturePath(name));
  OrderFile order;
  std::string line;
  std::getline(in, line);
  order.key = line.substr(4);
  std::getline(in, line);
  order.for_condition = line.substr(4);
  while (std::getline(in, line)) {
    if (!line.empty()) order.records.push_back(static_cast<uint32_t>(std::stoul(line)));
  }
  return order;
}

std::vector<uint32_t> WalkForward(xbase::NtxIndex& index) {
  std::vector<uint32_t> records;
  xbase::Status s = index.GoTop();
  while (s.ok() && !index.eof()) {
    records.push_back(index.recno());
    s = index.Next();
  }
  EXPECT_TRUE(s.ok()) << s.ToString();
  return records;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PatchFile(const std::string& path, uint64_t offset, const std::vector<uint8_t>& bytes) {
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  file.seekp(static_cast<std::streamoff>(offset));
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace xbase_test
