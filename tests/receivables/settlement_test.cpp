// The settled totals of invoices and instruments, moved from a line's old amount to its new one.
#include <gtest/gtest.h>

#include "receivables/receivables.h"
#include "receivables/receivables_test_helpers.h"
#include "support/scripted_session.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class SettlementTest : public ::testing::Test {
 protected:
  SettlementTest() {
    rig.session.SetSearchPath(folder.path());
    const xbase::Date day = xbase::Date::FromYmd(2026, 12, 1);
    AddInvoice(rig.session, "A1", "J0001", 1000, day);
    AddInvoice(rig.session, "A10", "J0001", 500, day);
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 800, day);
    AddInstrument(rig.session, "G10", "GIRO", "J0001", 900, day);
    Open(rig.session, "PIUTDBT").SetOrder(2).IgnoreError();
  }
  support::TempDataFolder folder = ReceivablesFolder();
  SessionRig rig;
};

TEST_F(SettlementTest, MovesOnlyTheExactInvoiceAndInstrumentFromOldToNew) {
  SettlementFound found;
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A1", "G1", 0, 300.25, &found).ok());
  EXPECT_TRUE(found.invoice && found.instrument);
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A1", "G1", 300.25, 200, &found).ok());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "A1"), 200);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 200);
  EXPECT_EQ(InvoiceKredit(rig.session, "A10"), 0);  // "A1" never settles "A10"
  EXPECT_EQ(InstrumentKredit(rig.session, "G10"), 0);
  // Equal old and new change nothing; out and back in again leaves the total as it was.
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A1", "G1", 200, 200).ok());
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A1", "G1", 200, 0).ok());
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A1", "G1", 0, 200).ok());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "A1"), 200);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 200);
  // A reversing-journal line counts as its debit less its credit: credit out, debit in.
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A1", "", 50, 80).ok());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "A1"), 230);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 200);
  EXPECT_TRUE(Open(rig.session, "PIUTDBT").table().locked_records().empty());
  EXPECT_TRUE(Open(rig.session, "GIRODBT").table().locked_records().empty());
}

TEST_F(SettlementTest, TellsWhichRowsWereMissingAndStillMovesTheOther) {
  SettlementFound found;
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "NONE", "G10", 0, 75, &found).ok());
  EXPECT_FALSE(found.invoice);
  EXPECT_TRUE(found.instrument);
  EXPECT_EQ(InstrumentKredit(rig.session, "G10"), 75);
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A10", "G2", 0, 40, &found).ok());
  EXPECT_TRUE(found.invoice);
  EXPECT_FALSE(found.instrument);
  EXPECT_EQ(InvoiceKredit(rig.session, "A10"), 40);
  bool seen = true;
  ASSERT_TRUE(UPDATEGIRODBT(rig.session, "G1", 0, 12.5, &seen).ok());
  EXPECT_TRUE(seen);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 12.5);
  ASSERT_TRUE(UPDATEGIRODBT(rig.session, "G", 0, 1, &seen).ok());
  EXPECT_FALSE(seen);
}

TEST_F(SettlementTest, GivesTheCallersOrderBackAndNeedsItsTablesOpen) {
  ASSERT_TRUE(UPDATEPIUTANGDANGIRO(rig.session, "A1", "", 0, 1).ok());
  EXPECT_EQ(Open(rig.session, "PIUTDBT").OrderNumber(), 2);
  ASSERT_TRUE(rig.session.tables().Close("GIRODBT").ok());
  const xbase::Status missing = UPDATEPIUTANGDANGIRO(rig.session, "A1", "G1", 0, 1);
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(missing.message(), "table not open: GiroDbt");
  // The invoice half ran before the instrument was found missing.
  EXPECT_EQ(InvoiceKredit(rig.session, "A1"), 2);
}

}  // namespace
}  // namespace receivables
