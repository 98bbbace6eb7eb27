// Dates: their stored text, the leap rule and weekdays.
#include "xbase/date.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

TEST(DateTest, RoundTripsThroughDtosAndKeepsTheEmptyDate) {
  const Date d = Date::FromYmd(2024, 2, 29);
  EXPECT_EQ(d.Dtos(), "20240229");
  EXPECT_EQ(Date::FromDtos("20240229"), d);
  EXPECT_EQ(d.year(), 2024);
  EXPECT_EQ(d.month(), 2);
  EXPECT_EQ(d.day(), 29);
  EXPECT_TRUE(Date::FromDtos("        ").empty());
  EXPECT_EQ(Date().Dtos(), "        ");
  EXPECT_TRUE(Date::FromYmd(2023, 2, 29).empty());
  EXPECT_TRUE((Date() + 5).empty());
}

TEST(DateTest, FollowsTheGregorianLeapRuleAndWeekdays) {
  EXPECT_FALSE(Date::IsLeapYear(1900));
  EXPECT_TRUE(Date::IsLeapYear(2000));
  EXPECT_FALSE(Date::IsLeapYear(2100));
  EXPECT_EQ(Date::DaysInMonth(2100, 2), 28);
  EXPECT_EQ(Date::FromYmd(2026, 12, 8).dow(), 3);  // a Tuesday
  EXPECT_EQ(Date::FromYmd(2024, 3, 1) - Date::FromYmd(2024, 2, 1), 29);
  EXPECT_EQ((Date::FromYmd(2023, 12, 31) + 1).Dtos(), "20240101");
}

}  // namespace
}  // namespace xbase
