// Keys computed from the fixture table's records equal the reference indexes' keys, and indexes built
// from them walk as the reference's do.
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_record.h"
#include "ntx_test_helpers.h"
#include "support/fixtures.h"
#include "support/temp_folder.h"
#include "xbase/ntx_check.h"
#include "xbase/ntx_expression.h"

namespace xbase {
namespace {

Date ShownDate(const std::string& shown) {  // dd-mm-yyyy, blanks when empty
  if (shown[0] == ' ') return Date();
  return Date::FromYmd(std::stoi(shown.substr(6)), std::stoi(shown.substr(3, 2)), std::stoi(shown.substr(0, 2)));
}

// CUST.records.txt as records with the table's fields.
std::vector<MemoryRecord> CustomerTable() {
  std::ifstream in(support::Fixture("xbase/CUST.records.txt"));
  std::vector<MemoryRecord> records;
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    size_t start = line.find('|') + 1;
    for (size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1) f.push_back(line.substr(start, bar - start));
    records.push_back(MemoryRecord{{"KODE", Value::Text(f[0])},
                                   {"NAMA", Value::Text(f[1])},
                                   {"SALDO", Value::Num(std::stod(f[2]), 16, 2)},
                                   {"TGL", Value::FromDate(ShownDate(f[3]))},
                                   {"AKTIF", Value::Logical(f[4] == ".T.")},
                                   {"QTY", Value::Num(std::stod(f[5]), 6, 0)}});
  }
  return records;
}

TEST(NtxExpression, BuildsOverTheTableWalkLikeTheReference) {
  const auto table = CustomerTable();
  ASSERT_EQ(table.size(), 600u);
  support::TempFolder dir;
  for (const char* name : {"CUST1", "CUST2", "CUST3", "CUST4", "CUST5", "CUST6", "CUST7", "CUST8"}) {
    SCOPED_TRACE(name);
    std::unique_ptr<NtxIndex> reference;
    ASSERT_TRUE(NtxIndex::Open(support::Fixture("xbase/" + std::string(name) + ".ntx"), NtxOpenMode::kReadOnly, &reference).ok());
    const NtxHeader& h = reference->header();
    std::unique_ptr<NtxKeyExpression> expression;
    Status s = NtxKeyExpression::Compile(name, h.key_expression, h.for_condition, table[0], &expression);
    ASSERT_TRUE(s.ok()) << s.ToString();
    ASSERT_TRUE(expression->Matches(h).ok());
    EXPECT_EQ(expression->key_decimals(), h.key_decimals);

    std::vector<std::pair<std::string, uint32_t>> items;
    ASSERT_TRUE(NtxItems(*reference, &items).ok());
    std::map<uint32_t, std::string> reference_keys;
    for (const auto& item : items) reference_keys[item.second] = item.first;

    NtxKeys keys(expression->key_size());
    for (uint32_t recno = 1; recno <= table.size(); ++recno) {
      std::string key;
      bool included = false;
      ASSERT_TRUE(expression->KeyOf(table[recno - 1], &key, &included).ok());
      if (!included) continue;
      keys.Add(key, recno);
      if (reference_keys.count(recno)) {
        EXPECT_EQ(key, reference_keys[recno]) << recno;
      }
    }
    const NtxHeader header = NtxHeader::ForKey(expression->key_size(), expression->key_decimals(),
                                               expression->key_text(), expression->for_text(), h.unique, h.descending);
    std::unique_ptr<NtxIndex> ours;
    ASSERT_TRUE(NtxIndex::Create(dir.File(std::string(name) + ".ntx"), header, keys, NtxOpenMode::kExclusive, &ours).ok());
    EXPECT_EQ(xbase_test::WalkForward(*ours), xbase_test::ReadOrderFile(std::string(name) + ".order.txt").records);
  }
}

TEST(NtxExpression, BadExpressionsAndSizesNameTheFile) {
  MemoryRecord record{{"KODE", Value::Text("A1        ")}, {"QTY", Value::Num(5, 6, 0)}};
  std::unique_ptr<NtxKeyExpression> expression;
  Status s = NtxKeyExpression::Compile("X.ntx", "KODE +", "", record, &expression);
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_EQ(s.message().substr(0, 22), "X.ntx: key expression:");
  s = NtxKeyExpression::Compile("X.ntx", "KODE", "NOSUCH", record, &expression);
  EXPECT_EQ(s.message().substr(0, 20), "X.ntx: FOR condition");
  ASSERT_TRUE(NtxKeyExpression::Compile("X.ntx", "QTY", "", record, &expression).ok());
  EXPECT_EQ(expression->type(), 'N');
  EXPECT_EQ(expression->key_size(), 6);
  EXPECT_EQ(expression->SeekKey(Value::Num(-5)), ",,,,,'");
  s = expression->Matches(NtxHeader::ForKey(8, 0, "QTY", "", false, false));
  EXPECT_EQ(s.message(), "X.ntx: key expression QTY gives 6 bytes, the index holds keys of 8");
}

}  // namespace
}  // namespace xbase
