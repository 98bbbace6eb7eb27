// Centring a text on an 80-column row.
#include "text/centred_text.h"

#include <gtest/gtest.h>

#include <string>

namespace text {
namespace {

TEST(CentredTextTest, StartsAtFortyLessHalfTheLength) {
  EXPECT_EQ(CentredColumn(""), 40);
  EXPECT_EQ(CentredColumn("abcd"), 38);
  EXPECT_EQ(CentredColumn("abcde"), 37);
  EXPECT_EQ(CentredColumn(std::string(80, 'x')), 0);
  EXPECT_EQ(CentredColumn(std::string(90, 'x')), 0);
}

}  // namespace
}  // namespace text
