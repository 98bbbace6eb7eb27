// Salesman recaps: weekly and daily sales per customer, the PP/PA coverage, the daily incentive and
// the yearly minimums.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "performance/rpms.h"
#include "report_rig.h"

namespace performance {
namespace {

using support::N;
using support::T;
namespace key = console::key;

class RecapsTest : public ReportRig {
 protected:
  RecapsTest() {
    Salesman("S001", "BUDI", "SLS");
    Salesman("S002", "ANI", "SLS", "", "S001");
    Customer("C001", "TOKO SATU");
    Customer("C002", "TOKO DUA");
    Item("BUKU", "SCHOOL", 10);
    Item("PENA", "WRITING", 12);
  }
};

TEST_F(RecapsTest, WeeklySalesPerCustomerWithPageAndRunningTotals) {
  Note("N1", D(2026, 12, 2), "C001", "S001", {{"BUKU", 100, 1000}});
  Note("N2", D(2026, 12, 14), "C001", "S001", {{"BUKU", 200, 1000}}, {.discount1 = 10});
  Note("N3", D(2026, 12, 7), "C002", "S001", {{"PENA", 50, 1000}});
  Note("N4", D(2026, 12, 8), "C002", "S001", {{"PENA", 50, 1000}}, {.printed = false});
  Note("N5", D(2026, 12, 8), "C002", "S002", {{"PENA", 50, 1000}});
  Return("R1", D(2026, 12, 15), "C001", "S001", {{"BUKU", 30, 1000}});
  CustomerRecapParams params{"", "S001", "", D(2026, 12, 1), D(2026, 12, 31), 1};
  const std::string text = Copied([&] { EXPECT_FALSE(CustomerSalesRecap(session(), params, true)); });
  EXPECT_EQ(LinesWith(text, "REKAP PENJUALAN MINGGUAN PER SALES : S001 (BUDI)").size(), 2u);
  EXPECT_EQ(LinesWith(text, "PERIODE : 01-12-2026 s/d 31-12-2026").size(), 2u);
  const std::vector<std::string> heads = LinesWith(text, "RELASI");
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_NE(heads[0].find("   TGL  1 -  5   TGL  6 - 12   TGL 13 - 19   TGL 20 - 26         >  27        JUMLAH"),
            std::string::npos)
      << heads[0];
  const std::string amounts = "       100,000             0       150,000             0             0       250,000";
  EXPECT_EQ(LinesWith(text, "C001")[0], "C001       TOKO SATU            JAKARTA     " + amounts);
  // One customer a page: each page has its sub-total and the running total.
  const std::vector<std::string> sub = LinesWith(text, " Sub Total ");
  ASSERT_EQ(sub.size(), 2u);
  EXPECT_NE(sub[1].find("             0        50,000             0             0             0        50,000"),
            std::string::npos);
  const std::vector<std::string> total = LinesWith(text, " T O T A L ");
  ASSERT_EQ(total.size(), 2u);
  EXPECT_NE(total[1].find("       100,000        50,000       150,000             0             0       300,000"),
            std::string::npos);
}

TEST_F(RecapsTest, DailySalesCoverSixDaysFromTheStart) {
  Note("N3", D(2026, 12, 7), "C002", "S001", {{"PENA", 50, 1000}});
  Note("N6", D(2026, 12, 13), "C002", "S001", {{"PENA", 50, 1000}});
  CustomerRecapParams params{"C", "S001", "0", D(2026, 12, 7), {}, 50};
  const std::string text = Copied([&] { EXPECT_FALSE(CustomerSalesRecap(session(), params, false)); });
  EXPECT_EQ(LinesWith(text, "REKAP PENJUALAN HARIAN PER SALES : S001 (BUDI)").size(), 1u);
  EXPECT_EQ(LinesWith(text, "PERIODE : 07-12-2026 s/d 12-12-2026").size(), 1u);
  EXPECT_EQ(LinesWith(text, "    07-12-2026    08-12-2026").size(), 1u);
  EXPECT_NE(LinesWith(text, "C002")[0].find("        50,000             0"), std::string::npos);
  EXPECT_NE(LinesWith(text, "C002")[0].find("             0        50,000"), std::string::npos);
}

class CoverageTest : public RecapsTest {
 protected:
  CoverageTest() {
    Setting("KPP2026SLS", "    100000");
    Setting("KPA2026SLS", "     50000");
    Setting("KK32026SLS", "     10000");
    Add("TARIFPA", {{"KODE", T("PENA")}});
    Note("N1", D(2026, 12, 7), "C001", "S001", {{"BUKU", 40, 1000}, {"PENA", 2, 10000}});
    Note("N2", D(2026, 12, 14), "C002", "S001", {{"BUKU", 150, 1000}});
    Note("N3", D(2026, 12, 15), "C002", "S001", {{"BUKU", 150, 1000}}, {.admin_return = "RA1"});
    Return("R1", D(2026, 12, 16), "C003", "S001", {{"BUKU", 10, 1000}});
    params.year = 2026;
    params.from = D(2026, 12, 1);
    params.to = D(2026, 12, 31);
    params.merge = false;
  }
  CoverageParams params;
};

TEST_F(CoverageTest, CustomersAndItemsCountAgainstTheMinimumsOfTheJobTitle) {
  std::string path;
  ASSERT_TRUE(WeeklyCoverage(session(), params, true, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 4, 9), "TGL  6 s/d 12");
  EXPECT_EQ(Text(sheet, 4, 25), "TOTAL");
  EXPECT_EQ(Text(sheet, 6, 2), "S001");
  EXPECT_EQ(Text(sheet, 6, 4), "SLS");
  // Week 2: C001 bought 60,000 of a 100,000 minimum; BUKU sold 40,000 of 50,000, PENA 20,000 of the
  // listed items' 10,000.
  const double week2[] = {0, 1, 1, 2};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Number(sheet, 6, 9 + i), week2[i]) << i;
  // Week 3: C003 only returned goods and still counts among the customers.
  const double week3[] = {1, 2, 1, 1};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Number(sheet, 6, 13 + i), week3[i]) << i;
  const double whole[] = {1, 3, 2, 2};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Number(sheet, 6, 25 + i), whole[i]) << i;
  EXPECT_EQ(Text(sheet, 8, 1), "KETERANGAN");
  EXPECT_EQ(Text(sheet, 11, 1),
            "     XX : Jumlah Langganan transaksi minimal SLS=100,000, SPV=0, DBM=0, BMT=0, SLM=0, KAS=0, KAM=0, BMM=0");
}

