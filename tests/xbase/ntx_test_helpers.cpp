// Reading a reference index file whole and walking an index in tests.
#include "ntx_test_helpers.h"

#include <fstream>

#include <gtest/gtest.h>

#include "support/fixtures.h"

namespace xbase_test {

OrderFile ReadOrderFile(const std::string& name) {
  std::ifstream in(support::Fixture("xbase/" + name));
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

}  // namespace xbase_test
