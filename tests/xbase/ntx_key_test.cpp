// Keys of numbers, dates and logicals, byte for byte as the reference runtime's indexes hold them.
#include <fstream>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "ntx_test_helpers.h"
#include "support/fixtures.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_key.h"

namespace xbase {
namespace {

// Field texts of CUST.records.txt by record number: KODE, NAMA, SALDO, TGL, AKTIF, QTY.
std::map<uint32_t, std::vector<std::string>> CustomerRecords() {
  std::ifstream in(support::Fixture("xbase/CUST.records.txt"));
  std::map<uint32_t, std::vector<std::string>> records;
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    size_t start = line.find('|') + 1;
    for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1) {
      fields.push_back(line.substr(start, bar - start));
    }
    records[static_cast<uint32_t>(std::stoul(line))] = fields;
  }
  return records;
}

std::map<uint32_t, std::string> FixtureKeys(const std::string& name) {
  std::unique_ptr<NtxIndex> index;
  EXPECT_TRUE(NtxIndex::Open(support::Fixture("xbase/" + name), NtxOpenMode::kReadOnly, &index).ok());
  std::vector<std::pair<std::string, uint32_t>> items;
  EXPECT_TRUE(NtxItems(*index, &items).ok());
  std::map<uint32_t, std::string> keys;
  for (const auto& item : items) keys[item.second] = item.first;
  return keys;
}

TEST(NtxKey, NumericKeysMatchTheReferenceIndex) {
  const auto records = CustomerRecords();
  const auto keys = FixtureKeys("CUST4.ntx");
  ASSERT_EQ(keys.size(), 600u);
  for (const auto& [recno, key] : keys) {
    EXPECT_EQ(NtxNumericKey(std::stod(records.at(recno)[2]), 16, 2), key) << recno;
  }
  EXPECT_EQ(NtxNumericKey(-1234.56, 10, 2), ",,,+*)(.'&");
  EXPECT_EQ(NtxNumericKey(7, 5, 0), "00007");
  EXPECT_EQ(NtxNumericKey(0, 6, 2), "000.00");
}

TEST(NtxKey, DateKeysMatchTheReferenceIndex) {
  const auto records = CustomerRecords();
  const auto keys = FixtureKeys("CUST8.ntx");
  for (const auto& [recno, key] : keys) {
    const std::string& shown = records.at(recno)[3];  // dd-mm-yyyy, blanks when empty
    const Date date = shown[0] == ' ' ? Date() : Date::FromYmd(std::stoi(shown.substr(6)), std::stoi(shown.substr(3, 2)),
                                                               std::stoi(shown.substr(0, 2)));
    EXPECT_EQ(NtxDateKey(date), key) << recno;
  }
  EXPECT_EQ(NtxLogicalKey(true), "T");
  EXPECT_EQ(NtxLogicalKey(false), "F");
}

}  // namespace
}  // namespace xbase
