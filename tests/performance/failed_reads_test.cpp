// A read that fails while a report computes is the error shown on row 24, never a row taken as
// missing: the coverage with its minimums and listed items, the salesmen's chains, the customer groups
// of the incentive basis and the split per customer, the visits of the join-visit report, the member
// check of a supervisor group and the stored minimums and chosen salesmen.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "performance/chosen_salesmen.h"
#include "performance/grspv.h"
#include "performance/lfokus.h"
#include "performance/lrdpi.h"
#include "performance/lsales2.h"
#include "performance/pktour.h"
#include "performance/report_tables.h"
#include "performance/rpms.h"
#include "performance/tgtsls.h"
#include "report_rig.h"
#include "support/damaged_tables.h"

namespace performance {
namespace {

using support::T;
namespace key = console::key;

class FailedReadTest : public ReportRig {
 protected:
  FailedReadTest() {
    Salesman("S001", "BUDI", "SLS");
    Customer("C001", "TOKO SATU");
    Customer("C002", "TOKO DUA", "GROS");
    Item("BUKU", "SCHOOL", 10);
    Item("PENA", "WRITING", 12);
    Setting("KPP2026SLS", "    100000");
    Setting("KPA2026SLS", "     50000");
    Setting("KK32026SLS", "     10000");
    Add("TARIFPA", {{"KODE", T("PENA")}});
    Note("N1", D(2026, 12, 7), "C001", "S001", {{"BUKU", 40, 1000}, {"PENA", 2, 10000}});
    Note("N2", D(2026, 12, 14), "C002", "S001", {{"BUKU", 150, 1000}});
    coverage.year = 2026;
    coverage.from = D(2026, 12, 1);
    coverage.to = D(2026, 12, 31);
    coverage.merge = false;
  }

  // Damages the index pages of `table`, closed first so that no page of it is held from before, and
  // gives the key that takes the failure away.
  void Damage(const std::string& table) {
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    support::DamageIndexPages(data.path(), table);
    rig.term.AddKeys({key::kEnter});
  }
  void ExpectShown(const std::string& table) {
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, table)) << table;
    EXPECT_EQ(rig.term.keys_left(), 0u);
  }

  // The weekly and the monthly coverage: a damaged index on the way to a listed item, a minimum or a
  // salesman's row stops the report before anything is written.
  void ExpectCoverageStops(const std::string& table) {
    Damage(table);
    std::string path;
    EXPECT_FALSE(WeeklyCoverage(session(), coverage, true, &path));
    EXPECT_EQ(path, "");
    ExpectShown(table);
    rig.term.AddKeys({key::kEnter});
    EXPECT_FALSE(MonthlyCoverage(session(), coverage, &path));
    EXPECT_EQ(path, "");
    EXPECT_EQ(rig.term.keys_left(), 0u);
  }

  CoverageParams coverage;
};

TEST_F(FailedReadTest, TheCoverageStopsWhenAListedItemCannotBeRead) { ExpectCoverageStops("TARIFPA"); }
TEST_F(FailedReadTest, TheCoverageStopsWhenAMinimumCannotBeRead) { ExpectCoverageStops("SETUP"); }
TEST_F(FailedReadTest, TheCoverageStopsWhenASalesmansMonthRowCannotBeRead) { ExpectCoverageStops("DTSALES"); }
TEST_F(FailedReadTest, TheCoverageStopsWhenASalesmanCannotBeRead) { ExpectCoverageStops("MASTSLS"); }

TEST_F(FailedReadTest, TheDailyIncentiveStopsWhenASalesmanOrItsTargetsCannotBeRead) {
  Setting("TARGETHARI", "    600000   3000000     25000    100000");
  DailyIncentiveParams params;
  params.monday = D(2026, 12, 7);
  std::string path;
  ASSERT_TRUE(DailyIncentive(session(), params, true, &path));
  for (const std::string table : {"MASTSLS", "SETUP"}) {
    Damage(table);
    path.clear();
    EXPECT_FALSE(DailyIncentive(session(), params, true, &path));
    EXPECT_EQ(path, "");
    ExpectShown(table);
  }
}

// A customer whose group cannot be read is neither left out of the incentive basis nor of the split per
// customer: both stop.
TEST_F(FailedReadTest, TheGroupFiltersStopWhenACustomerCannotBeRead) {
  Damage("MASTCUS");
  IncentiveParams incentive;
  incentive.from = D(2026, 12, 1);
  incentive.to = D(2026, 12, 31);
  incentive.group = "RETL";
  std::vector<IncentiveRow> rows;
  EXPECT_FALSE(IncentiveBasis(session(), incentive, true, &rows));
  ExpectShown("MASTCUS");
  rig.term.AddKeys({key::kEnter});
  SalesSplitParams split{"C", "", "RETL", D(2026, 12, 1), D(2026, 12, 31), {"S001"}, true};
  EXPECT_FALSE(SalesByCustomer(session(), split));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_FALSE(support::Shown(rig.term, "PENJUALAN by RELASI per SALES"));
}

