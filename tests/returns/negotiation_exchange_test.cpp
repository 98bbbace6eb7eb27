// A negotiation minute carried from a branch to head office and its approval back, twice; and an
// import that stops before anything is merged.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "console/keys.h"
#include "documents/transfer_folder.h"
#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "returns/negotiation_exchange.h"
#include "returns/negotiation_helpers.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

using namespace returns::testing;
using Rows = std::vector<std::string>;
using Snapshot = std::map<std::string, Rows>;

class NegotiationExchangeTest : public ::testing::Test {
 protected:
  NegotiationExchangeTest() {
    Minute minute = TwoProductMinute(5);
    EXPECT_TRUE(SaveMinute(branch.rig.session, branch.tables, &minute).ok());
  }

  void Send(const std::vector<std::string>& numbers) {
    branch.Reopen();
    ASSERT_TRUE(CreateMinuteFiles(transfer.path()).ok());
    const TransferAreas files = OpenMinuteFiles(branch.rig.session, transfer.path());
    ASSERT_FALSE(files.empty());
    for (const std::string& number : numbers) {
      ASSERT_TRUE(SendMinute(branch.rig.session, branch.tables, files, number).ok()) << branch.Message();
    }
    CloseTransferFiles(branch.rig.session, false);
  }

  // Head office takes the minutes in, approves 0000000042 (its stored approval when there is one)
  // and sends the confirmation back.
  void ApproveAtHeadOffice() {
    head.Reopen();
    int merged = 0;
    ASSERT_TRUE(ImportMinutes(head.rig.session, head.tables, transfer.path(), &merged).ok()) << head.Message();
    EXPECT_EQ(merged, 1);
    MinuteApproval approval;
    bool stored = false;
    ASSERT_TRUE(LoadApproval(head.tables, "0000000042", &approval, &stored).ok());
    if (!stored) {
      Minute minute;
      bool found = false;
      ASSERT_TRUE(LoadMinute(head.tables, "0000000042", &minute, &found).ok() && found);
      approval = PrefillApproval(minute, xbase::Date::FromYmd(2026, 12, 9));
      approval.goods[0].code = xbase::PadR("BRG01", 10);
      approval.goods[1].code = xbase::PadR("NEW01", 10);
      approval.goods[1].jos = xbase::PadR("J2", 10);
    }
    ASSERT_TRUE(SaveApproval(head.rig.session, head.tables, approval).ok()) << head.Message();
    ASSERT_TRUE(CreateConfirmationFiles(transfer.path()).ok());
    const TransferAreas files = OpenConfirmationFiles(head.rig.session, transfer.path());
    ASSERT_FALSE(files.empty());
    ASSERT_TRUE(SendConfirmation(head.rig.session, head.tables, files, "0000000042").ok());
    CloseTransferFiles(head.rig.session, true);
  }

  void ApplyAtBranch() {
    branch.Reopen();
    const TransferAreas files = OpenConfirmationFiles(branch.rig.session, transfer.path());
    ASSERT_FALSE(files.empty());
    int applied = 0;
    ASSERT_TRUE(ApplyConfirmations(branch.rig.session, branch.tables, files, &applied).ok()) << branch.Message();
    EXPECT_EQ(applied, 1);
    CloseTransferFiles(branch.rig.session, true);
  }

  Snapshot Take(NegotiationSite& site) {
    site.Reopen();
    Snapshot tables;
    for (const std::string& table : NegotiationTables()) tables[table] = site.Contents(table);
    return tables;
  }

  NegotiationSite branch;
  NegotiationSite head;
  support::TempFolder transfer;
};

TEST_F(NegotiationExchangeTest, TheMinuteGoesToHeadOfficeAndItsApprovalComesBackTwiceChangingNothingTheSecondTime) {
  Send({"0000000042"});
  ApproveAtHeadOffice();
  ApplyAtBranch();
  const Snapshot at_branch = Take(branch);
  const Snapshot at_head = Take(head);
  // Both sites hold the same approved minute, approval and goods.
  for (const char* table : {"BAC_N1", "BAC_N2", "BAC_N21", "BAC_N22", "BAC_N3", "BAC_N6", "BAC_NAP", "BAC_NPP"}) {
    EXPECT_EQ(at_branch.at(table), at_head.at(table)) << table;
  }
  EXPECT_NE(at_branch.at("BAC_N1")[0].find("|T|PEC1|"), std::string::npos);
  EXPECT_EQ(at_branch.at("BAC_NAP"), Rows{"0000000042|20261209|T|"});
  EXPECT_EQ(at_branch.at("BAC_NPP"),
            (Rows{"0000000042||BRG01||01|PANEL LISTRIK|PANEL LISTRIK|UNIT|5000000|5000000|5000000|5000000|0|0|2",
                  "0000000042|J2|NEW01||02|KABEL NYY|KABEL NYY|ROL|1000000|1000000|1000000|1000000|0|0|3"}));
  EXPECT_EQ(at_branch.at("MASTBRJ"), at_head.at("MASTBRJ"));
  EXPECT_EQ(at_branch.at("MASTBRJ")[1],
            "NEW01|||KABEL NYY|KABEL NYY|ROL|0|1000000|1000000|1000000|0|0|0|0|1000000|1000000|1000000|20261208|ADMIN01|0|0|0|0|0");

  Send({"0000000042"});
  ApproveAtHeadOffice();
  ApplyAtBranch();
  EXPECT_EQ(Take(branch), at_branch);
  EXPECT_EQ(Take(head), at_head);
}

