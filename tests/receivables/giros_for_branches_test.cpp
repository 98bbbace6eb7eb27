// Giros received for other branches: the split within the instrument's value and never to its own
// branch, the transfer row, the import at the target branch that leaves one instrument however often
// it runs, and the removal of a split that gives its value back.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "frame/open_table.h"
#include "receivables/other_branches.h"
#include "receivables/receivables.h"
#include "receivables/receivables_test_helpers.h"
#include "receivables/transfer_files.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class GirosForBranchesTest : public ::testing::Test {
 protected:
  GirosForBranchesTest() {
    rig.session.SetSearchPath(folder.path());
    AddSetting(rig.session, "CABANGJ", "JKT001 JAKARTA");
    AddSetting(rig.session, "CABANGS", "SBY001 SURABAYA");
    AddSetting(rig.session, "MTCBJKT001", "JAKARTA");
    AddSetting(rig.session, "MTCBSBY001", "SURABAYA TIMUR");
    AddCustomer(rig.session, "J0001", "TB. SINAR ILMU");
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 5000, kDay + 7);
    AddInstrument(rig.session, "K1", "GIRO", "J0001", 900, kDay + 7, "", true);
    xbase::WorkArea& giros = Open(rig.session, "GIRODBT");
    EXPECT_TRUE(giros.GoTo(1).ok());
    EXPECT_TRUE(giros.Lock().ok());
    EXPECT_TRUE(giros.Put("KREDIT", N(1000)).ok());
    EXPECT_TRUE(giros.Unlock().ok());
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    EXPECT_TRUE(CreateGiroTransferFile(transfer.path()).ok());
  }

  GiroSplit Loaded(const std::string& number) {
    GiroSplit split;
    split.number = number;
    EXPECT_TRUE(LoadSplit(rig.session, tables, &split)) << number;
    return split;
  }

  bool Type(GiroSplit* split, size_t line, size_t column, xbase::Value value) {
    const bool taken = CheckSplitCell(rig.session, tables, split, line, column, &value);
    if (taken) split->lines[line][column] = value;
    return taken;
  }

  support::TempDataFolder folder = ReceivablesFolder();
  support::TempDataFolder target = support::TempDataFolder({"SETUP", "GIRODBT"});
  support::TempFolder transfer;
  SessionRig rig;
  frame::OpenedTables tables;  // as the split screen opened them
};

