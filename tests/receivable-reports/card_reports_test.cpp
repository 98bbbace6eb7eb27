// The customer card, the balances per customer and per invoice, and the instrument balance and card,
// line by line over a small folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/workstation_settings.h"
#include "platform/xlsx_reader.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/report_rows_helpers.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/ini_file.h"

namespace receivable_reports {
namespace {

using testing::Day;

class CardReportsTest : public ::testing::Test {
 protected:
  CardReportsTest() {
    rig.session.SetSearchPath(data.path());
    rows.Customer("C1", "TOKO SATU");
    rows.Customer("C2", "TOKO DUA");
    rows.Customer("C3", "TOKO TIGA");
    rows.Invoice("N1", "C1", Day(11, 20), 1000);
    rows.Invoice("N2", "C1", Day(12, 5), 500, true, "01", {}, "KIRIM SIANG SEKALI DENGAN TRUK");
    rows.Invoice("N3", "C1", Day(12, 5), 700, false);
    rows.Invoice("N4", "C2", Day(12, 2), 300, false);
    rows.Receipt("0000000001", Day(11, 25), {{"N1", "BS", "G1", 300}});
    rows.Receipt("0000000002", Day(12, 5), {{"N1", "CS", "", 200}, {"N3", "CS", "", 100}});
    rows.Journal("N1", "JB001", Day(12, 5), "BS", "G1", 50, 0);
    rows.Journal("N1", "JB000", Day(11, 28), "BS", "G1", 0, 20);
  }

  PeriodLimits December(const std::string& customer) { return {customer, Day(12, 1), Day(12, 31)}; }

