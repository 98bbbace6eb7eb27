// The stock regeneration: the replay order within a day, the moving average over receipts, notes and
// returns, the averages written back into the lines, and the warehouse and master rows it leaves.
#include "stock/regeneration.h"

#include <algorithm>

#include "console/keys.h"
#include "stock/stock_screens.h"

#include "stock/stock_rows_helpers.h"

namespace stock {
namespace {

using support::N;
using support::T;
using testing::Day;

class RegenerationTest : public testing::StockTest {
 protected:
  RegenerationTest() {
    support::AddRows(support::Open(rig.session, "MASTBRJ"),
                     {{{"KODE", T("A1")}, {"NAMA", T("PENSIL")}, {"JUMLAH", N(999)}, {"HRG_RATA", N(1)}},
                      {{"KODE", T("B1")}, {"NAMA", T("PULPEN")}, {"JUMLAH", N(0)}}});
    // A second warehouse of A1 without movements keeps its row.
    support::AddRows(support::Open(rig.session, "STOKBRG"),
                     {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(3)}, {"HRG_RATA", N(5)}},
                      {{"KODE", T("A1")}, {"GUDANG", T("G2")}, {"JUMLAH", N(15)}, {"HRG_RATA", N(900)}}});
    // Day 10, stored in the opposite order of the replay: the note, the receipt, the adjustment.
    Document("SRTJLN", "SJ1", Day(2026, 3, 10), {{"A1", "G1", 30, 2000}});
    Document("BPBELI", "BP1", Day(2026, 3, 10), {{"A1", "G1", 100, 1000}}, {{"CODE_ID", T("01")}});
    Adjustment("ADJ1", Day(2026, 3, 10), {"A1", "G1", 20, 0, 500});
    // Day 11: a price including VAT with 10 % off the line: 1,210 / 1.1 x 0.9 = 990.
    Document("BPBELI", "BP2", Day(2026, 3, 11), {{"A1", "G1", 50, 1210, 0, 10}}, {{"CODE_ID", T("02")}});
    // Day 12: a purchase return, a sales return and both halves of a mutation.
    Document("RTBELI", "RB1", Day(2026, 3, 12), {{"A1", "G1", 10, 990}});
    Document("RTJUAL", "RJ1", Day(2026, 3, 12), {{"A1", "G1", 5, 2000}});
    Document("MTSDBT", "MT1", Day(2026, 3, 12), {{"A1", "G1", 7}});
    Document("MTSKDT", "MT2", Day(2026, 3, 12), {{"A1", "G1", 2}});
    // B1 has only delivery notes: the first stored average carries on.
    Document("SRTJLN", "SJ2", Day(2026, 3, 3), {{"B1", "G1", 5, 100}});
    Document("SRTJLN", "SJ3", Day(2026, 3, 4), {{"B1", "G1", 4, 100, 700}});
    Document("SRTJLN", "SJ4", Day(2026, 3, 5), {{"B1", "G1", 1, 100, 800}});
    CloseAll();
  }
};

TEST_F(RegenerationTest, ReplaysEachDayInIdOrderAndWritesTheRunningAverageBack) {
  ASSERT_TRUE(frame::OpenTables(rig.session, RegenerationTables()));
  ASSERT_TRUE(Regenerate(rig.session.tables(), "", "").ok());
  // Adjustment first: 20 at its stored 500; then the receipt: (20 x 500 + 100 x 1,000) / 120 = 916.67;
  // the note leaves 90; the VAT receipt: (90 x 916.67 + 50 x 990) / 140 = 942.86.
  EXPECT_EQ(Rows("JUSTMEN", {"NOMOR", "HARGA", "HRG_RATA"}), std::vector<std::string>{"NOMOR=ADJ1 HARGA=500.00 HRG_RATA=500.00"});
  EXPECT_EQ(Rows("BPBELI2", {"NO_BPB", "HRG_RATA"}),
            (std::vector<std::string>{"NO_BPB=BP1 HRG_RATA=916.67", "NO_BPB=BP2 HRG_RATA=942.86"}));
  EXPECT_EQ(Rows("SRTJLN2", {"INVOICE", "HRG_RATA"}),
            (std::vector<std::string>{"INVOICE=SJ1 HRG_RATA=916.67", "INVOICE=SJ2 HRG_RATA=0.00",
                                      "INVOICE=SJ3 HRG_RATA=700.00", "INVOICE=SJ4 HRG_RATA=700.00"}));
  EXPECT_EQ(Rows("RTBELI2", {"HRG_RATA"}), std::vector<std::string>{"HRG_RATA=942.86"});
  EXPECT_EQ(Rows("RTJUAL2", {"HRG_RATA"}), std::vector<std::string>{"HRG_RATA=942.86"});
  EXPECT_EQ(Rows("MTSDBT2", {"HRG_RATA"}), std::vector<std::string>{"HRG_RATA=943"});
  EXPECT_EQ(Rows("MTSKDT2", {"HRG_RATA"}), std::vector<std::string>{"HRG_RATA=943"});
  // 20 + 100 - 30 + 50 - 10 + 5 + 7 - 2 = 140; B1 gets a new row at -10.
  EXPECT_EQ(Rows("STOKBRG", {"KODE", "GUDANG", "JUMLAH", "HRG_RATA"}),
            (std::vector<std::string>{"KODE=A1 GUDANG=G1 JUMLAH=140 HRG_RATA=942.86",
                                      "KODE=A1 GUDANG=G2 JUMLAH=15 HRG_RATA=900.00",
                                      "KODE=B1 GUDANG=G1 JUMLAH=-10 HRG_RATA=700.00"}));
  // The master's quantity is the sum of the warehouse rows, its average that of the last warehouse.
  EXPECT_EQ(Rows("MASTBRJ", {"KODE", "JUMLAH", "HRG_RATA"}),
            (std::vector<std::string>{"KODE=A1 JUMLAH=155 HRG_RATA=942.86", "KODE=B1 JUMLAH=-10 HRG_RATA=700.00"}));
}

