// The payment list, the giro lists, sales against receivables, the recaps per customer and the age
// KPI over a small folder.
#include <gtest/gtest.h>

#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_rows_helpers.h"
#include "support/scripted_session.h"

namespace receivable_reports {
namespace {

using support::N;
using support::T;
using testing::Day;
using Lines = std::vector<std::string>;
using Figures = std::vector<double>;

// Six amount columns of 0.00.
std::string Zeros() {
  std::string text;
  for (int i = 0; i < 6; ++i) text += std::string(14, ' ') + "0.00";
  return text;
}

class ListReportsTest : public ::testing::Test {
 protected:
  ListReportsTest() {
    rig.session.SetSearchPath(data.path());
    rows.Customer("C1", "TOKO SATU");
    rows.Code("DB", "4");
    rows.Code("DM", "5");
  }

  ListLimits December() { return {"", "", Day(12, 1), Day(12, 31), 60}; }

  support::TempDataFolder data = testing::ReportsFolder();
  support::SessionRig rig;
  testing::Rows rows{rig.session};
};

TEST_F(ListReportsTest, PaymentListPutsEachClassInItsColumnAndOtherCodesInNone) {
  rows.Invoice("N1", "C1", Day(11, 20), 5000);
  rows.Invoice("N2", "C1", Day(11, 21), 5000);
  rows.Receipt("0000000001", Day(12, 5),
               {{"N1", "BS", "G1", 100}, {"N1", "CS", "", 200}, {"N1", "RT", "", 300}, {"N1", "DB", "", 40},
                {"N1", "DM", "", 50}, {"N1", "FS", "", 60}, {"N1", "XX", "", 70}});
  rows.Receipt("0000000002", Day(12, 6), {{"N2", "CS", "", 10}});
  rows.Receipt("0000000003", Day(11, 30), {{"N2", "CS", "", 20}});
  std::vector<PaymentRow> payments;
  ASSERT_TRUE(PaymentRows(rig.session, December(), &payments).ok());
  std::vector<int> columns;
  for (const PaymentRow& row : payments) columns.push_back(row.column);
  EXPECT_EQ(columns, (std::vector<int>{kGiro, kTunai, kRetur, kDisc, kBiaya, kFsFb, kPaymentColumns, kTunai}));
  EXPECT_EQ(payments[0].name, "TOKO SATU");
  const Lines body = PaymentListText(December(), payments).Body();
  ASSERT_EQ(body.size(), 11u);
  EXPECT_EQ(body[6].substr(0, 24), "    7 05-12-2026 0000000");
  EXPECT_EQ(body[6].substr(113), Zeros());
  EXPECT_EQ(body[7],
            "JUMLAH :                                                                                            "
            "                         100.00            200.00            300.00             40.00             50"
            ".00             60.00");
  EXPECT_EQ(body[10],
            "** T O T A L **                                                                                     "
            "                         100.00            210.00            300.00             40.00             50"
            ".00             60.00");
}

TEST_F(ListReportsTest, GiroListsCleardAndNotClearedOnlyGiros) {
  rows.Instrument("G1", "GIRO", "C1", 1000, Day(12, 1), Day(12, 5));
  rows.Instrument("G2", "GIRO", "C1", 500, Day(12, 1), Day(12, 6));
  rows.Instrument("G3", "TRSO", "C1", 700, Day(12, 1), Day(12, 7));
  rows.Instrument("G4", "GIRO", "C1", 900, Day(12, 1), Day(1, 7, 2027));
  support::AddRows(support::Open(rig.session, "GIROCAIR"),
                   {{{"NOMOR", T("G2")}, {"TANGGAL", xbase::Value::FromDate(Day(12, 10))}, {"NOTES", T("CAIR BCA")}}});
  ReportText uncleared = UnclearedListText(December());
  ASSERT_TRUE(BuildUnclearedList(rig.session, December(), &uncleared).ok());
  const Lines open = uncleared.Body();
  ASSERT_EQ(open.size(), 3u);
  EXPECT_EQ(open[0],
            "  1  G1                   01-12-2026 05-12-2026 BANK G1                       1,000.00 C1         TO"
            "KO SATU                     ");
  EXPECT_EQ(open[2].substr(0, 7), "TOTAL :");
  ReportText cleared = ClearedListText(December());
  ASSERT_TRUE(BuildClearedList(rig.session, December(), &cleared).ok());
  ASSERT_EQ(cleared.Body().size(), 3u);
  EXPECT_EQ(cleared.Body()[0],
            "  1  G2                   01-12-2026 06-12-2026 10-12-2026 CAIR BCA                        500.00 C1"
            "         TOKO SATU                     ");
  EXPECT_EQ(cleared.pages()[0][0].text, "DAFTAR GIRO CAIR,  Periode : 01-12-2026 s/d 31-12-2026");
}

TEST_F(ListReportsTest, SalesAgainstReceivablesLeavesOutNotesThatMatchToTheRupiah) {
  const auto note = [&](const char* invoice, double d1, std::vector<std::pair<double, double>> lines) {
    support::AddRows(support::Open(rig.session, "SRTJLN1"),
                     {{{"INVOICE", T(invoice)}, {"TANGGAL", xbase::Value::FromDate(Day(12, 3))}, {"RELASI", T("C1")},
                       {"DISCOUNT", N(d1)}}});
    for (const auto& [quantity, price] : lines) {
      support::AddRows(support::Open(rig.session, "SRTJLN2"), {{{"INVOICE", T(invoice)}, {"QUANTITY", N(quantity)},
                                                                {"HARGA", N(price)}, {"DISCOUNT", N(10)}}});
    }
  };
  note("N1", 5, {{1, 1000}, {1, 1000}});  // 2000 less 10 % less 5 % = 1710
  note("N2", 0, {{2, 250}, {1, 100}});  // 450 + 90
  note("N3", 0, {{3, 100}});            // 270, no receivable
  rows.Invoice("N1", "C1", Day(12, 3), 1710.4);
  rows.Invoice("N2", "C1", Day(12, 3), 450);
  ReportText report = SalesAgainstReceivablesText(December());
  ASSERT_TRUE(BuildSalesAgainstReceivables(rig.session, December(), &report).ok());
  const Lines body = report.Body();
  ASSERT_EQ(body.size(), 4u);
  EXPECT_EQ(body[0].substr(0, 27), "    1 N2                   ");
  EXPECT_EQ(body[1].substr(0, 27), "    2 N3                   ");
  EXPECT_EQ(body[3],
            "JUMLAH                                                                                              "
            "                           810.00            450.00");
}

class CustomerRecapsTest : public ListReportsTest {
 protected:
  CustomerRecapsTest() {
    rows.Code("BS", "");
    rows.Code("CS", "");
    rows.Invoice("N1", "C1", Day(11, 20), 1000);
    rows.Invoice("N2", "C1", Day(12, 5), 500, true, "BD");
    rows.Receipt("0000000001", Day(11, 25), {{"N1", "BS", "G1", 300}});
    rows.Receipt("0000000002", Day(12, 5), {{"N1", "CS", "", 200}});
    rows.Journal("N1", "JB000", Day(11, 28), "BS", "G1", 0, 20);
    rows.Journal("N1", "JB001", Day(12, 5), "BS", "G1", 50, 0);
  }
};

TEST_F(CustomerRecapsTest, MovementRecapWithBadDebt) {
  std::vector<RecapRow> recap;
  ASSERT_TRUE(MovementRecap(rig.session, December(), &recap).ok());
  ASSERT_EQ(recap.size(), 1u);
  EXPECT_EQ(recap[0].label, "C1         TOKO SATU                      BOGOR          ");
  EXPECT_EQ(recap[0].figures, (Figures{680, 500, 50, 200, 1030, 500}));
  const Lines body = MovementRecapText(December(), recap).Body();
  EXPECT_EQ(body.back(),
            "       JUMLAH :                                                       680             500           "
            "   50             200           1,030             500");
}

TEST_F(CustomerRecapsTest, DeductionRecapPutsTheJournalAgainstItsColumn) {
  std::vector<RecapRow> recap;
  ASSERT_TRUE(DeductionRecap(rig.session, December(), &recap).ok());
  ASSERT_EQ(recap.size(), 1u);
  EXPECT_EQ(recap[0].figures, (Figures{680, 500, -50, 200, 0, 0, 0, 0, 0, 1030}));
}

TEST_F(CustomerRecapsTest, DueRecapByKindAndDueDate) {
  rows.Invoice("N3", "C1", Day(12, 1), 700, true, "01", Day(1, 30, 2027));
  rows.Invoice("N8", "C1", Day(12, 2), 100, true, "J1");
  rows.Invoice("N9", "C1", Day(6, 1, 2025), 250, true, "01", Day(8, 1, 2025));
  std::vector<RecapRow> recap;
  ASSERT_TRUE(DueRecap(rig.session, {"", Day(12, 31), Day(12, 31), Day(12, 31)}, &recap).ok());
  ASSERT_EQ(recap.size(), 1u);
  EXPECT_EQ(recap[0].figures, (Figures{100, 500, 0, 0, 250, 530, 0, 700, 1230, 2080}));
  // Receipts after the payments date stay open.
  ASSERT_TRUE(DueRecap(rig.session, {"", Day(12, 31), Day(12, 31), Day(11, 30)}, &recap).ok());
  EXPECT_EQ(recap[0].figures[5], 730);
}

TEST_F(CustomerRecapsTest, AgeOfPaymentsWeightedByTheAmountLeavingOutExcludedSalesmen) {
  rows.Invoice("N4", "C1", Day(11, 30), 900, true, "01", {}, "", "S002");
  rows.Receipt("0000000003", Day(12, 10), {{"N1", "BS", "G1", 300}, {"N1", "CS", "", 100}, {"N1", "DB", "", 50},
                                           {"N4", "CS", "", 900}});
  rows.Journal("N1", "JB002", Day(12, 15), "BS", "G1", 0, 40);
  std::vector<AgeLine> lines;
  ASSERT_TRUE(AgeLines(rig.session, {"", "", "", "S002 S003", Day(12, 6), Day(12, 31)}, &lines).ok());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].age, 20);
  EXPECT_EQ(lines[0].weighted, 6000);
  EXPECT_EQ(lines[1].weighted, 2000);
  EXPECT_EQ(lines[2].paid_date, Day(12, 15));
  EXPECT_EQ(lines[2].weighted, 1000);
}

}  // namespace
}  // namespace receivable_reports