TEST_F(CoverageTest, TheTextReportShowsXxOverYyPerWeek) {
  const std::string text = Copied([&] { EXPECT_FALSE(WeeklyCoverage(session(), params, false)); });
  EXPECT_EQ(LinesWith(text, "LAPORAN PP/PA MINGGUAN, RELASI : , (VIRNO)").size(), 1u);
  const std::vector<std::string> rows = LinesWith(text, "  1 S001 BUDI");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NE(rows[0].find("|      0/0       0/0|      0/1       1/2|      1/2       1/1"), std::string::npos) << rows[0];
  EXPECT_NE(rows[0].find("|      1/3       2/2"), std::string::npos);
  EXPECT_EQ(LinesWith(text, "Kode JBT : SLS=Sales TM, SPV=Supervisor TM").size(), 1u);
}

TEST_F(CoverageTest, OnlyTheSalesmenAskedForAreListed) {
  Note("N4", D(2026, 12, 8), "C001", "S002", {{"BUKU", 10, 1000}});
  const std::string all = Copied([&] { EXPECT_FALSE(WeeklyCoverage(session(), params, false)); });
  EXPECT_EQ(LinesWith(all, " S001 BUDI").size(), 1u);
  EXPECT_EQ(LinesWith(all, " S002 ANI").size(), 1u);
  params.salesman = "S002";
  const std::string one = Copied([&] { EXPECT_FALSE(WeeklyCoverage(session(), params, false)); });
  EXPECT_TRUE(LinesWith(one, " S001 BUDI").empty());
  const std::vector<std::string> rows = LinesWith(one, "  1 S002 ANI");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NE(rows[0].find("|      0/1       0/1"), std::string::npos) << rows[0];
  std::string path;
  ASSERT_TRUE(MonthlyCoverage(session(), params, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 6, 2), "S002");
  EXPECT_EQ(Text(sheet, 7, 2), "");
}

