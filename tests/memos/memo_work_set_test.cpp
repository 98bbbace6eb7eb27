// The memo work set: a folder that lacks one of its tables is named before any screen or list is
// shown, and a table that cannot be read refuses the list or row that needs it instead of a figure
// taken as missing.
#include <filesystem>

#include <gtest/gtest.h>

#include "memos/memo_back.h"
#include "memos/memo_list.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_test_helpers.h"
#include "memos/memos.h"
#include "support/damaged_tables.h"

namespace memos {

using support::N;
using support::ShownOnRow;
using support::T;

namespace {

class MemoWorkSetTest : public MemoTest {
 protected:
  MemoWorkSetTest() {
    AddMemo("MEMADM1", "MEMADM2", "0000000050", Day(7), true,
            {{{"INVOICE", T("SJ0001")}, {"CARTON", N(5)}}, {{"INVOICE", T("SJ0002")}, {"CARTON", N(4)}}});
  }
};

TEST_F(MemoWorkSetTest, AFolderWithoutTheAdminMemoLinesIsNamedAndNothingIsWritten) {
  ASSERT_TRUE(std::filesystem::remove(folder.File("MEMADM2.dbf")));
  Keys({{' '}});
  ASSERT_TRUE(Run(ISIMEMO));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "memadm2.dbf: not found in the search path"));
  EXPECT_EQ(rig.session.tables().Area("mastbrj"), nullptr);  // what the opener opened is closed again
  EXPECT_EQ(Reopen("MEMADM1").table().record_count(), 1u);
  EXPECT_EQ(Setting("MADMB2"), "0000000041");

  // A list and a print say the same and print nothing.
  Keys({{' '}});
  ASSERT_TRUE(Run(SISAMEMO_));
  Keys({{' '}});
  ASSERT_TRUE(Run(CTKMEMO));
  EXPECT_TRUE(rig.dot_matrix->jobs().empty());
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

// The import writes a delivery's outcome into the admin memo lines it opened; without them the
// outcome names the table and writes nothing.
TEST_F(MemoWorkSetTest, AnOutcomeWithoutTheAdminMemoLinesOpenNamesThem) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  const xbase::Status s = UPDATEMEMOACC(rig.session, "SJ0001", Day(10), "10:30", "DITERIMA", true);
  EXPECT_EQ(s.message(), "table not open: memadm2");
  EXPECT_EQ(Stored("MEMADM2", 1, "NOTES"), "");
}

// The invoice amount of a receivables memo row and of the list of notes not yet sent comes from the
// note's receivable: a receivable that cannot be read is told, never shown as 0.
TEST_F(MemoWorkSetTest, AReceivableThatCannotBeReadRefusesTheRowAndTheList) {
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  support::DamageIndexPages(folder.path(), "PIUTDBT");
  console::ValueRow row = EmptyTaxRow(1);
  rig.term.AddKeys({' ', ' '});
  EXPECT_FALSE(FillTaxRow(rig.session, tables, "SJ0001", &row));
  EXPECT_EQ(CellText(row, kTaxNote), std::string(20, ' '));  // the row is left as it was
  EXPECT_EQ(CellNumber(row, kTaxAmount), 0);
  OutstandingSelection selection;
  selection.branch = "B2";
  EXPECT_TRUE(NotSentPages(rig.session, tables, selection).empty());
  EXPECT_TRUE(ShownOnRow(rig.term, 24, folder.File("PIUTDBT1.ntx") + ": page at 1024"));
}

// The list of notes not yet back sorts by the driver of each note's last driver memo: driver memo
// lines that cannot be read stop the list rather than every note passing for one still in the warehouse.
TEST_F(MemoWorkSetTest, DriverMemoLinesThatCannotBeReadStopTheListOfNotesNotBack) {
  const frame::OpenedTables tables = OPENMEMORANDUM(rig.session);
  ASSERT_TRUE(tables);
  support::DamageIndexPages(folder.path(), "MEMDRV2");
  rig.term.AddKeys({' '});
  OutstandingSelection selection;
  selection.branch = "B2";
  EXPECT_TRUE(NotBackPages(rig.session, tables, selection).empty());
  EXPECT_TRUE(ShownOnRow(rig.term, 24, folder.File("MEMDRV22.ntx") + ": page at 1024"));
}

}  // namespace
}  // namespace memos
