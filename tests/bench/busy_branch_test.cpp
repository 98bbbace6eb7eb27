// The generator of a busy branch at a hundredth of its size: its rows, its soundness and its sameness from run to run.
#include "busy_branch.h"

#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "schema/open_table.h"
#include "support/files.h"
#include "support/programs.h"
#include "support/temp_folder.h"
#include "xbase/search_path.h"
#include "xbase/session.h"

namespace bench {
namespace {

// The folder at a hundredth of the shape, made by the program as a developer makes the big ones.
class BusyBranchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new support::TempFolder;
    printed_ = new std::string(support::RunProgram("busy-branch", {Folder(), "0.01"}, &status_));
  }
  static void TearDownTestSuite() {
    delete printed_;
    delete folder_;
  }
  static std::string Folder() { return folder_->File("f"); }

  static support::TempFolder* folder_;
  static std::string* printed_;
  static int status_;
};
support::TempFolder* BusyBranchTest::folder_ = nullptr;
std::string* BusyBranchTest::printed_ = nullptr;
int BusyBranchTest::status_ = -1;

TEST_F(BusyBranchTest, HoldsTheShapeAtItsScaleAndPrintsWhatItHolds) {
  ASSERT_EQ(status_, 0) << *printed_;
  EXPECT_EQ(support::ReadFile(folder_->File(std::string("f/") + kFactsFile)), *printed_);
  BusyBranchFacts facts;
  ASSERT_TRUE(ParseFacts(*printed_, &facts)) << *printed_;
  EXPECT_EQ(facts.today, xbase::Date::FromYmd(2026, 12, 8));
  EXPECT_EQ(facts.goods, 20);
  EXPECT_EQ(facts.customers, 30);
  EXPECT_EQ(facts.notes, 600);
  EXPECT_EQ(facts.note_lines, 5191);
  EXPECT_EQ(facts.receivables, 600);
  EXPECT_EQ(facts.receipts, 300);
  EXPECT_EQ(facts.receipt_lines, 450);
  EXPECT_EQ(facts.purchases, 30);
  EXPECT_EQ(facts.purchase_lines, 600);
  EXPECT_EQ(facts.targets, 48);
  // The skew: the first goods and customer are the busiest by far.
  EXPECT_EQ(facts.busiest_item, "BB00000");
  EXPECT_EQ(facts.busiest_item_movements, 1389);
  EXPECT_EQ(facts.busiest_warehouse, "GDG01");
  EXPECT_EQ(facts.biggest_customer, "JB00000");
  EXPECT_EQ(facts.biggest_customer_notes, 113);
}

TEST_F(BusyBranchTest, EveryTableAndIndexIsSoundAndTheRowsAgree) {
  ASSERT_EQ(status_, 0) << *printed_;
  int status = -1;
  const std::string checked = support::RunProgram("dbtool", {"check", Folder()}, &status, true);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(checked, Folder() + ": every table and index is sound\n");

  // The stock row of the busiest item in the main warehouse is what its movements leave.
  xbase::Session session(xbase::SearchPath({Folder()}));
  double moved = 0;
  for (const auto& [table, order, sign] : {std::tuple{"BPBELI2", "BPBELI22", 1}, {"SRTJLN2", "SRTJLN22", -1}}) {
    xbase::WorkArea* lines = nullptr;
    ASSERT_TRUE(schema::UseWithIndexes(session, table, table, xbase::OpenMode::kShared, &lines).ok());
    ASSERT_TRUE(lines->SetOrder(order).ok());
    std::vector<uint32_t> records;
    ASSERT_TRUE(lines->SeekAll("BB00000   GDG01 ", &records).ok());
    for (const uint32_t recno : records) {
      ASSERT_TRUE(lines->GoTo(recno).ok());
      moved += sign * lines->Number("QUANTITY");
    }
  }
  xbase::WorkArea* stock = nullptr;
  ASSERT_TRUE(schema::UseWithIndexes(session, "STOKBRG", "STOKBRG", xbase::OpenMode::kShared, &stock).ok());
  ASSERT_TRUE(stock->Seek("BB00000   GDG01 ").ok());
  ASSERT_TRUE(stock->found());
  EXPECT_EQ(stock->Number("JUMLAH"), moved);
  ASSERT_TRUE(session.CloseAll().ok());
}

TEST_F(BusyBranchTest, OneScaleAlwaysMakesTheSameFolder) {
  ASSERT_EQ(status_, 0) << *printed_;
  support::TempFolder again;
  int status = -1;
  EXPECT_EQ(support::RunProgram("busy-branch", {again.File("f"), "0.01"}, &status), *printed_);
  EXPECT_EQ(status, 0);
  // Past the header, whose date of last change is today's.
  EXPECT_EQ(support::ReadFile(again.File("f/SRTJLN2.dbf")).substr(32),
            support::ReadFile(Folder() + "/SRTJLN2.dbf").substr(32));
}

}  // namespace
}  // namespace bench
