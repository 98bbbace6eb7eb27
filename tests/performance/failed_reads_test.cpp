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
#include "report_rig.h"
#include "support/damaged_tables.h"

namespace performance {
namespace {

using support::T;
namespace key = console::key;

class FailedReadTest : public ReportRig {
 public:
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

  // Damages the index pages of `table` and expects the failure on row 24 once, a key taking it away.
  void Damage(const std::string& table) {
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());  // the pages the rows were written through go too
    support::DamageIndexPages(data.path(), table);
    rig.term.AddKeys({key::kEnter});
  }
  void ExpectShown(const std::string& table) {
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, table)) << table;
    EXPECT_EQ(rig.term.keys_left(), 0u);
  }

  // The weekly coverage, in a workbook and as text, and the monthly one: a damaged index on the way to a
  // listed item, a minimum or a salesman's month row stops the report before anything is written.
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
  const uint32_t rows = Table("SETUP").table().record_count();
  Damage("SETUP");
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
  xbase::WorkArea& setup = Table("SETUP");
  EXPECT_EQ(setup.table().record_count(), rows);
  EXPECT_EQ(support::StoredText(setup, 1, "KET").substr(0, 10), "    100000");
}

TEST_F(FailedReadTest, AMemberRowThatCannotBeReadRefusesTheCode) {
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
