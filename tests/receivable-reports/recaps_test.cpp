// The receipts recap by type, the due-month recap with outlet groups and instruments, and the
// receivables against payments with their sub totals.
#include <gtest/gtest.h>

#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_rows_helpers.h"
#include "support/scripted_session.h"

namespace receivable_reports {
namespace {

using support::N;
using support::T;
using testing::Day;
using Figures = std::vector<double>;

class RecapsTest : public ::testing::Test {
 protected:
  RecapsTest() {
    rig.session.SetSearchPath(data.path());
    rows.Customer("C1", "TOKO SATU");
    rows.Customer("C2", "TOKO DUA");
    rows.Customer("C3", "TOKO TIGA");
    for (const char* table : {"PIUTKR1", "PIUTKR2", "PIUTJBL"}) support::Open(rig.session, table);
  }

  support::TempDataFolder data = testing::ReportsFolder();
  support::SessionRig rig;
  testing::Rows rows{rig.session};
};

TEST_F(RecapsTest, ReceiptsByTypeSplitCashFromCreditAndKeepUncollectedSales) {
  support::AddRows(support::Open(rig.session, "TIPE"),
                   {{{"TIPE", T("01")}, {"NM_TIPE", T("RETAIL")}}, {{"TIPE", T("02")}, {"NM_TIPE", T("GROSIR")}}});
  rows.Invoice("A", "C1", Day(12, 3), 1000, true, "01");
  rows.Invoice("B", "C1", Day(10, 15), 2000, true, "02", Day(1, 20, 2027));
  rows.Invoice("C", "C1", Day(11, 1), 800, true, "02", Day(11, 30));
  rows.Invoice("D", "C1", Day(12, 5), 600, true, "07");
  rows.Receipt("0000000001", Day(12, 10),
               {{"A", "CS", "", 400}, {"A", "BS", "G1", 100}, {"B", "BS", "G2", 500}, {"C", "RT", "", 300},
                {"C", "DB", "", 50}});
  rows.Journal("A", "JB001", Day(12, 20), "CS", "", 0, 100);
  std::vector<RecapRow> recap;
  const ListLimits limits{"", "", Day(12, 1), Day(12, 31), 60};
  ASSERT_TRUE(ReceiptRecap(rig.session, limits, false, &recap).ok());
  ASSERT_EQ(recap.size(), 3u);
  EXPECT_EQ(recap[0].label, "01   RETAIL              ");
  // A was paid in its own month; B came before the period, falls due after it and was paid in its
  // first month; C is credit.
  EXPECT_EQ(recap[0].figures, (Figures{0, 0, 0, 0, 0, 500, 100, 400, 0, 0, 1000, 400}));
  EXPECT_EQ(recap[1].figures, (Figures{350, 0, 0, 300, 50, 500, 500, 0, 0, 0, 0, 0}));
  EXPECT_EQ(recap[2].label, "99   Tipe Lain-Lain");
  EXPECT_EQ(recap[2].figures, (Figures{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 600, 600}));
  const std::vector<std::string> body = ReceiptRecapText(limits, false, recap).Body();
  ASSERT_EQ(body.size(), 9u);
  EXPECT_EQ(body[5].substr(0, 13), "Keterangan : ");
}

TEST_F(RecapsTest, DueMonthsInThousandsWithOutletGroupsAndInstruments) {
  support::AddRows(support::Open(rig.session, "OTL_GRP"), {{{"KODE", T("G1")}, {"NAMA", T("GRUP SATU")}}});
  support::AddRows(support::Open(rig.session, "OTL_MBR"),
                   {{{"KODE", T("G1")}, {"MEMBER", T("C2")}}, {{"KODE", T("G1")}, {"MEMBER", T("C3")}}});
  rows.Invoice("N1", "C1", Day(11, 1), 5000, true, "01", Day(12, 15));
  rows.Invoice("N2", "C2", Day(10, 1, 2025), 3000, true, "01", Day(11, 1, 2025));
  rows.Invoice("N3", "C3", Day(12, 1), 2500, true, "B1", Day(1, 15, 2027));
  rows.Invoice("N4", "C3", Day(12, 2), 900, true, "01", Day(5, 1, 2027));
  rows.Receipt("0000000001", Day(12, 20), {{"N1", "CS", "", 1000}});
  rows.Instrument("G1", "GIRO", "C1", 1500, Day(12, 1), Day(1, 5, 2027));
  support::AddRows(support::Open(rig.session, "GIROKR2"),
                   {{{"NOMOR", T("K1")}, {"NO_BUKTI", T("G1")}, {"KREDIT", N(500)}}});
  DueMonthLimits limits{"", "", "", "", Day(12, 31), Day(3, 31, 2027), Day(12, 31), true, 60};
  std::vector<RecapRow> recap;
  ASSERT_TRUE(DueMonthRecap(rig.session, limits, false, &recap).ok());
  ASSERT_EQ(recap.size(), 2u);
  Figures customer(19), group(19);
  customer[13] = 4;  // December
  customer[16] = 4;
  customer[18] = 1;  // the giro less its use
  group[0] = 2.5;    // doubtful
  group[1] = 3;      // due last year
  group[16] = 5.5;
  group[17] = 5.5;   // nothing received yet
  EXPECT_EQ(recap[0].label, "C1         TOKO SATU                ");
  EXPECT_EQ(recap[0].figures, customer);
  EXPECT_EQ(recap[1].label, "G1         GRUP SATU                ");
  EXPECT_EQ(recap[1].figures, group);
  limits.instruments = false;
  ASSERT_TRUE(DueMonthRecap(rig.session, limits, false, &recap).ok());
  EXPECT_EQ(recap[0].figures[18], 0);
}

TEST_F(RecapsTest, DueMonthsPerSalesmanCountOnlyDueUpToTheSalesYear) {
  support::AddRows(support::Open(rig.session, "MASTSLS"), {{{"SALES", T("S001")}, {"NAMA", T("BUDI SANTOSO WIJAYA")}}});
  rows.Invoice("N1", "C1", Day(11, 1), 5000, true, "01", Day(12, 15));
  rows.Invoice("N2", "C1", Day(12, 1), 2000, true, "01", Day(1, 15, 2027));
  rows.Invoice("N3", "C2", Day(12, 1), 3000, true, "01", Day(12, 20), "", "S009");
  DueMonthLimits limits{"", "", "", "", Day(12, 31), Day(3, 31, 2027), Day(12, 31), false, 60};
  std::vector<RecapRow> recap;
  ASSERT_TRUE(DueMonthRecap(rig.session, limits, true, &recap).ok());
  ASSERT_EQ(recap.size(), 2u);
  EXPECT_EQ(recap[0].label, "S001       BUDI SANTOSO WI          ");
  EXPECT_EQ(recap[0].figures.size(), 18u);
  EXPECT_EQ(recap[0].figures[16], 5);
  EXPECT_EQ(recap[1].label, "S009       belum terdaftar          ");
  EXPECT_EQ(DueMonthRecapText(limits, true, recap).Body().back().substr(0, 15), "* J U M L A H *");
}

TEST_F(RecapsTest, ReceivablesAgainstPaymentsByClassWithSubTotals) {
  rows.Invoice("N1", "C1", Day(12, 2), 1000);
  rows.Invoice("N2", "C1", Day(12, 3), 0);
  rows.Invoice("N3", "C2", Day(12, 4), 400, true, "02");
  rows.Invoice("N4", "C2", Day(11, 4), 400);
  rows.Receipt("0000000001", Day(12, 10),
               {{"N1", "BS", "G1", 300}, {"N1", "DB", "", 100}, {"N1", "RT", "", 50}, {"N1", "FS", "", 20}});
  rows.Receipt("0000000002", Day(1, 10, 2027), {{"N3", "CS", "", 400}});
  rows.Journal("N1", "JB001", Day(12, 12), "BS", "G1", 0, 30);
  InvoicePaymentLimits limits{"", "", "", "", "", Day(12, 1), Day(12, 31), Day(12, 31), 60};
  std::vector<InvoicePayment> invoices;
  ASSERT_TRUE(InvoicePayments(rig.session, limits, &invoices).ok());
  ASSERT_EQ(invoices.size(), 2u);
  EXPECT_EQ(invoices[0].nota, "N1");
  EXPECT_EQ((Figures{invoices[0].payment, invoices[0].deduction, invoices[0].ret, invoices[0].balance}),
            (Figures{330, 100, 50, 500}));
  EXPECT_EQ(invoices[1].balance, 400);
  const std::vector<std::string> detail = InvoicePaymentsText(limits, invoices, false).Body();
  ASSERT_EQ(detail.size(), 6u);
  EXPECT_EQ(detail[1].substr(0, 29), "** Sub Total ** C1 TOKO SATU ");
  const std::vector<std::string> recap = InvoicePaymentsText(limits, invoices, true).Body();
  ASSERT_EQ(recap.size(), 4u);
  EXPECT_EQ(recap[0].substr(44, 20), "C1         TOKO SATU");
  EXPECT_EQ(recap[3].substr(123), "          1,400.00            330.00            100.00             50.00"
                                  "            900.00");
  limits.type = "02";
  ASSERT_TRUE(InvoicePayments(rig.session, limits, &invoices).ok());
  ASSERT_EQ(invoices.size(), 1u);
  EXPECT_EQ(invoices[0].nota, "N3");
}

}  // namespace
}  // namespace receivable_reports
