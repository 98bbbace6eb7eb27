// Texts, numbers, dates and logicals shaped through pictures.
#include "xbase/picture.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

TEST(PictureTest, ShapesTextThroughTemplates) {
  const Value phone = Value::Text("0812345678");
  EXPECT_EQ(Transform(phone, "@R 9999-999-999"), "0812-345-678");
  EXPECT_EQ(Transform(phone, "9999-999-999"), "0812-456-8  ");  // without @R each dash takes a place
  EXPECT_EQ(Transform(Value::Text("ab"), "!!!"), "AB ");
  EXPECT_EQ(Transform(Value::Text("ab"), "!X"), "Ab");
  EXPECT_EQ(Transform(Value::Text("toko maju"), "@!S4"), "TOKO");
  EXPECT_EQ(Transform(Value::Text("toko maju"), "@S6"), "toko m");
  EXPECT_EQ(Transform(Value::Text("abc"), ""), "abc");
  EXPECT_EQ(Transform(Value::Text("abc"), "@S99999999999999999999"), "abc");
}

TEST(PictureTest, ShowsNumbersDatesAndLogicals) {
  EXPECT_EQ(Transform(Value::Num(5), "@Z"), "         5");
  EXPECT_EQ(Transform(Value::Num(0), "@Z"), "          ");
  EXPECT_EQ(Transform(Value::Num(-12.5, 8, 2), "@("), "(  12.50)");
  EXPECT_EQ(Transform(Value::Num(-123456.78), "@( 999,999.99"), "(123,456.78)");
  EXPECT_EQ(Transform(Value::Num(-123), "9,999"), " -123");
  EXPECT_EQ(Transform(Value::Num(1234.5), "Rp 9,999.99"), "Rp 1,234.50");
  EXPECT_EQ(Transform(Value::Num(42), "*,***"), "***42");
  EXPECT_EQ(Transform(Value::Num(0.5), ".99"), ".50");
  EXPECT_EQ(Transform(Value::Num(1.5), ".99"), ".**");
  EXPECT_EQ(Transform(Value::Num(7), "      999 %"), "        7 %");
  EXPECT_EQ(Transform(Value::FromDate(Date::FromYmd(2024, 3, 1)), "@D"), "01-03-2024");
  EXPECT_EQ(Transform(Value::FromDate(Date()), ""), "  -  -    ");
  EXPECT_EQ(Transform(Value::Logical(true), "Y"), "Y");
  EXPECT_EQ(Transform(Value::Logical(true), ""), "T");
  EXPECT_EQ(Transform(Value::Logical(false), "L"), "F");
}

}  // namespace
}  // namespace xbase
