// Month bounds, month names and codes, and days with their market day.
#include "text/date_helpers.h"

#include <gtest/gtest.h>

namespace text {
namespace {

using xbase::Date;

TEST(DateHelpersTest, MonthBoundsFollowTheGregorianCalendar) {
  EXPECT_EQ(TGLAWAL(Date::FromYmd(2024, 2, 17)), Date::FromYmd(2024, 2, 1));
  EXPECT_EQ(TGLAKHIR(Date::FromYmd(2024, 2, 17)), Date::FromYmd(2024, 2, 29));
  EXPECT_EQ(TGLAKHIR(Date::FromYmd(2023, 2, 1)), Date::FromYmd(2023, 2, 28));
  EXPECT_EQ(TGLAKHIR(Date::FromYmd(2024, 12, 31)), Date::FromYmd(2024, 12, 31));
  EXPECT_EQ(CAKHIRBULAN_(Date::FromYmd(2024, 2, 5)), "29");
  EXPECT_EQ(CAKHIRBULAN_(Date::FromYmd(2024, 4, 5)), "30");
  EXPECT_EQ(CAKHIRBULAN_(Date::FromYmd(2024, 7, 5)), "31");
  // A century year divisible by 4 but not by 400 has no 29 February.
  EXPECT_EQ(CAKHIRBULAN_(Date::FromYmd(2100, 2, 1)), "28");
  EXPECT_EQ(TGLAKHIR(Date::FromYmd(2100, 2, 1)), Date::FromYmd(2100, 2, 28));
  EXPECT_EQ(CAKHIRBULAN_(Date::FromYmd(2000, 2, 1)), "29");
  EXPECT_EQ(AWALTAHUN(2024), Date::FromYmd(2024, 1, 1));
  EXPECT_EQ(AKHIRTAHUN(2024), Date::FromYmd(2024, 12, 31));
}

TEST(DateHelpersTest, NamesAndMonthCodes) {
  EXPECT_EQ(CBULAN_(Date::FromYmd(2024, 1, 9)), "JANUARI");
  EXPECT_EQ(CBULAN_(Date::FromYmd(2024, 8, 9)), "AGUSTUS");
  EXPECT_EQ(CBULAN_(Date::FromYmd(2024, 12, 9)), "DESEMBER");
  EXPECT_EQ(CTGLAKHIR(Date::FromYmd(2024, 1, 9)), "31 JANUARI 2024");
  EXPECT_EQ(CTGLAKHIR(Date::FromYmd(2023, 2, 9)), "28 FEBRUARI 2023");
  EXPECT_EQ(DIRBULANLALU(Date::FromYmd(2024, 1, 15)), "202312");
  EXPECT_EQ(DIRBULANLALU(Date::FromYmd(2024, 3, 31)), "202402");
  EXPECT_EQ(DIRTAHUNLALU(Date::FromYmd(2024, 1, 15)), "202301");
  EXPECT_EQ(DIRTAHUNLALU(Date::FromYmd(2024, 2, 29)), "202302");
  EXPECT_EQ(HARINYA(Date::FromYmd(2026, 12, 6)), "Minggu");
  EXPECT_EQ(HARINYA(Date::FromYmd(2026, 12, 9)), "Rabu  ");
  EXPECT_EQ(HARINYA(Date::FromYmd(2026, 12, 11)), "Jum'at");
  EXPECT_EQ(HARINYA(Date::FromYmd(2026, 12, 12)), "Sabtu ");
}

TEST(DateHelpersTest, DayWithMarketDay) {
  EXPECT_EQ(CHARI_(Date::FromYmd(1900, 1, 1)), "Senin Paing");
  EXPECT_EQ(CHARI_(Date::FromYmd(1945, 8, 17)), "Jum'at Legi");
  EXPECT_EQ(CHARI_(Date::FromYmd(2026, 12, 8)), "Selasa Wage");
  EXPECT_EQ(CHARI_(Date::FromYmd(1899, 12, 31)), "Minggu Legi");
}

TEST(DateHelpersTest, EmptyDateGivesEmptyResults) {
  const Date empty;
  EXPECT_TRUE(TGLAWAL(empty).empty());
  EXPECT_TRUE(TGLAKHIR(empty).empty());
  EXPECT_EQ(CBULAN_(empty), "");
  EXPECT_EQ(CAKHIRBULAN_(empty), "  ");
  EXPECT_EQ(CTGLAKHIR(empty), "");
  EXPECT_EQ(DIRBULANLALU(empty), "");
  EXPECT_EQ(HARINYA(empty), "      ");
  EXPECT_EQ(CHARI_(empty), "");
}

}  // namespace
}  // namespace text
