#include "ntx_test_helpers.h"

#include "table_helpers.h"

#include <fstream>

#include <gtest/gtest.h>

namespace xbase_test {

OrderFile ReadOrderFile(const std::string& name) {
  std::ifstream in(Fixture(name));
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

void PatchFile(const std::string& path, uint64_t offset, const std::vector<uint8_t>& bytes) {
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  file.seekp(static_cast<std::streamoff>(offset));
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace xbase_test