TEST_F(RegenerationTest, AReceiptThatLeavesTheQuantityAtOrBelowZeroKeepsTheAverage) {
  Document("SRTJLN", "SJ9", Day(2026, 4, 1), {{"C1", "G1", 10, 100}});
  Document("BPBELI", "BP9", Day(2026, 4, 2), {{"C1", "G1", 10, 400}});
  Document("BPBELI", "BP8", Day(2026, 4, 3), {{"C1", "G1", 4, 600}});
  CloseAll();
  ASSERT_TRUE(frame::OpenTables(rig.session, RegenerationTables()));
  ASSERT_TRUE(Regenerate(rig.session.tables(), "C", "G1").ok());
  // The first receipt brings the quantity to 0: no average yet; the second starts it at 600.
  EXPECT_EQ(Rows("BPBELI2", {"NO_BPB", "HRG_RATA"})[2], "NO_BPB=BP9 HRG_RATA=0.00");
  EXPECT_EQ(Rows("BPBELI2", {"NO_BPB", "HRG_RATA"})[3], "NO_BPB=BP8 HRG_RATA=600.00");
  // Only C1 was selected: A1's rows are as they were.
  EXPECT_EQ(Rows("STOKBRG", {"KODE", "JUMLAH", "HRG_RATA"})[0], "KODE=A1 JUMLAH=3 HRG_RATA=5.00");
  EXPECT_EQ(Rows("STOKBRG", {"KODE", "JUMLAH", "HRG_RATA"})[2], "KODE=C1 JUMLAH=4 HRG_RATA=600.00");
}

// A caller that left out a table the figures go to gets an error naming it before any line is touched.
TEST_F(RegenerationTest, ATableTheCallerDidNotOpenIsNamedAndNothingIsWritten) {
  const std::vector<std::string> lines = Rows("MTSDBT2", {"HRG_RATA"});
  ASSERT_TRUE(frame::OpenTables(rig.session, RegenerationTables()));
  ASSERT_TRUE(rig.session.tables().Close("STOKBRG").ok());
  xbase::Status s = Regenerate(rig.session.tables(), "", "");
  EXPECT_TRUE(s.IsNotFound());
  EXPECT_EQ(s.message(), "STOKBRG/MASTBRJ: table not open");
  ASSERT_TRUE(frame::OpenTables(rig.session, {{"STOKBRG", {}, true}}));
  ASSERT_TRUE(rig.session.tables().Close("MTSKDT2").ok());
  s = Regenerate(rig.session.tables(), "", "");
  EXPECT_EQ(s.message(), "MTSKDT2: table not open");
  EXPECT_EQ(Rows("MTSDBT2", {"HRG_RATA"}), lines);
  EXPECT_EQ(Rows("STOKBRG", {"KODE", "JUMLAH"})[0], "KODE=A1 JUMLAH=3");
}

TEST_F(RegenerationTest, TheTablesAreHeldExclusivelySoNoOtherWorkstationPostsMeanwhile) {
  ASSERT_TRUE(frame::OpenTables(rig.session, RegenerationTables()));
  support::SessionRig other;
  other.session.SetSearchPath(data.path());
  xbase::WorkArea* area = nullptr;
  other.term.AddKeys({27, 27, 27, 27});
  EXPECT_FALSE(frame::OpenTable(other.session, "SRTJLN2", false, {}, &area));
}

// "Generate Stock" gives the movement tables back when its run ends: while its box waits for the next
// run, another workstation opens them exclusively.
TEST_F(RegenerationTest, TheScreenReleasesTheTablesWhenItsRunEnds) {
  support::AddRows(support::Open(rig.session, "MASTGDG"), {{{"GUDANG", T("G1")}}});
  CloseAll();
  support::SessionRig other;
  other.session.SetSearchPath(data.path());
  std::vector<bool> opened;
  rig.con.set_idle([&](console::Console&) {
    xbase::WorkArea* area = nullptr;
    other.term.AddKeys({27});
    opened.push_back(frame::OpenTable(other.session, "SRTJLN2", true, {}, &area));
    EXPECT_TRUE(other.session.tables().CloseAll().ok());
  });
  rig.term.AddKeys(console::ScriptedTerminal::Typed("A1\rG1\r"));
  rig.term.AddKeys({console::key::kNone, console::key::kEsc});
  ASSERT_TRUE(PKM(rig.session, {}).ok());
  // The idle routine runs at every key the screen waits for: in the box before the run and after it.
  ASSERT_GE(opened.size(), 4u);
  EXPECT_EQ(std::count(opened.begin(), opened.end(), false), 0);
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Rows("STOKBRG", {"KODE", "GUDANG", "JUMLAH"})[0], "KODE=A1 GUDANG=G1 JUMLAH=140");
}

}  // namespace
}  // namespace stock