  support::TempDataFolder data = testing::ReportsFolder();
  support::SessionRig rig;
  testing::Rows rows{rig.session};
};

using Lines = std::vector<std::string>;

TEST_F(CardReportsTest, CustomerCardListsEachDayOpeningInvoicesJournalReceiptsWithARunningBalance) {
  ReportText report = CustomerCardText(December("C1"));
  ASSERT_TRUE(BuildCustomerCard(rig.session, December("C1"), &report).ok());
  // The unapproved N3 and its receipt line count nowhere; N1's receipt and journal of November open.
  EXPECT_EQ(report.Body(),
            (Lines{"[Customer : C1 TOKO SATU]",
                   "30-11-2026 SALDO AWAL                                                                 680.00   "
                   "            0.00             680.00",
                   "05-12-2026 N2                   JKT001 01            KIRIM SIANG SEKALI D             500.00   "
                   "            0.00           1,180.00",
                   "05-12-2026 N1                   JKT001 JB001      BS G1                                50.00   "
                   "            0.00           1,230.00",
                   "05-12-2026 N1                   JKT001 0000000002 CS                                    0.00   "
                   "          200.00           1,030.00",
                   std::string(130, '-'),
                   "                                                                                    1,230.00   "
                   "          200.00           1,030.00"}));
  const auto& page = report.pages().at(0);
  EXPECT_EQ(page[0], (TaggedLine{"KARTU PIUTANG Periode : 01-12-2026 s/d 31-12-2026", "CH"}));
  EXPECT_EQ(page[4].tag, "Cg");
  EXPECT_EQ(page.back().tag, "Cy");
  EXPECT_EQ(report.width(), 130);
}

TEST_F(CardReportsTest, CustomerCardOfOnlyUnapprovedOrNoReceivablesPrintsNothing) {
  for (const char* customer : {"C2", "C3", "C9"}) {
    ReportText report = CustomerCardText(December(customer));
    ASSERT_TRUE(BuildCustomerCard(rig.session, December(customer), &report).ok());
    EXPECT_TRUE(report.empty()) << customer;
  }
}

TEST_F(CardReportsTest, BalancesPerCustomerKeepACustomerWhoPaidAhead) {
  rows.Customer("C4", "TOKO EMPAT");
  rows.Invoice("N5", "C4", Day(1, 5, 2027), 400);
  rows.Receipt("0000000003", Day(12, 10), {{"N5", "CS", "", 400}});
  ReportText report = CustomerBalancesText(December(""));
  ASSERT_TRUE(BuildCustomerBalances(rig.session, December(""), &report).ok());
  // C3 has nothing; C4's four figures sum to 0 yet it received 400.
  EXPECT_EQ(report.Body(),
            (Lines{"C1         TOKO SATU                                 680.00          1,250.00            300.00  "
                   "        1,630.00",
                   "C2         TOKO DUA                                    0.00            300.00              0.00  "
                   "          300.00",
                   "C4         TOKO EMPAT                                  0.00              0.00            400.00  "
                   "         -400.00",
                   std::string(113, '-'),
                   "** JUMLAH **                                         680.00          1,550.00            700.00  "
                   "        1,530.00"}));
}

TEST_F(CardReportsTest, BalancePerInvoiceLeavesOutSettledInvoicesAndSumsOnlyThePrinted) {
  rows.Invoice("N6", "C1", Day(12, 1), 800);
  rows.Invoice("N7", "C3", Day(12, 2), 100);
  rows.Receipt("0000000005", Day(12, 10),
               {{"N6", "RT", "", 300}, {"N6", "DB", "", 500}, {"N2", "RT", "", 100}, {"N7", "XX", "", 40}});
  rows.Receipt("0000000006", Day(1, 2, 2027), {{"N2", "CS", "", 400}});
  std::vector<InvoiceBalance> balances;
  const PeriodLimits limits{"", {}, Day(12, 31)};
  ASSERT_TRUE(InvoiceBalances(rig.session, limits, &balances).ok());
  EXPECT_EQ(InvoiceBalancesText(limits, balances, 60).Body(),
            (Lines{"N1                   20-11-2026 20-11-2026 C1         TOKO SATU                      01 S001        "
                   "  1,000.00            470.00              0.00            530.00",
                   "N2                   05-12-2026 05-12-2026 C1         TOKO SATU                      01 S001        "
                   "    500.00              0.00            100.00            400.00",
                   "N3                   05-12-2026 05-12-2026 C1         TOKO SATU                      01 S001        "
                   "    700.00            100.00              0.00            600.00",
                   "Jumlah C1 TOKO SATU                                                                                 "
                   "  2,200.00            570.00            100.00          1,530.00",
                   "N4                   02-12-2026 02-12-2026 C2         TOKO DUA                       01 S001        "
                   "    300.00              0.00              0.00            300.00",
                   "N7                   02-12-2026 02-12-2026 C3         TOKO TIGA                      01 S001        "
                   "    100.00              0.00              0.00             60.00",
                   std::string(164, '-'),
                   "** T O T A L **                                                                                     "
                   "  2,600.00            570.00            100.00          1,890.00"}));
}

TEST_F(CardReportsTest, BalancePerInvoiceWorkbookHasTheHeadsSumsAndTotal) {
  support::TempFolder home;
  platform::WorkstationSettings settings;
  ASSERT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
  rig.session.services().Configure(std::move(settings));
  std::vector<InvoiceBalance> balances;
  const PeriodLimits limits{"C1", {}, Day(12, 31)};
  ASSERT_TRUE(InvoiceBalances(rig.session, limits, &balances).ok());
  InvoiceBalancesBook(rig.session, limits, balances);
  std::vector<std::string> books;
  for (const auto& entry : std::filesystem::directory_iterator(home.File("reports"))) books.push_back(entry.path());
  ASSERT_EQ(books.size(), 1u);
  platform::XlsxReader reader;
  platform::SheetData sheet;
  ASSERT_TRUE(reader.Open(books[0]).ok());
  ASSERT_TRUE(reader.ReadSheet(0, &sheet).ok());
  const auto text = [&](int row, int column) {
    const platform::SheetCell* cell = sheet.Find(row, column);
    return cell == nullptr ? std::string("-") : cell->text;
  };
  const auto number = [&](int row, int column) {
    const platform::SheetCell* cell = sheet.Find(row, column);
    return cell == nullptr ? -1.0 : cell->number;
  };
  EXPECT_EQ(text(1, 1), "SALDO PIUTANG PER : 31-12-2026");
  EXPECT_EQ(text(2, 1), "CUSTOMER : C1");
  std::string heads;
  for (int column = 1; column <= 11; ++column) heads += text(4, column) + "|";
  EXPECT_EQ(heads, "FAKTUR|TG. FAKTUR|TG. TEMPO|CUSTOMER|NAMA|TIPE|SALES|DEBET|BAYAR|RETUR|SALDO|");
  EXPECT_EQ(text(5, 1), "N1");
  EXPECT_EQ(text(8, 5), "Jumlah TOKO SATU");
  EXPECT_EQ((std::vector<double>{number(8, 8), number(8, 9), number(8, 11)}), (std::vector<double>{2200, 570, 1630}));
  EXPECT_EQ(text(9, 5), "TOTAL");
  EXPECT_EQ(number(9, 11), 1630);
}

class InstrumentReportsTest : public CardReportsTest {
 protected:
  InstrumentReportsTest() {
    rows.Instrument("G1", "GIRO", "C1", 1000, Day(11, 20), Day(12, 1));
    rows.Instrument("G2", "GIRO", "C2", 500, Day(11, 21), Day(12, 2));
    rows.Instrument("G3", "GIRO", "C1", 900, Day(11, 22), Day(1, 10, 2027));
    rows.Instrument("G4", "GIRO", "C1", 800, Day(11, 23), Day(12, 3), false);
    rows.Instrument("G5", "TRSO", "C1", 700, Day(11, 24), Day(12, 4));
    rows.Instrument("G6", "GIRO", "C1", 200, Day(11, 25), Day(12, 5), true, "BDG001");
    rows.Receipt("0000000007", Day(12, 6), {{"N4", "BS", "G2", 500}});
    support::AddRows(support::Open(rig.session, "GIROKDT"),
                     {{{"NOMOR", support::T("G1")}, {"KDCB", support::T("JKT001")},
                       {"TANGGAL", xbase::Value::FromDate(Day(12, 3))}, {"RELASI", support::T("C1")},
                       {"NOTES", support::T("PAKAI")}, {"KREDIT", support::N(100)}}});
  }
};

TEST_F(InstrumentReportsTest, BalanceLeavesOutUsedUpLateUnusableOtherKindsAndOtherBranches) {
  std::vector<InstrumentRow> balances;
  ASSERT_TRUE(InstrumentBalances(rig.session, "JKT", Day(12, 31), "GIRO", &balances).ok());
  EXPECT_EQ(InstrumentBalancesText(Day(12, 31), "GIRO", balances).Body(),
            (Lines{"G1                   20-11-2026 01-12-2026 GIRO JKT001 BANK G1                         630.00 "
                   "C1         TOKO SATU                     ",
                   std::string(135, '-'),
                   "** TOTAL **                                                                            630.00"}));
  ASSERT_TRUE(InstrumentBalances(rig.session, "", Day(12, 31), "GIRO", &balances).ok());
  ASSERT_EQ(balances.size(), 2u);
  EXPECT_EQ(balances[1].nomor, "G6");
}

TEST_F(InstrumentReportsTest, CardOrdersTheInstrumentItsUsesReceiptsAndJournalByDate) {
  ReportText report = InstrumentCardText("G1", 60);
  ASSERT_TRUE(BuildInstrumentCard(rig.session, "G1", &report).ok());
  EXPECT_EQ(report.Body(),
            (Lines{"N1                                                   25-11-2026 0000000001              0.00     "
                   "       300.00           -300.00",
                   "N1                   JURNAL JB000                    28-11-2026 JB000                   0.00     "
                   "        20.00           -320.00",
                   "G1                   C1 BANK G1                      01-12-2026                     1,000.00     "
                   "         0.00            680.00",
                   "G1                   C1 PAKAI                        03-12-2026 JKT001                  0.00     "
                   "       100.00            580.00",
                   "N1                   JURNAL JB001                    05-12-2026 JB001                  50.00     "
                   "         0.00            630.00",
                   std::string(128, '-'),
                   "                                                                                    1,050.00     "
                   "       420.00"}));
  ReportText none = InstrumentCardText("G9", 60);
  ASSERT_TRUE(BuildInstrumentCard(rig.session, "G9", &none).ok());
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace receivable_reports