// A settlement line's receipt gives its date and its kind the option it counts under: either that
// cannot be read stops the basis, rather than leaving the line out or counting it as a cost.
TEST_F(FailedReadTest, TheIncentiveBasisStopsWhenAReceiptOrASettlementKindCannotBeRead) {
  const auto date = [](int day) { return xbase::Value::FromDate(D(2026, 12, day)); };
  Add("PIUTDBT", {{"NOTA", T("INV1")}, {"RELASI", T("C001")}, {"TIPE", T("01")}, {"SALES", T("S001")},
                  {"KDCB", T("B2")}, {"TANGGAL", date(5)}, {"TEMPO", date(30)}, {"DEBET", support::N(1000)}});
  Add("PIUTKR1", {{"KDCB", T("B2")}, {"NOMOR", T("P1")}, {"TANGGAL", date(10)}});
  Add("PIUTKR2", {{"KDCB", T("B2")}, {"NOMOR", T("P1")}, {"NOTA", T("INV1")}, {"KD_TT", T("DK")},
                  {"KREDIT", support::N(400)}});
  IncentiveParams incentive;
  incentive.from = D(2026, 12, 1);
  incentive.to = D(2026, 12, 31);
  std::vector<IncentiveRow> rows;
  ASSERT_TRUE(IncentiveBasis(session(), incentive, true, &rows));
  for (const std::string table : {"MASTJNS", "PIUTKR1"}) {
    Damage(table);
    EXPECT_FALSE(IncentiveBasis(session(), incentive, true, &rows));
    ExpectShown(table);
  }
}

// Cartons come from an item's conversion row or its carton size: either that cannot be read stops the
// report, rather than counting the line's value as cartons.
TEST_F(FailedReadTest, CartonFiguresStopWhenAnItemOrItsConversionCannotBeRead) {
  SalesSplitParams split{"C", "", "", D(2026, 12, 1), D(2026, 12, 31), {"S001"}, false};
  for (const std::string table : {"KONVERT", "MASTBRJ"}) {
    Damage(table);
    EXPECT_FALSE(SalesByCustomer(session(), split));
    ExpectShown(table);
  }
  EXPECT_FALSE(support::Shown(rig.term, "PENJUALAN by RELASI per SALES"));
}

TEST_F(FailedReadTest, TheJoinVisitsStopWhenAVisitOrAManagerCannotBeRead) {
  Add("DATABM", {{"KODE", T("BM01")}, {"NAMA", T("HENDRA")}, {"CABANG", T("B2")}, {"SALES", T("S001")}});
  Add("BMONITOR", {{"INVOICE", T("N1")}, {"KODEBM", T("BM01")}});
  JoinVisitParams params{D(2026, 12, 1), D(2026, 12, 31), "C", false};
  std::string path;
  ASSERT_TRUE(JoinVisits(session(), params, &path));
  for (const std::string table : {"DATABM", "BMONITOR"}) {
    Damage(table);
    path.clear();
    EXPECT_FALSE(JoinVisits(session(), params, &path));
    EXPECT_EQ(path, "");
    ExpectShown(table);
  }
}

// The minimums that cannot be read are not offered as zeros to be saved over the stored ones; the
// chosen salesmen likewise; and a row that cannot be read is never appended a second time.
TEST_F(FailedReadTest, StoredSettingsThatCannotBeReadAreNeitherOfferedBlankNorAppendedAgain) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(data.path(), "SETUP");
  rig.session.ZTGPROSES = D(2026, 11, 30);
  rig.term.AddKeys({key::kEnter, key::kEsc});  // the year, the failure, the year again
  ASSERT_TRUE(SETKPI(session(), {}).ok());
  ExpectShown("SETUP");
  EXPECT_FALSE(support::Shown(rig.term, "JABATAN "));
  std::vector<std::string> codes = {"S001"};
  EXPECT_FALSE(SETDEFAULTSALES(session(), "C0", kTourKey, &codes).ok());
  EXPECT_EQ(codes, std::vector<std::string>(14, "    "));
  EXPECT_FALSE(StoreSetupText(session(), "KPP2026SLS", "     99999").ok());
  EXPECT_FALSE(StoreSetupText(session(), "NEWKEY", "1").ok());
  xbase::WorkArea* setup = Opened(session(), "SETUP");
  ASSERT_NE(setup, nullptr);
  EXPECT_EQ(setup->table().record_count(), 3u);  // the three minimums
  EXPECT_EQ(support::StoredText(*setup, 1, "KET").substr(0, 10), "    100000");
}

// The grids' checks: a member row that cannot be read refuses the salesman typed (he may belong to
// another group), a group's carton size that cannot be read converts nothing.
TEST_F(FailedReadTest, TheGridChecksAreErrorsWhenTheirRowCannotBeRead) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(data.path(), "PATRON2");
  double size = -1;
  const xbase::Status read = GroupCartonSize(session(), "SCHOOL", &size);
  EXPECT_TRUE(read.IsCorruption()) << read.ToString();
  EXPECT_EQ(size, 0);

  Add("SALES_MEM", {{"SPVID", T("SP02")}, {"KODE", T("S002")}, {"NAMA", T("ANI")}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::DamageIndexPages(data.path(), "SALES_MEM");
  std::string clash = "x";
  const xbase::Status s = MemberClash(session(), {"S002"}, 0, "SP01", &clash);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("SALES_MEM"), std::string::npos) << s.message();
  EXPECT_EQ(clash, "");
}

}  // namespace
}  // namespace performance
