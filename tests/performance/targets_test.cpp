// Sales targets: weeks, the salesman chains, the target lists and targets against sales, and the
// recap by product-group column.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "performance/salesman_chain.h"
#include "performance/tgtsls.h"
#include "performance/weeks.h"
#include "report_rig.h"

namespace performance {
namespace {

using support::N;
using support::T;

TEST(WeeksTest, WeekOneStartsAtThePeriodAndTheOthersOnSundays) {
  const Weeks tuesday = WeekStarts(D(2026, 12, 1));
  EXPECT_EQ(tuesday.starts, (std::array<xbase::Date, 5>{D(2026, 12, 1), D(2026, 12, 6), D(2026, 12, 13), D(2026, 12, 20),
                                                         D(2026, 12, 27)}));
  EXPECT_EQ(tuesday.WeekOf(D(2026, 12, 5)), 1);
  EXPECT_EQ(tuesday.WeekOf(D(2026, 12, 6)), 2);
  EXPECT_EQ(tuesday.WeekOf(D(2026, 12, 31)), 5);
  EXPECT_EQ(tuesday.LastDay(1), 5);
  // A month that starts on a Sunday: days 1, 8, 15, 22 and 29.
  const Weeks sunday = WeekStarts(D(2024, 9, 1));
  EXPECT_EQ(sunday.FirstDay(2), 8);
  EXPECT_EQ(sunday.FirstDay(5), 29);
  // A period running into the next month is weighed by date, not by day number.
  const Weeks late = WeekStarts(D(2026, 11, 25));
  EXPECT_EQ(late.WeekOf(D(2026, 12, 2)), 2);
  EXPECT_EQ(late.WeekOf(D(2026, 12, 28)), 5);
}

class TargetsTest : public ReportRig {
 protected:
  TargetsTest() {
    Salesman("S001", "BUDI", "SLS", "XXXX");
    Salesman("BM01", "HENDRA", "BMT");
    Add("DTSALES", {{"KDSALES", T("S001")}, {"TANGGAL", xbase::Value::FromDate(D(2026, 11, 1))}, {"NAMA", T("BUDI")},
                    {"JABATAN", T("SLS")}, {"ATASAN", T("SP01")}});
    Add("DTSALES", {{"KDSALES", T("SP01")}, {"TANGGAL", xbase::Value::FromDate(D(2026, 10, 1))}, {"NAMA", T("SARI")},
                    {"JABATAN", T("SPV")}, {"ATASAN", T("BM01")}});
    Item("BUKU", "SCHOOL", 10);
    Item("PENA", "WRITING", 12);
    Item("ZZ", "JASA", 0);
    Member("K1112", "BUKU");
    Member("K1", "PENA");
    Add("PATRON", {{"KODE", T("K111")}, {"NAMA", T("BUKU TULIS")}});
    for (const auto& [date, group, cartons] : {std::tuple{D(2026, 12, 1), "K111", 10.0}, {D(2026, 12, 15), "K111", 20.0},
                                                {D(2026, 12, 1), "K1", 5.0}, {D(2026, 12, 20), "M449", 1.0},
                                                {D(2026, 12, 2), "K111", 0.0}}) {
      Add("TGSALES", {{"KDCB", T("B2")}, {"SALES", T("S001")}, {"TANGGAL", xbase::Value::FromDate(date)},
                      {"PATRON", T(group)}, {"CARTON", N(cartons)}});
    }
    Note("N1", D(2026, 12, 2), "C001", "S001", {{"BUKU", 50, 1000}});
    Note("N2", D(2026, 12, 14), "C001", "S001", {{"BUKU", 120, 1000}});
    Note("N3", D(2026, 12, 3), "C001", "S001", {{"BUKU", 100, 1000}}, {.cancelled = true});
    Note("N4", D(2026, 12, 4), "C002", "S001", {{"PENA", 24, 500}});
    Note("N5", D(2026, 12, 21), "C001", "S001", {{"ZZ", 1, 1200000}});
    Note("N6", D(2026, 12, 2), "D001", "S001", {{"BUKU", 500, 1000}});
    Return("R1", D(2026, 12, 15), "C001", "S001", {{"BUKU", 20, 1000}});
    params.branch = "B2";
    params.customer = "C0";
    params.from = D(2026, 12, 1);
    params.to = D(2026, 12, 31);
  }