TEST_F(GirosForBranchesTest, AGiroSplitToAnotherBranchIsSentRealisedThereOnceAndRemoved) {
  tables = OpenSplitTables(rig.session);
  ASSERT_TRUE(tables);
  GiroSplit refused;
  refused.number = "K1";
  EXPECT_FALSE(LoadSplit(rig.session, tables, &refused));
  EXPECT_TRUE(Shown(rig.term, "ini giro kiriman cabang lain"));

  GiroSplit split = Loaded("G1");
  ASSERT_EQ(split.lines.size(), 1u);
  EXPECT_EQ(split.lines[0][kSpCustomer].text(), "J0001     ");
  EXPECT_FALSE(Type(&split, 0, kSpBranch, T("JKT001")));
  EXPECT_TRUE(Shown(rig.term, "tidak boleh cabang sendiri"));
  ASSERT_TRUE(Type(&split, 0, kSpBranch, T("SBY001")));
  EXPECT_EQ(split.lines[0][kSpBranchName].text(), "SURABAYA TIMUR      ");
  EXPECT_FALSE(Type(&split, 0, kSpAmount, N(4000.01)));
  EXPECT_TRUE(Shown(rig.term, "Jumlah melebihi saldo giro 4,000.00"));
  ASSERT_TRUE(Type(&split, 0, kSpAmount, N(3000)));
  EXPECT_EQ(SplitRemaining(split), 1000);
  bool saved = false;
  ASSERT_TRUE(SaveSplit(rig.session, tables, split, &saved).ok());
  ASSERT_TRUE(saved);
  // Saved again unchanged, the used total stays.
  split = Loaded("G1");
  ASSERT_EQ(split.lines.size(), 2u);
  EXPECT_EQ(split.lines[0][kSpAmount].number(), 3000);
  ASSERT_TRUE(SaveSplit(rig.session, tables, split, &saved).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(InstrumentKredit(rig.session, "G1"), 4000);
  xbase::WorkArea& rows = Open(rig.session, "GIROKDT");
  ASSERT_EQ(rows.table().record_count(), 1u);
  EXPECT_EQ(StoredText(rows, 1, "NOMOR") + "|" + StoredText(rows, 1, "KDCB") + "|" + StoredText(rows, 1, "KET"),
            "G1|SBY001|GIRO");
  EXPECT_EQ(rows.Number("KREDIT"), 3000);

  // The transfer row, written twice, is one row.
  xbase::WorkArea* opened = nullptr;
  ASSERT_TRUE(OpenTransferTable(rig.session, transfer.path(), kGiroTransfer, true, true, &opened));
  xbase::WorkArea& sent = *opened;
  ASSERT_TRUE(rows.GoTo(1).ok());
  ASSERT_TRUE(WriteTransferRow(rig.session, sent, rows).ok());
  ASSERT_TRUE(WriteTransferRow(rig.session, sent, rows).ok());
  ASSERT_EQ(sent.table().record_count(), 1u);
  ASSERT_TRUE(sent.GoTo(1).ok());
  EXPECT_EQ(StoredText(sent, 1, "FORM") + "|" + StoredText(sent, 1, "NOMOR") + "|" + StoredText(sent, 1, "KDCB"),
            "GIROL|G1|SBY001");
  EXPECT_EQ(sent.Number("DEBET"), 3000);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  // At the target branch the row is imported twice and stays one instrument received on its behalf.
  SessionRig there;
  there.session.SetSearchPath(target.path());
  for (int run = 0; run < 2; ++run) {
    there.term.AddKeys(Keys({Line(transfer.path()), {'Y'}}));
    ASSERT_TRUE(TGRLAIN(there.session, {}).ok());
  }
  EXPECT_TRUE(Shown(there.term, "yakin kiriman giro akan diimport (Y/T)"));
  EXPECT_EQ(there.term.keys_left(), 0u);
  xbase::WorkArea& imported = Open(there.session, "GIRODBT");
  ASSERT_EQ(imported.table().record_count(), 1u);
  ASSERT_TRUE(imported.GoTo(1).ok());
  EXPECT_EQ(StoredText(imported, 1, "NOMOR") + "|" + StoredText(imported, 1, "KDCB") + "|" +
                StoredText(imported, 1, "KET") + "|" + StoredText(imported, 1, "RELASI"),
            "G1|SBY001|GIRO|J0001");
  EXPECT_EQ(imported.Number("DEBET"), 3000);
  EXPECT_EQ(imported.Number("KREDIT"), 0);
  EXPECT_TRUE(imported.Logical("KIRIMAN"));
  EXPECT_TRUE(imported.Logical("REALISASI"));

  // Removing the split line gives its value back to the giro.
  tables = OpenSplitTables(rig.session);
  ASSERT_TRUE(tables);
  split = Loaded("G1");
  split.lines.erase(split.lines.begin());
  ASSERT_TRUE(SaveSplit(rig.session, tables, split, &saved).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(InstrumentKredit(rig.session, "G1"), 1000);
  xbase::WorkArea& gone = Open(rig.session, "GIROKDT");
  ASSERT_TRUE(gone.GoTo(1).ok());
  EXPECT_TRUE(gone.deleted());
}

TEST_F(GirosForBranchesTest, EscAtTheGirosLockWritesNoSplitRow) {
  support::SettleSmallFolder(folder.path());
  tables = OpenSplitTables(rig.session);
  ASSERT_TRUE(tables);
  GiroSplit split = Loaded("G1");
  ASSERT_TRUE(Type(&split, 0, kSpBranch, T("SBY001")));
  ASSERT_TRUE(Type(&split, 0, kSpAmount, N(3000)));
  support::OtherWorkstation other(folder.path());
  other.Hold("GIRODBT", 1);
  rig.term.AddKeys({console::key::kEsc, ' ', ' '});
  bool saved = true;
  ASSERT_TRUE(SaveSplit(rig.session, tables, split, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(InstrumentKredit(rig.session, "G1"), 0);  // no settlement line spends it
  EXPECT_EQ(Open(rig.session, "GIROKDT").table().record_count(), 0u);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  other.Release();
  tables = OpenSplitTables(rig.session);
  ASSERT_TRUE(tables);
  ASSERT_TRUE(SaveSplit(rig.session, tables, split, &saved).ok());
  EXPECT_TRUE(saved);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(InstrumentKredit(rig.session, "G1"), 3000);
  support::ExpectVerified(folder.path());
}

TEST_F(GirosForBranchesTest, TheSplitScreenShowsTheWholeRestAndNamesAnUnknownBranch) {
  rig.term.AddKeys(Keys({Line("G1"), Line("MDN001")}));
  ASSERT_TRUE(GCBLAIN(rig.session, {}).ok());
  // The rest, 5,000 less the 1,000 used, ends at the last column.
  EXPECT_TRUE(support::ShownOnRow(rig.term, 4, "Saldo :        4,000.00")) << console::ScriptedTerminal::Dump(rig.term.screens()[1]);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Cabang MDN001 tidak terdaftar"));
}

TEST_F(GirosForBranchesTest, AMissingTransferFileIsNamedAtTheImport) {
  SessionRig there;
  there.session.SetSearchPath(target.path());
  support::TempFolder empty;
  there.term.AddKeys(Keys({Line(empty.path()), {key::kEnter}}));
  ASSERT_TRUE(TGRLAIN(there.session, {}).ok());
  EXPECT_TRUE(Shown(there.term, " file " + empty.path() + "/kirimgr.dbf, tidak ada"));
}

}  // namespace
}  // namespace receivables
