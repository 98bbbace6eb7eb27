// Numbers and dates as text and back, with their widths.
#include <gtest/gtest.h>

#include <string>

#include "xbase/date_functions.h"
#include "xbase/number_text.h"

namespace xbase {
namespace {

TEST(NumberTextTest, UsesTheWidthANumberCarries) {
  EXPECT_EQ(Str(Number{12.5, 8, 2}), "   12.50");
  EXPECT_EQ(Str(Number{12.5, -1, 1}), "        12.5");
  EXPECT_EQ(Str(Number{7, -1, -1}), "         7");
  EXPECT_EQ(Str(Number{12345678901.0, -1, 0}), "         12345678901");
  EXPECT_EQ(Str(-0.0, 4, 1), " 0.0");
  EXPECT_EQ(Str(1e20, 25, 2), " 100000000000000000000.00");
  EXPECT_EQ(Str(0.5, 3, 1), "0.5");
  EXPECT_EQ(Str(0.5, 4, 3), "****");
  EXPECT_EQ(Str(1.0 / 3, 34, 30), "  0.333333333333333314829616256247");
  EXPECT_EQ(StrZero(-42, 6), "-00042");
  EXPECT_EQ(StrZero(3.14159, 7, 2), "0003.14");
}

// A number that overflows once its decimals are scaled in, or that no double holds, fits no width:
// it shows asterisks, never "-inf" or a zero.
TEST(NumberTextTest, NumbersBeyondAnyWidthShowAsterisks) {
  EXPECT_EQ(Str(-9.9e306, 12, 2), "************");
  EXPECT_EQ(Str(9.9e306, 10, 2), "**********");
  EXPECT_EQ(Str(-1e308, 20, 0), "********************");
  EXPECT_EQ(Str(Val(std::string(400, '9'))), "********************");
  EXPECT_EQ(StrZero(-9.9e306, 8, 2), "********");
}

TEST(NumberTextTest, ReadsNumbersWithTheirDecimals) {
  EXPECT_EQ(Val(" 12.50x").value, 12.5);
  EXPECT_EQ(Val(" 12.50x").decimals, 2);
  EXPECT_EQ(Val("-7").value, -7);
  EXPECT_EQ(Val("-").value, 0);
  EXPECT_EQ(Val("+3").value, 3);
  EXPECT_EQ(Str(Val("0000000041")), "        41");
}

TEST(DateFunctionsTest, ConvertsDatesAndMonthEnds) {
  EXPECT_EQ(Dtoc(Date::FromYmd(2024, 2, 9)), "09-02-2024");
  EXPECT_EQ(Dtoc(Date()), "  -  -    ");
  EXPECT_EQ(Ctod("9/2/2024"), Date::FromYmd(2024, 2, 9));
  EXPECT_EQ(Ctod("09-02-0099"), Date::FromYmd(99, 2, 9));
  EXPECT_TRUE(Ctod("09-02").empty());
  EXPECT_TRUE(Ctod("09-02-20245").empty());
  EXPECT_EQ(Bom(Date::FromYmd(2024, 2, 29)), Date::FromYmd(2024, 2, 1));
  EXPECT_EQ(Eom(Date::FromYmd(2023, 2, 3)), Date::FromYmd(2023, 2, 28));
  EXPECT_EQ(Eom(Date::FromYmd(2024, 12, 31)), Date::FromYmd(2024, 12, 31));
  EXPECT_TRUE(Eom(Date()).empty());
  EXPECT_TRUE(Bom(Date()).empty());
}

}  // namespace
}  // namespace xbase
