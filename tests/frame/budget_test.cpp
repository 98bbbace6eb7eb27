// Reading and rewriting the budget row and the printer margin row.
#include "frame/budget.h"

#include <gtest/gtest.h>

namespace frame {
namespace {

using xbase::Date;

TEST(BudgetTest, ReadsEachFieldFromItsPositions) {
  const Budget budget = ParseBudget("01-12-202631-12-2026    7  3  5   9");
  EXPECT_EQ(budget.last_start, Date::FromYmd(2026, 12, 1));
  EXPECT_EQ(budget.process_end, Date::FromYmd(2026, 12, 31));
  EXPECT_EQ(budget.days_after, " 7");
  EXPECT_EQ(budget.days_before, " 3");
  EXPECT_EQ(budget.carried_30, " 5");
  EXPECT_EQ(budget.carried_34, " 9");
}

TEST(BudgetTest, RewriteChangesTheStartDateAndReformatsTheRest) {
  // Values typed left-aligned come back right-aligned in two places; positions 11-35 keep their meaning.
  const Budget budget = ParseBudget("01-12-202631-12-2026   7  3  12  9 ");
  const std::string rewritten = RewriteBudget(budget, Date::FromYmd(2026, 12, 8));
  EXPECT_EQ(rewritten, "08-12-202631-12-2026    7  3 12   9");
  EXPECT_EQ(rewritten.size(), 35u);
  const Budget again = ParseBudget(rewritten);
  EXPECT_EQ(again.process_end, budget.process_end);
  EXPECT_EQ(again.days_after, " 7");
  EXPECT_EQ(again.days_before, " 3");
}

TEST(BudgetTest, AnEmptyBudgetReadsAsEmptyDatesAndBlanks) {
  const Budget budget = ParseBudget("");
  EXPECT_TRUE(budget.last_start.empty());
  EXPECT_TRUE(budget.process_end.empty());
  EXPECT_EQ(budget.days_after, "  ");
  EXPECT_EQ(RewriteBudget(budget, Date::FromYmd(2026, 1, 5)), "05-01-2026  -  -        0  0  0   0");
}

TEST(PrinterMarginsTest, RoundTripsTheMarginRow) {
  PrinterMargins margins;
  margins.left_landscape = 2;
  margins.left_portrait = 1.5;
  margins.bottom = 0.25;
  margins.lines_landscape = 40;
  const std::string ket = FormatMargins(margins);
  EXPECT_EQ(ket, " 2.00 1.50 0.00 0.254070");
  const PrinterMargins back = ParseMargins(ket);
  EXPECT_DOUBLE_EQ(back.left_portrait, 1.5);
  EXPECT_DOUBLE_EQ(back.bottom, 0.25);
  EXPECT_EQ(back.lines_landscape, 40);
  EXPECT_EQ(back.lines_portrait, 70);
  EXPECT_EQ(MarginKey("WORKSTATION-12"), "\xEEWORKSTATI");
}

}  // namespace
}  // namespace frame
