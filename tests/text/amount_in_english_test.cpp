// Amounts in English words, read with the words of the Dollar table.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "text/amount_in_english.h"

namespace text {

using support::AddRows;
using support::Open;
using support::Row;
using support::SessionRig;
using support::T;
using support::TempDataFolder;

namespace {

TEST(AmountInEnglishTest, ReadsTheGroupsWithTheTablesWords) {
  static const char* kWords[] = {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};
  std::vector<Row> rows;
  for (int k = 1; k <= 99; ++k) rows.push_back({{"TERBILANG", T(k <= 10 ? kWords[k - 1] : "n" + std::to_string(k))}});
  TempDataFolder folder{{"DOLLAR"}};
  SessionRig rig;
  rig.session.SetSearchPath(folder.path());
  xbase::WorkArea& dollar = Open(rig.session, "DOLLAR");
  AddRows(dollar, rows);
  AmountLines lines;
  ASSERT_TRUE(LONDO(dollar, 1203045.29, &lines).ok());
  EXPECT_EQ(lines.first, "#One millions two hundreds three thausands and n45 point n29#");
  ASSERT_TRUE(LONDO(dollar, 2100000000, &lines).ok());
  EXPECT_EQ(lines.first, "#Two billions one hundrer millions .#");
  ASSERT_TRUE(LONDO(dollar, -7.5, &lines).ok());
  EXPECT_EQ(lines.first, "#(MINUS) And seven point n50#");
  EXPECT_EQ(lines.second, std::string(lines.first.size(), '-'));
  ASSERT_TRUE(LONDO(dollar, 5, &lines, 10).ok());
  EXPECT_EQ(lines.first, "#And five -");
  EXPECT_EQ(lines.second, ".#");
}

}  // namespace
}  // namespace text
