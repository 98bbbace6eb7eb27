// Late-paid delivery notes: the figures of the request list and the outcome written at the branch.
#include <gtest/gtest.h>

#include <vector>

#include "console/keys.h"
#include "returns/late_payments.h"
#include "returns/returns_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "xbase/date_functions.h"

namespace returns {
namespace {

using namespace returns::testing;

class LatePaymentTest : public ReturnsTest {
 protected:
  void Request(const std::string& nota, const std::string& giro, xbase::Date date, const std::string& reason,
               bool approved) {
    AddRows(Open(rig.session, "KIRIMAPP"), {{{"FORM", T("PIUT+")}, {"NOMOR", T(nota)}, {"NO_GIRO", T(giro)},
                                             {"TG_GIRO", Value::FromDate(date)}, {"KET", T(reason)},
                                             {"APPROVAL", Value::Logical(approved)}}});
  }
  // The tables of the late-payment screens, as they stand open.
  frame::OpenedTables Tables() { return frame::OpenTables(rig.session, {"MASTCUS", "PIUTDBT", "KIRIMAPP"}); }
  void Invoice(const std::string& nota, double debet, const std::string& remark) {
    AddRows(Open(rig.session, "PIUTDBT"), {{{"NOTA", T(nota)}, {"TANGGAL", Value::FromDate(kDay - 40)},
                                            {"TEMPO", Value::FromDate(kDay - 10)}, {"RELASI", T("C0001")},
                                            {"DEBET", N(debet)}, {"CATATAN", T(remark)}}});
  }
};

TEST_F(LatePaymentTest, TheListCountsDaysAgainstTheCustomersTerms) {
  // Due 30 days after the invoice, the giro 10 days after that; terms 30 + 0 (TEMPO3 15 not counted).
  Invoice("INV1", 1250000, "");
  const std::string reason = std::string(50, 'A') + "SISANYA";
  Request("INV1", "BCA 0012345678901234", kDay, reason, true);
  std::vector<LateRequest> requests;
  const frame::OpenedTables tables = Tables();
  ASSERT_TRUE(LoadLateRequests(tables["KIRIMAPP"], &requests).ok());
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_TRUE(requests[0].approved);
  std::vector<std::string> lines;
  ASSERT_TRUE(LateRequestLines(tables, requests[0], 1, &lines).ok());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], " 1     INV1         " + xbase::Dtoc(kDay - 40) + " " + xbase::Dtoc(kDay - 10) +
                          "   30   1,250,000 BCA 00123456789 " + xbase::Dtoc(kDay) + "  -10   30   10 TOKO MAJU " +
                          std::string(16, ' ') + std::string(50, 'A'));
  EXPECT_EQ(lines[1], std::string(127, ' ') + "SISANYA" + std::string(43, ' '));
}

// The list prints the invoice's amount and days against the customer's terms: an invoice or customer
// that cannot be read is the error with no lines, never a request printed with 0 or no terms.
TEST_F(LatePaymentTest, AnInvoiceOrCustomerThatCannotBeReadGivesNoLines) {
  Invoice("INV1", 1250000, "");
  Request("INV1", "G1", kDay, "PROYEK", true);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  LateRequest request;
  request.nota = "INV1";
  request.giro_date = kDay;
  for (const char* table : {"MASTCUS", "PIUTDBT"}) {
    support::DamageIndexPages(folder.path(), table);
    const frame::OpenedTables tables = Tables();
    std::vector<std::string> lines = {"?"};
    const xbase::Status s = LateRequestLines(tables, request, 1, &lines);
    EXPECT_TRUE(s.IsCorruption()) << table << ": " << s.ToString();
    EXPECT_NE(s.message().find(table), std::string::npos) << s.message();
    EXPECT_TRUE(lines.empty()) << table;
    LateFigures figures;
    figures.amount = -1;
    EXPECT_FALSE(FiguresOf(tables, "INV1", &figures).ok()) << table;
    EXPECT_EQ(figures.amount, 0) << table;
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }
}

TEST_F(LatePaymentTest, TheOutcomeMarksApprovedInvoicesKeepsOtherRemarksAndLeavesUnknownInvoices) {
  Invoice("INV1", 1000, "");
  Invoice("INV2", 1000, "JANJI BAYAR");
  Request("INV1", "G1", kDay, "PROYEK", true);
  Request("INV2", "G2", kDay, "PROYEK", false);
  Request("INV9", "G9", kDay, "BUKAN CABANG INI", true);
  int done = 0;
  bool imported = false;
  {
    // Esc while another workstation holds the second request: no invoice marked, no request gone.
    support::OtherWorkstation other(folder.path());
    other.Hold("KIRIMAPP", 2);
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    ASSERT_TRUE(ImportApprovals(rig.session, Tables(), &done, &imported).ok());
    EXPECT_FALSE(imported);
    EXPECT_EQ(Message(), "Tidak ada yang tersimpan");
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(Field("PIUTDBT", "NOTA", "INV1", "CATATAN"), "");
    EXPECT_EQ(LiveRows("KIRIMAPP").size(), 3u);
  }
  ASSERT_TRUE(ImportApprovals(rig.session, Tables(), &done, &imported).ok());
  EXPECT_TRUE(imported);
  EXPECT_EQ(done, 2);
  EXPECT_EQ(Field("PIUTDBT", "NOTA", "INV1", "CATATAN"), "SUDAH APPROVAL");
  EXPECT_EQ(Field("PIUTDBT", "NOTA", "INV2", "CATATAN"), "JANJI BAYAR");
  ASSERT_EQ(LiveRows("KIRIMAPP").size(), 1u);
  EXPECT_EQ(Field("KIRIMAPP", "NOMOR", "INV9", "NO_GIRO"), "G9");
}

TEST_F(LatePaymentTest, StoringWritesEachApprovalOntoItsRequest) {
  Request("INV1", "G1", kDay, "", false);
  Request("INV2", "G2", kDay, "", true);
  std::vector<LateRequest> requests;
  xbase::WorkArea& late_requests = Tables()["KIRIMAPP"];
  ASSERT_TRUE(LoadLateRequests(late_requests, &requests).ok());
  requests[0].approved = true;
  requests[1].approved = false;
  bool stored = false;
  {
    // Esc while another workstation holds the second request: the first is not stored either.
    support::OtherWorkstation other(folder.path());
    other.Hold("KIRIMAPP", 2);
    rig.term.AddKeys({console::key::kEsc, ' ', ' '});
    ASSERT_TRUE(StoreApprovals(rig.session, late_requests, requests, &stored).ok());
    EXPECT_FALSE(stored);
    EXPECT_EQ(Message(), "Tidak ada yang tersimpan");
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_FALSE(Flag("KIRIMAPP", "NOMOR", "INV1", "APPROVAL"));
    EXPECT_TRUE(Flag("KIRIMAPP", "NOMOR", "INV2", "APPROVAL"));
  }
  ASSERT_TRUE(StoreApprovals(rig.session, late_requests, requests, &stored).ok());
  EXPECT_TRUE(stored);
  EXPECT_TRUE(Flag("KIRIMAPP", "NOMOR", "INV1", "APPROVAL"));
  EXPECT_FALSE(Flag("KIRIMAPP", "NOMOR", "INV2", "APPROVAL"));
}

}  // namespace
}  // namespace returns