TEST_F(CoverageTest, MonthlyCoverageAddsTheCartonsSoldAndReturned) {
  params.customer = "C00";
  std::string path;
  ASSERT_TRUE(MonthlyCoverage(session(), params, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "KEY PERFORMANCE INDICATOR : 2026");
  EXPECT_EQ(Text(sheet, 4, 5 + 6 * 10), "NOPEMBER");
  const int december = 5 + 6 * 11;
  EXPECT_EQ(Text(sheet, 4, december), "DESEMBER");
  // 40 + 150 pieces of 10 and 2 of 12 sold; 10 pieces returned.
  EXPECT_NEAR(Number(sheet, 6, december), 19 + 2.0 / 12, 1e-9);
  EXPECT_EQ(Number(sheet, 6, december + 1), 1);
  EXPECT_EQ(Number(sheet, 6, december + 3), 3);
  EXPECT_EQ(Number(sheet, 6, december + 4), 2);
  EXPECT_EQ(Number(sheet, 6, 5), 0);
}

class IncentiveTest : public RecapsTest {
 protected:
  IncentiveTest() {
    Setting("TARGETHARI", "    600000   3000000     25000    100000");
    Note("N1", D(2026, 12, 7), "C001", "S001", {{"BUKU", 10, 1000}});
    Note("N2", D(2026, 12, 8), "C001", "S001", {{"BUKU", 10, 1000}});
    Note("N3", D(2026, 12, 9), "C001", "S001", {{"BUKU", 20, 1000}});
    Note("N4", D(2026, 12, 10), "C001", "S001", {{"BUKU", 5, 1000}});
    Note("N5", D(2026, 12, 10), "C001", "S001", {{"BUKU", 1000, 1000}}, {.type = "KS"});
    Note("N6", D(2026, 12, 10), "C002", "S002", {{"BUKU", 10, 1000}});
    params.monday = D(2026, 12, 7);
    params.merge = false;
  }
  DailyIncentiveParams params;
};

TEST_F(IncentiveTest, EachDayReachingTheTargetEarnsTheDailyIncentive) {
  std::string path;
  ASSERT_TRUE(DailyIncentive(session(), params, true, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "REKAP INSENTIF HARIAN (Carton)");
  EXPECT_EQ(Text(sheet, 4, 8), "SABTU");
  EXPECT_EQ(Text(sheet, 5, 3), "Tg. 7");
  EXPECT_EQ(Text(sheet, 6, 1), "S001");
  const double s001[] = {1, 1, 2, 0.5, 0, 0, 4.5, 1, 5, 75, 0, 75};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(Number(sheet, 6, 3 + i), s001[i]) << i;
  EXPECT_EQ(Text(sheet, 7, 1), "S002");
  EXPECT_EQ(Number(sheet, 7, 14), 25);
  EXPECT_EQ(Text(sheet, 8, 2), "TOTAL");
  EXPECT_EQ(Number(sheet, 8, 14), 100);
}

TEST_F(IncentiveTest, TheTotalRowHasOneFigureUnderEachHeading) {
  const std::string text = Copied([&] { EXPECT_FALSE(DailyIncentive(session(), params, false)); });
  const std::vector<std::string> heads = LinesWith(text, "KODE NAMA");
  const std::vector<std::string> totals = LinesWith(text, "     TOTAL       ");
  ASSERT_EQ(heads.size(), 1u);
  ASSERT_EQ(totals.size(), 1u);
  // Twelve figures of ten columns after the 25 of code and name, the last the total incentive.
  EXPECT_EQ(heads[0].size(), 25u + 12 * 10);
  EXPECT_EQ(totals[0].size(), heads[0].size()) << totals[0];
  EXPECT_TRUE(totals[0].ends_with("       100")) << totals[0];
  std::string path;
  ASSERT_TRUE(DailyIncentive(session(), params, true, &path));
  EXPECT_EQ(Sheet(path).Find(8, 15), nullptr);
}

TEST_F(IncentiveTest, MergedSalesmenReachTheWeeklyTargetTogether) {
  params.merge = true;
  params.cartons = false;
  std::string path;
  ASSERT_TRUE(DailyIncentive(session(), params, true, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "REKAP INSENTIF HARIAN (dalam ribuan)");
  // In thousands the targets are 600 a day and 3,000 a week: none is reached.
  EXPECT_EQ(Number(sheet, 6, 9), 55);
  EXPECT_EQ(Number(sheet, 6, 10), 600);
  EXPECT_EQ(Number(sheet, 6, 14), 0);
  EXPECT_EQ(Text(sheet, 7, 2), "TOTAL");
  params.cartons = true;
  ASSERT_TRUE(DailyIncentive(session(), params, true, &path));
  const platform::SheetData cartons = Sheet(path);
  EXPECT_EQ(Number(cartons, 6, 6), 1.5);
  EXPECT_EQ(Number(cartons, 6, 13), 100);
  EXPECT_EQ(Number(cartons, 6, 14), 200);
}

TEST_F(IncentiveTest, AWeekNotStartingOnMondayIsRefusedBeforeAnyReading) {
  params.monday = D(2026, 12, 8);
  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(DailyIncentive(session(), params, false));
  EXPECT_TRUE(support::Shown(rig.term, "harus dimulai dari hari Senin \"Gan\""));
  EXPECT_TRUE(support::Shown(rig.term, "ulangi"));
}

TEST_F(RecapsTest, TheMinimumsOfAYearAreKeptPerJobTitle) {
  EXPECT_EQ(KpiKey("KK3", 2026, "BMM "), "KK32026BMM");
  rig.session.ZTGPROSES = D(2026, 11, 30);
  rig.term.AddKeys(support::Keys({{key::kEnter}, support::Line("150000"), support::Line("75000"), {key::kPgDn}, {'Y'},
                                  {key::kEsc}}));
  ASSERT_TRUE(SETKPI(session(), {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Key Performance Indicator"));
  EXPECT_TRUE(support::Shown(rig.term, "BMM Branch Manager MM"));
  xbase::WorkArea& setup = Table("SETUP");
  std::map<std::string, std::string> stored;
  for (uint32_t record = 1; record <= setup.table().record_count(); ++record) {
    const std::string key = support::StoredText(setup, record, "SETUP");
    stored[key] = setup.Text("KET").substr(0, 10);
  }
  EXPECT_EQ(stored.size(), 24u);
  EXPECT_EQ(stored["KPP2026SLS"], "    150000");
  EXPECT_EQ(stored["KPA2026SLS"], "     75000");
  EXPECT_EQ(stored["KK32026BMM"], "         0");
}

}  // namespace
}  // namespace performance
