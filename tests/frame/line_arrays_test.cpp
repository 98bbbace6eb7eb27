// Removing a line from a line editor's parallel arrays.
#include "frame/line_arrays.h"

#include <string>

#include <gtest/gtest.h>

namespace frame {
namespace {

using xbase::Value;

TEST(LineArraysTest, HapusRemovesTheLineEverywhereAndRenumbers) {
  std::vector<std::vector<Value>> lines = {{Value::Num(1), Value::Text("A")},
                                           {Value::Num(2), Value::Text("B")},
                                           {Value::Num(3), Value::Text("C")}};
  std::vector<std::string> codes = {"a", "b", "c"};
  std::vector<double> quantities = {1, 2, 3};
  HAPUS_(2, &lines, &codes, &quantities);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1][1].text(), "C");
  EXPECT_EQ(lines[1][0].number(), 2);
  EXPECT_EQ(codes, (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(quantities, (std::vector<double>{1, 3}));

  HAPUS_(1, &lines, &codes, &quantities);
  HAPUS_(1, &lines, &codes, &quantities);  // the last line stays
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0][1].text(), "C");
  EXPECT_EQ(lines[0][0].number(), 1);
  EXPECT_EQ(codes, std::vector<std::string>{"c"});
}

}  // namespace
}  // namespace frame