  SalesmanReportParams params;
};

TEST_F(TargetsTest, AChainClimbsThroughTheMonthRowsSearchedBackAndThenTheSalesmanMaster) {
  const frame::OpenedTables tables = frame::OpenTables(session(), {"DTSALES", "MASTSLS"});
  ASSERT_TRUE(tables);
  SalesmanChains chains(tables, D(2021, 12, 31), true);
  EXPECT_EQ(chains.Resolve("S001", D(2026, 12, 9)), (std::vector<std::string>{"S001", "SP01", "BM01"}));
  ASSERT_NE(chains.Find("SP01"), nullptr);
  EXPECT_EQ(chains.Find("SP01")->sort_key(), "3SP01BM01");
  EXPECT_EQ(chains.Find("BM01")->sort_key(), "1BM01");
  // A month before the only row, or a cut-off after it, falls back on the master.
  SalesmanChains late(tables, D(2026, 12, 1), true);
  EXPECT_EQ(late.Resolve("S001", D(2026, 12, 9)), (std::vector<std::string>{"S001", "XXXX"}));
  // Merging takes the month row's group, or the master's old code.
  Add("DTSALES", {{"KDSALES", T("S002")}, {"TANGGAL", xbase::Value::FromDate(D(2026, 12, 1))}, {"GRUP", T("TM1")},
                  {"JABATAN", T("SLS")}});
  Salesman("S003", "ANI", "SLS", "S003", "OLD3");
  EXPECT_EQ(chains.Resolve("S002", D(2026, 12, 9)), std::vector<std::string>{"TM1"});
  SalesmanChains apart(tables, D(2021, 12, 31), false);
  EXPECT_EQ(apart.Resolve("S002", D(2026, 12, 9)), std::vector<std::string>{"S002"});
  // A salesman who is his own superior ends the chain.
  EXPECT_EQ(chains.Resolve("S003", D(2026, 12, 9)), std::vector<std::string>{"OLD3"});
}

TEST_F(TargetsTest, TargetsMeetTheCartonsSoldPerWeekForTheSalesmanAndEverySuperior) {
  std::string path;
  ASSERT_TRUE(TargetAgainstSales(session(), params, &path));
  EXPECT_EQ(SheetNames(path), (std::vector<std::string>{"BM01", "SP01", "S001", "Rekap"}));
  for (const std::string name : {"BM01", "SP01", "S001"}) {
    const platform::SheetData sheet = Sheet(path, name);
    EXPECT_EQ(Text(sheet, 4, 4), "TGL  1 s/d  5");
    EXPECT_EQ(Text(sheet, 4, 7), "TGL  6 s/d 12");
    EXPECT_EQ(Text(sheet, 4, 16), "TGL  >=  27");
    EXPECT_EQ(Text(sheet, 5, 19), "TARGET");
    // M449: 1 carton targeted in week 4, 1,200,000 sold there counts 2 cartons.
    EXPECT_EQ(Text(sheet, 6, 2), "M449");
    EXPECT_EQ(Number(sheet, 6, 13), 1);
    EXPECT_EQ(Number(sheet, 6, 14), 2);
    EXPECT_EQ(Number(sheet, 6, 21), 200);
    // K111 reached from the item's group K1112; the cancelled note and the other customer stay out.
    EXPECT_EQ(Text(sheet, 7, 2), "K111");
    EXPECT_EQ(Text(sheet, 7, 3), "BUKU TULIS");
    EXPECT_EQ(Number(sheet, 7, 4), 10);
    EXPECT_EQ(Number(sheet, 7, 5), 5);
    EXPECT_EQ(Number(sheet, 7, 10), 20);
    EXPECT_EQ(Number(sheet, 7, 11), 10);
    EXPECT_EQ(Number(sheet, 7, 19), 30);
    EXPECT_EQ(Number(sheet, 7, 20), 15);
    EXPECT_EQ(Number(sheet, 7, 21), 50);
    // K1 never receives sales: the group code is not shortened below four characters.
    EXPECT_EQ(Text(sheet, 8, 2), "K1");
    EXPECT_EQ(Number(sheet, 8, 20), 0);
    EXPECT_EQ(Number(sheet, 8, 21), 0);
    EXPECT_EQ(Text(sheet, 9, 3), "TOTAL");
    EXPECT_EQ(Number(sheet, 9, 19), 36);
    EXPECT_EQ(Number(sheet, 9, 20), 17);
  }
  EXPECT_EQ(Text(Sheet(path, "S001"), 1, 1), "TARGET vs OMSET SALES : BUDI");
  const platform::SheetData recap = Sheet(path, "Rekap");
  EXPECT_EQ(Text(recap, 2, 1), "PERIODE : 01-12-2026 s/d 31-12-2026");
  EXPECT_EQ(Text(recap, 6, 2), "BM01");
  EXPECT_EQ(Text(recap, 7, 4), "SPV");
  EXPECT_EQ(Number(recap, 8, 5), 3);
  EXPECT_EQ(Number(recap, 8, 6), 1);
  EXPECT_NEAR(Number(recap, 8, 7), 33.333, 0.001);
}

TEST_F(TargetsTest, ABranchWithoutTargetsShowsNothing) {
  params.branch = "B9";
  rig.term.AddKeys({console::key::kEnter});
  std::string path;
  EXPECT_FALSE(TargetAgainstSales(session(), params, &path));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada target cabang B9 pada periode ini"));
  EXPECT_TRUE(path.empty());
}

TEST_F(TargetsTest, GroupColumnsInCartonsAndThousandsPerSalesmanAndSuperior) {
  EXPECT_EQ(GroupColumn("K4011"), "SS ZOLA");
  EXPECT_EQ(GroupColumn("K3999"), "OTHERS");
  EXPECT_EQ(GroupColumn("L2"), "C.PAPER");
  EXPECT_EQ(GroupColumn("M44"), "JASA");
  EXPECT_EQ(GroupColumn("K1"), "LAIN2");
  std::string path;
  ASSERT_TRUE(GroupsBySalesman(session(), params, &path));
  EXPECT_EQ(SheetNames(path), (std::vector<std::string>{"Carton", "Value"}));
  const platform::SheetData cartons = Sheet(path, "Carton");
  EXPECT_EQ(Text(cartons, 1, 1), "REKAP PENJUALAN by GROUP PRODUK 01-12-2026 s/d 31-12-2026");
  EXPECT_EQ(Text(cartons, 2, 1), "TEAM SALES ( VIRNO )");
  EXPECT_EQ(Text(cartons, 5, 5), "SS ZOLA");
  EXPECT_EQ(Text(cartons, 4, 18), "TOTAL");
  for (int row = 6; row <= 8; ++row) {
    EXPECT_EQ(Number(cartons, row, 5), 15);
    EXPECT_EQ(Number(cartons, row, 16), 2);
    EXPECT_EQ(Number(cartons, row, 17), 2);
    EXPECT_EQ(Number(cartons, row, 18), 19);
  }
  EXPECT_EQ(Text(cartons, 6, 2), "BM01");
  EXPECT_EQ(Text(cartons, 8, 4), "SLS");
  const platform::SheetData value = Sheet(path, "Value");
  EXPECT_EQ(Text(value, 3, 1), "VALUE/1000");
  EXPECT_EQ(Number(value, 8, 5), 150);
  EXPECT_EQ(Number(value, 8, 16), 1200);
  EXPECT_EQ(Number(value, 8, 17), 12);
  EXPECT_EQ(Number(value, 8, 18), 1362);
}

TEST_F(TargetsTest, TargetListsRefuseOverlappingGroupsAndLoseTheirHeaderWhenEmptied) {
  EXPECT_EQ(TargetGroupClash({"K111", "K11", ""}, 0), "");
  EXPECT_EQ(TargetGroupClash({"K1111", "K111"}, 0), "KodeInduk ini telah diisikan pada urutan ke 2");
  EXPECT_EQ(TargetGroupClash({"K111", "K1112"}, 0), "KodeInduk ini telah diisikan pada urutan ke 2");
  EXPECT_EQ(TargetGroupClash({"K111", "M44", "K111"}, 2), "KodeInduk ini telah diisikan pada urutan ke 1");
  ASSERT_TRUE(SaveTargetList(session(), "B2", "01", "TARGET DESEMBER", {"K111", "", "M449"}).ok());
  xbase::WorkArea& header = Table("MSTARGET1");
  xbase::WorkArea& lines = Table("MSTARGET2");
  EXPECT_EQ(support::StoredText(header, 1, "NOTES"), "TARGET DESEMBER");
  EXPECT_EQ(header.DateOf("TG_UPDATE"), D(2026, 12, 8));
  EXPECT_EQ(support::StoredText(lines, 2, "PATRON"), "M449");
  ASSERT_TRUE(SaveTargetList(session(), "B2", "01", "TARGET DESEMBER", {"K122"}).ok());
  EXPECT_EQ(support::StoredText(lines, 1, "PATRON"), "K122");
  EXPECT_FALSE(lines.deleted());
  ASSERT_TRUE(lines.GoTo(2).ok());
  EXPECT_TRUE(lines.deleted());
  ASSERT_TRUE(SaveTargetList(session(), "B2", "01", "", {}).ok());
  ASSERT_TRUE(header.GoTo(1).ok());
  EXPECT_TRUE(header.deleted());
  // Saving again recalls the rows it wrote before instead of appending.
  ASSERT_TRUE(SaveTargetList(session(), "B2", "01", "LAGI", {"K123", "K124", "K125"}).ok());
  EXPECT_EQ(lines.table().record_count(), 3u);
  ASSERT_TRUE(lines.GoTo(2).ok());
  EXPECT_FALSE(lines.deleted());
}

TEST_F(TargetsTest, SalesmanTargetsKeepOnlyGroupsWithCartonsAndConvertThroughTheGroupsFirstItem) {
  double size = -1;
  ASSERT_TRUE(GroupCartonSize(session(), "K1112", &size).ok());
  EXPECT_EQ(size, 10);
  ASSERT_TRUE(GroupCartonSize(session(), "K999", &size).ok());
  EXPECT_EQ(size, 0);
  ASSERT_TRUE(SaveSalesmanTargets(session(), "B2", "S009", D(2027, 1, 1), "01",
                                  {{"K111", 5, 50}, {"K1", 0, 0}, {"M449", 2, 2}}).ok());
  xbase::WorkArea& targets = Table("TGSALES");
  const uint32_t first = targets.table().record_count() - 1;
  EXPECT_EQ(support::StoredText(targets, first, "PATRON"), "K111");
  EXPECT_EQ(targets.Number("QUANTITY"), 50);
  EXPECT_EQ(support::StoredText(targets, first + 1, "PATRON"), "M449");
  ASSERT_TRUE(SaveSalesmanTargets(session(), "B2", "S009", D(2027, 1, 1), "01", {{"M449", 0, 0}, {"K111", 7, 70}}).ok());
  EXPECT_EQ(support::StoredText(targets, first, "PATRON"), "K111");
  EXPECT_EQ(targets.Number("CARTON"), 7);
  ASSERT_TRUE(targets.GoTo(first + 1).ok());
  EXPECT_TRUE(targets.deleted());
}

}  // namespace
}  // namespace performance