TEST_F(NegotiationExchangeTest, AnImportThatCannotReadARowNamesItAndMergesNothing) {
  Minute second = TwoProductMinute(5);
  ASSERT_TRUE(SaveMinute(branch.rig.session, branch.tables, &second).ok());
  Send({"0000000042", "0000000043"});
  xbase::WorkArea* details = nullptr;
  ASSERT_TRUE(documents::OpenTransferTable(branch.rig.session, transfer.path(), "ebac21", false, false, &details));
  support::AddRows(*details, {{{"NOMOR", support::T("0000000043")}, {"URUTAN", support::T("  5")}, {"SPECS", support::T("X")}}});
  branch.rig.session.CloseTables();
  head.Reopen();
  int merged = 0;
  const xbase::Status s = ImportMinutes(head.rig.session, head.tables, transfer.path(), &merged);
  EXPECT_EQ(s.message(), "ebac21 baris 7: tidak ada produk urutan 5");
  EXPECT_EQ(merged, 0);
  head.Reopen();
  EXPECT_TRUE(head.Contents("BAC_N1").empty());
  EXPECT_TRUE(head.Contents("BAC_N21").empty());
}

// A minute merged again while head office has one of its product rows in hand: Esc leaves the
// merged minute as it was, header and lists alike, and the import names the minute.
TEST_F(NegotiationExchangeTest, AMinuteMergedAgainIsMergedWholeOrNotAtAll) {
  Send({"0000000042"});
  head.Reopen();
  int merged = 0;
  ASSERT_TRUE(ImportMinutes(head.rig.session, head.tables, transfer.path(), &merged).ok()) << head.Message();
  const Snapshot before = Take(head);
  Minute minute;
  bool found = false;
  ASSERT_TRUE(LoadMinute(branch.tables, "0000000042", &minute, &found).ok() && found);
  minute.products[0].price = 4500000;
  minute.products[1].price = 900000;
  ASSERT_TRUE(SaveMinute(branch.rig.session, branch.tables, &minute).ok()) << branch.Message();
  Send({"0000000042"});
  {
    support::OtherWorkstation other(head.folder.path());
    other.Hold("BAC_N21", 2);
    head.Reopen();
    head.rig.term.AddKeys({console::key::kEsc});
    const xbase::Status s = ImportMinutes(head.rig.session, head.tables, transfer.path(), &merged);
    EXPECT_TRUE(support::Shown(head.rig.term, "Mencoba mengunci record 2 file BAC_N21.Dbf, tekan [Esc]=batal...."));
    EXPECT_EQ(s.message().substr(0, 36), "BAC NEGO 0000000042 tidak terimpor: ") << s.message();
    EXPECT_TRUE(s.message().ends_with("; tidak ada yang tersimpan")) << s.message();
    EXPECT_EQ(merged, 0);
    EXPECT_EQ(Take(head), before);
  }
  head.Reopen();
  ASSERT_TRUE(ImportMinutes(head.rig.session, head.tables, transfer.path(), &merged).ok()) << head.Message();
  EXPECT_EQ(merged, 1);
  Minute stored;
  ASSERT_TRUE(LoadMinute(head.tables, "0000000042", &stored, &found).ok() && found);
  EXPECT_DOUBLE_EQ(stored.products[0].price, 4500000);
  EXPECT_DOUBLE_EQ(stored.products[1].price, 900000);
}

TEST_F(NegotiationExchangeTest, AConfirmationOfAMinuteTheBranchLacksIsRefusedWhole) {
  Send({"0000000042"});
  ApproveAtHeadOffice();
  ApplyAtBranch();
  const TransferAreas sent = OpenConfirmationFiles(head.rig.session, transfer.path());
  ASSERT_FALSE(sent.empty());
  support::AddRows(sent[0],
                   {{{"NOMOR", support::T("0000000099")}, {"PROPERTY", xbase::Value::Logical(false)}}});
  CloseTransferFiles(head.rig.session, true);
  const Snapshot before = Take(branch);
  const TransferAreas files = OpenConfirmationFiles(branch.rig.session, transfer.path());
  ASSERT_FALSE(files.empty());
  int applied = 0;
  EXPECT_EQ(ApplyConfirmations(branch.rig.session, branch.tables, files, &applied).message(),
            "app_bac1 baris 2: Nomor 0000000099 tidak ada");
  EXPECT_EQ(applied, 0);
  CloseTransferFiles(branch.rig.session, true);
  EXPECT_EQ(Take(branch), before);
}

}  // namespace
}  // namespace returns
