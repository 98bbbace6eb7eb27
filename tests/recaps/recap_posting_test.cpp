// The monthly and yearly recap posting: targets, delivery notes and returns of a small month, the
// recap rows cleared and rebuilt, the closing stock left alone, and a rerun giving the same figures.
#include "recaps/recap_posting.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "recaps/recap_rows_helpers.h"
#include "recaps/recap_screens.h"
#include "schema/open_table.h"
#include "support/scripted_session.h"

namespace recaps {
namespace {

namespace key = console::key;
using support::N;
using support::T;
using testing::AddDocument;
using testing::Day;
using testing::L;
using testing::TableRows;

const std::vector<std::string> kBranchFields = {"CABANG", "PERIODE", "TG_QTY", "TG_CRT", "TG_VAL", "JL_QTY",
                                                "JL_CRT", "JL_VAL", "TN_QTY", "CD_VAL", "ST_QTY"};

class RecapPostingTest : public ::testing::Test {
 protected:
  RecapPostingTest() {
    rig.session.SetSearchPath(data.path());
    frame::Session& s = rig.session;
    support::AddRows(support::Open(s, "SETUP"), {{{"SETUP", T("NMRSJA")}, {"KET", T("CBA   CABANG A")}},
                                                 {{"SETUP", T("NMRSJAB")}, {"KET", T("CBAB  CABANG AB")}},
                                                 {{"SETUP", T("NMRSJBC")}, {"KET", T("CBBC  CABANG BC")}}});
    // P1 packs 10 to the carton, P2 has no carton size, P3 converts through KONVERT.
    support::AddRows(support::Open(s, "MASTBRJ"), {{{"KODE", T("P1")}, {"DOS", N(10)}},
                                                   {{"KODE", T("P2")}, {"DOS", N(0)}},
                                                   {{"KODE", T("P3")}, {"DOS", N(12)}}});
    support::AddRows(support::Open(s, "KONVERT"), {{{"KODE", T("P3")}, {"DIKALI", N(2)}, {"DIBAGI", N(5)}}});
    support::AddRows(support::Open(s, "TARGET"),
                     {{{"TANGGAL", Day(2026, 12, 1)}, {"KDCB", T("CBA")}, {"SALES", T("S1")}, {"KODE", T("P1")},
                       {"BGTQTY", N(100)}, {"BGTVAL", N(1000000)}},
                      {{"TANGGAL", Day(2026, 12, 1)}, {"KDCB", T("CBA")}, {"KODE", T("P2")}, {"BGTQTY", N(50)},
                       {"BGTVAL", N(1200000)}},
                      {{"TANGGAL", Day(2026, 11, 1)}, {"KDCB", T("CBA")}, {"SALES", T("S1")}, {"KODE", T("P1")},
                       {"BGTQTY", N(40)}, {"BGTVAL", N(400000)}}});
    Note("INV1", 3, "AB01", "S1", 10, {{"P1", 20, 1000}, {"P3", 10, 500, 10, 10}});
    Note("INV2", 5, "AC01", "S2", 0, {{"P2", 3, 250000}});
    Note("INV3", 6, "AB01", "S1", 0, {{"P1", 99, 1000}}, true);
    Note("INV4", 7, "ZZ01", "S1", 0, {{"P1", 10, 1000}});
    Note("INV0", 0, "AB01", "S1", 0, {{"P1", 7, 1000}});  // 30 November
    AddDocument(s, "RTJUAL1", "RTJUAL2", "NOMOR",
                {{"NOMOR", T("R1")}, {"TANGGAL", Day(2026, 12, 10)}, {"RELASI", T("AB01")}, {"SALES", T("S1")}},
                {{"P1", 5, 1000}});
    AddDocument(s, "RTJUAL1", "RTJUAL2", "NOMOR",
                {{"NOMOR", T("R2")}, {"TANGGAL", Day(2026, 12, 11)}, {"RELASI", T("AB01")}, {"SALES", T("S1")},
                 {"BATAL", L(true)}},
                {{"P1", 50, 1000}});
    // Old figures of the month, a closing stock and the month before.
    support::AddRows(support::Open(s, "RKP_CAB"),
                     {{{"CABANG", T("CBA")}, {"PERIODE", T("202612")}, {"KODE", T("P2")}, {"JL_QTY", N(999)},
                       {"TN_QTY", N(5)}, {"CD_VAL", N(7.5)}, {"ST_QTY", N(42)}, {"ST_VAL", N(4.2)}},
                      {{"CABANG", T("OLD")}, {"PERIODE", T("202612")}, {"KODE", T("P9")}, {"TG_QTY", N(8)},
                       {"JL_QTY", N(50)}, {"JL_VAL", N(12.5)}},
                      {{"CABANG", T("CBA")}, {"PERIODE", T("202611")}, {"KODE", T("P1")}, {"JL_QTY", N(77)}}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }

  // A delivery note of December (day 0: 30 November) with its header discount.
  void Note(const std::string& number, int day, const std::string& customer, const std::string& salesman,
            double discount, const std::vector<testing::DocLine>& lines, bool cancelled = false) {
    AddDocument(rig.session, "SRTJLN1", "SRTJLN2", "INVOICE",
                {{"INVOICE", T(number)}, {"TANGGAL", day == 0 ? Day(2026, 11, 30) : Day(2026, 12, day)},
                 {"RELASI", T(customer)}, {"SALES", T(salesman)}, {"DISCOUNT", N(discount)}, {"BATAL", L(cancelled)}},
                lines);
  }

  std::vector<std::string> Rows(const std::string& table, const std::vector<std::string>& fields) {
    std::vector<std::string> rows = TableRows(rig.session, table, fields);
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return rows;
  }

  // Every recap table, every figure.
  std::vector<std::string> Everything() {
    std::vector<std::string> all;
    for (const char* table : {"RKP_BRC", "RKP_CAB", "RKP_CUS", "RKP_RLS", "RKP_SAL", "RKP_SLR"}) {
      for (std::string& row : Rows(table, {"PERIODE", "TG_QTY", "TG_CRT", "TG_VAL", "JL_QTY", "JL_CRT", "JL_VAL",
                                           "TN_QTY", "CD_VAL"})) {
        all.push_back(std::string(table) + " " + row);
      }
    }
    return all;
  }

  support::TempDataFolder data{{"SETUP", "MASTBRJ", "KONVERT", "TARGET", "SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2",
                                "RKP_BRC", "RKP_CAB", "RKP_CUS", "RKP_RLS", "RKP_SAL", "RKP_SLR"}};
  support::SessionRig rig;
};

TEST_F(RecapPostingTest, TheBranchOfACustomerIsItsLongestNumberPrefix) {
  xbase::WorkArea* setup = nullptr;
  ASSERT_TRUE(schema::UseWithIndexes(rig.session.tables(), "SETUP", "setup", xbase::OpenMode::kShared, &setup).ok());
  std::string branch = "x";
  ASSERT_TRUE(TENTUKANCABANG(*setup, "AB01      ", &branch).ok());
  EXPECT_EQ(branch, "CBAB  ");
  ASSERT_TRUE(TENTUKANCABANG(*setup, "AC01      ", &branch).ok());
  EXPECT_EQ(branch, "CBA   ");
  ASSERT_TRUE(TENTUKANCABANG(*setup, "ZZ01      ", &branch).ok());
  EXPECT_EQ(branch, "");
  // A longer row is no match for a shorter prefix: BX01 has no row of its own, "NMRSJBC" is BC's.
  ASSERT_TRUE(TENTUKANCABANG(*setup, "BX01      ", &branch).ok());
  EXPECT_EQ(branch, "");
  ASSERT_TRUE(TENTUKANCABANG(*setup, "BC01      ", &branch).ok());
  EXPECT_EQ(branch, "CBBC  ");
}

TEST_F(RecapPostingTest, AMonthIsClearedAndRebuiltFromTargetsNotesAndReturns) {
  ASSERT_TRUE(PostRecaps(rig.session, "202612"));
  EXPECT_EQ(rig.session.tables().Area("RKP_BRC"), nullptr);

  // Values are in thousands, each sum rounded to the field as it grows: 18.00 + 3.645 gives 21.65,
  // less the return's 5.00. Targets go to the branch of the target row; notes and returns to the branch of their customer:
  // AB01 is "CBAB", AC01 "CBA", ZZ01 has no number prefix and posts under a blank branch.
  EXPECT_EQ(Rows("RKP_BRC", kBranchFields),
            (std::vector<std::string>{
                "CABANG=CBA PERIODE=202612 TG_QTY=150 TG_CRT=12.00 TG_VAL=2200000.00 JL_QTY=3 JL_CRT=1.25 "
                "JL_VAL=750.00 TN_QTY=0 CD_VAL=0.00 ST_QTY=",
                "CABANG=CBAB PERIODE=202612 TG_QTY=0 TG_CRT=0.00 TG_VAL=0.00 JL_QTY=25 JL_CRT=5.50 JL_VAL=16.65 "
                "TN_QTY=0 CD_VAL=0.00 ST_QTY=",
                "CABANG= PERIODE=202612 TG_QTY=0 TG_CRT=0.00 TG_VAL=0.00 JL_QTY=10 JL_CRT=1.00 JL_VAL=10.00 "
                "TN_QTY=0 CD_VAL=0.00 ST_QTY="}));

  // The old rows of the month are cleared (the closing stock stays), the month before untouched, then
  // the new rows follow in the order they were first met.
  EXPECT_EQ(Rows("RKP_CAB", {"CABANG", "PERIODE", "KODE", "TG_QTY", "TG_CRT", "TG_VAL", "JL_QTY", "JL_CRT", "JL_VAL",
                             "TN_QTY", "CD_VAL", "ST_QTY", "ST_VAL"}),
            (std::vector<std::string>{
                "CABANG=CBA PERIODE=202612 KODE=P2 TG_QTY=50 TG_CRT=2.00 TG_VAL=1200000.00 JL_QTY=3 JL_CRT=1.25 "
                "JL_VAL=750.00 TN_QTY=0 CD_VAL=0.00 ST_QTY=42 ST_VAL=4.20",
                "CABANG=OLD PERIODE=202612 KODE=P9 TG_QTY=0 TG_CRT=0.00 TG_VAL=0.00 JL_QTY=0 JL_CRT=0.00 "
                "JL_VAL=0.00 TN_QTY=0 CD_VAL=0.00 ST_QTY= ST_VAL=",
                "CABANG=CBA PERIODE=202611 KODE=P1 TG_QTY= TG_CRT= TG_VAL= JL_QTY=77 JL_CRT= JL_VAL= TN_QTY= "
                "CD_VAL= ST_QTY= ST_VAL=",
                "CABANG=CBA PERIODE=202612 KODE=P1 TG_QTY=100 TG_CRT=10.00 TG_VAL=1000000.00 JL_QTY=0 JL_CRT=0.00 "
                "JL_VAL=0.00 TN_QTY=0 CD_VAL=0.00 ST_QTY= ST_VAL=",
                "CABANG=CBAB PERIODE=202612 KODE=P1 TG_QTY=0 TG_CRT=0.00 TG_VAL=0.00 JL_QTY=15 JL_CRT=1.50 "
                "JL_VAL=13.00 TN_QTY=0 CD_VAL=0.00 ST_QTY= ST_VAL=",
                "CABANG=CBAB PERIODE=202612 KODE=P3 TG_QTY=0 TG_CRT=0.00 TG_VAL=0.00 JL_QTY=10 JL_CRT=4.00 "
                "JL_VAL=3.65 TN_QTY=0 CD_VAL=0.00 ST_QTY= ST_VAL=",
                "CABANG= PERIODE=202612 KODE=P1 TG_QTY=0 TG_CRT=0.00 TG_VAL=0.00 JL_QTY=10 JL_CRT=1.00 "
                "JL_VAL=10.00 TN_QTY=0 CD_VAL=0.00 ST_QTY= ST_VAL="}));

  // The target without a salesman reaches only the branch tables.
  EXPECT_EQ(Rows("RKP_SAL", {"SALES", "PERIODE", "KODE", "TG_QTY", "JL_QTY", "JL_CRT", "JL_VAL"}),
            (std::vector<std::string>{"SALES=S1 PERIODE=202612 KODE=P1 TG_QTY=100 JL_QTY=25 JL_CRT=2.50 JL_VAL=23.00",
                                      "SALES=S1 PERIODE=202612 KODE=P3 TG_QTY=0 JL_QTY=10 JL_CRT=4.00 JL_VAL=3.65",
                                      "SALES=S2 PERIODE=202612 KODE=P2 TG_QTY=0 JL_QTY=3 JL_CRT=1.25 JL_VAL=750.00"}));
  EXPECT_EQ(Rows("RKP_RLS", {"RELASI", "PERIODE", "JL_QTY", "JL_CRT", "JL_VAL"}),
            (std::vector<std::string>{"RELASI=AB01 PERIODE=202612 JL_QTY=25 JL_CRT=5.50 JL_VAL=16.65",
                                      "RELASI=AC01 PERIODE=202612 JL_QTY=3 JL_CRT=1.25 JL_VAL=750.00",
                                      "RELASI=ZZ01 PERIODE=202612 JL_QTY=10 JL_CRT=1.00 JL_VAL=10.00"}));
  EXPECT_EQ(Rows("RKP_CUS", {"RELASI", "KODE", "JL_QTY"}),
            (std::vector<std::string>{"RELASI=AB01 KODE=P1 JL_QTY=15", "RELASI=AB01 KODE=P3 JL_QTY=10",
                                      "RELASI=AC01 KODE=P2 JL_QTY=3", "RELASI=ZZ01 KODE=P1 JL_QTY=10"}));
  EXPECT_EQ(Rows("RKP_SLR", {"SALES", "RELASI", "KODE", "JL_QTY", "JL_VAL"}),
            (std::vector<std::string>{"SALES=S1 RELASI=AB01 KODE=P1 JL_QTY=15 JL_VAL=13.00",
                                      "SALES=S1 RELASI=AB01 KODE=P3 JL_QTY=10 JL_VAL=3.65",
                                      "SALES=S2 RELASI=AC01 KODE=P2 JL_QTY=3 JL_VAL=750.00",
                                      "SALES=S1 RELASI=ZZ01 KODE=P1 JL_QTY=10 JL_VAL=10.00"}));
}

TEST_F(RecapPostingTest, ARerunGivesTheSameFiguresAndTakesInNewSales) {
  ASSERT_TRUE(PostRecaps(rig.session, "202612"));
  const std::vector<std::string> first = Everything();
  ASSERT_TRUE(PostRecaps(rig.session, "202612"));
  EXPECT_EQ(Everything(), first);

  Note("INV5", 20, "AC01", "S2", 0, {{"P2", 1, 600000}});
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  ASSERT_TRUE(PostRecaps(rig.session, "202612"));
  EXPECT_EQ(Rows("RKP_RLS", {"RELASI", "JL_QTY", "JL_CRT", "JL_VAL"})[1], "RELASI=AC01 JL_QTY=4 JL_CRT=2.25 JL_VAL=1350.00");
  EXPECT_EQ(Rows("RKP_CAB", {"KODE", "JL_QTY", "ST_QTY"})[0], "KODE=P2 JL_QTY=4 ST_QTY=42");
}

TEST_F(RecapPostingTest, TheYearlyRunRebuildsEveryMonthUnderItsOwnPeriod) {
  support::AddRows(support::Open(rig.session, "RKP_BRC"),
                   {{{"CABANG", T("CBA")}, {"PERIODE", T("202603")}, {"JL_QTY", N(12)}, {"ST_QTY", N(3)}},
                    {{"CABANG", T("CBA")}, {"PERIODE", T("202512")}, {"JL_QTY", N(6)}}});
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  ASSERT_TRUE(PostRecaps(rig.session, "2026"));
  EXPECT_EQ(Rows("RKP_BRC", {"CABANG", "PERIODE", "TG_QTY", "JL_QTY", "ST_QTY"}),
            (std::vector<std::string>{"CABANG=CBA PERIODE=202603 TG_QTY=0 JL_QTY=0 ST_QTY=3",
                                      "CABANG=CBA PERIODE=202512 TG_QTY= JL_QTY=6 ST_QTY=",
                                      "CABANG=CBA PERIODE=202611 TG_QTY=40 JL_QTY=0 ST_QTY=",
                                      "CABANG=CBA PERIODE=202612 TG_QTY=150 JL_QTY=3 ST_QTY=",
                                      "CABANG=CBAB PERIODE=202611 TG_QTY=0 JL_QTY=7 ST_QTY=",
                                      "CABANG=CBAB PERIODE=202612 TG_QTY=0 JL_QTY=25 ST_QTY=",
                                      "CABANG= PERIODE=202612 TG_QTY=0 JL_QTY=10 ST_QTY="}));
}

TEST_F(RecapPostingTest, ASourceThatCannotBeOpenedPostsNothing) {
  std::filesystem::remove(data.File("RTJUAL2.dbf"));
  EXPECT_FALSE(PostRecaps(rig.session, "202612"));
  EXPECT_EQ(Rows("RKP_CAB", {"KODE", "JL_QTY"}),
            (std::vector<std::string>{"KODE=P2 JL_QTY=999", "KODE=P9 JL_QTY=50", "KODE=P1 JL_QTY=77"}));
}

TEST_F(RecapPostingTest, TheScreensAskThePeriodAndTheConfirmation) {
  // A month answered "T" posts nothing; then "Y".
  rig.term.AddKeys(support::Keys({support::Line("31122026"), {'T'}}));
  ASSERT_TRUE(RKPDATA(rig.session, {}).ok());
  EXPECT_EQ(Rows("RKP_RLS", {"RELASI"}).size(), 0u);
  EXPECT_TRUE(support::Shown(rig.term, "Yakin proses rekap data bulanan akan dijalankan (Y/T)"));
  EXPECT_TRUE(support::Shown(rig.term, " Periode s/d :"));
  rig.term.AddKeys(support::Keys({{key::kEnter}, {'y'}}));
  ASSERT_TRUE(RKPDATA(rig.session, {}).ok());
  EXPECT_EQ(Rows("RKP_RLS", {"RELASI"}).size(), 3u);

  rig.term.AddKeys(support::Keys({{key::kEnter}, {'Y'}}));
  ASSERT_TRUE(R1THDATA(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Yakin Proses Rekap data 1 Tahun akan dijalankan (Y/T)"));
  EXPECT_EQ(Rows("RKP_RLS", {"PERIODE"}).size(), 4u);
  rig.term.AddKeys({key::kEsc});
  ASSERT_TRUE(R1THDATA(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace recaps
