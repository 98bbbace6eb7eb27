// The table editor over a real table: deleted rows, delete and recall, editing a cell.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/row_clock.h"
#include "console/table_editor.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace console {

using support::ConsoleRig;
using support::MakeTable;

namespace {

class TableEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeTable(session_, "setup", {"SETUP", 'C', 10}, {"KET", 'C', 100},
              {{"ALPHA", "satu"}, {"BETA", "dua"}, {"GAMMA", "tiga"}}, &area_);
    ASSERT_TRUE(area_->GoTo(3).ok());
    ASSERT_TRUE(area_->Lock().ok());
    ASSERT_TRUE(area_->Delete().ok());
    ASSERT_TRUE(area_->Unlock().ok());
  }
  void TearDown() override { EXPECT_TRUE(session_.CloseAll().ok()); }

  std::string Field(uint32_t recno, const char* name) {
    xbase::Value value;
    EXPECT_TRUE(area_->GoTo(recno).ok());
    EXPECT_TRUE(area_->Get(name, &value).ok());
    return value.text();
  }

  support::TempFolder folder_;
  xbase::Session session_{xbase::SearchPath({folder_.path()})};
  xbase::WorkArea* area_ = nullptr;
};

TEST_F(TableEditorTest, DeletesRecallsAndEditsUnderLocks) {
  ConsoleRig rig({key::kDown, key::kDel, key::kDown, key::kDel, key::kRight, 'x', key::kEnter, key::kF2, key::kEsc});
  int adds = 0;
  TableEditorOptions options;
  options.window = {5, 2, 21, 77};
  options.add = [&] { ++adds; };
  RunTableEditor(rig.con, session_, *area_, {{"SETUP", "SETUP", "@!"}, {"KETERANGAN", "KET", "@s70"}}, options);

  const auto& screens = rig.term.screens();
  // Heads with a single bar between the columns, a double line under them.
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 5, 2, 25), "SETUP     \xb3KETERANGAN    ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 6, 2, 3), "\xcd\xcd\xcd");
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 7, 2, 18), "ALPHA     \xb3satu   ");
  // The deleted row shows (in the fifth colour) while the editor runs.
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 9, 2, 5), "GAMMA");
  EXPECT_EQ(screens[0][9 * kCols + 2].attr, 0x0E);
  EXPECT_EQ(screens[0][8 * kCols + 2].attr, 0x07);
  EXPECT_EQ(screens[0][7 * kCols + 2].attr, 0x7E);
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 22, 2, 52), "Esc) Selesai, F2) Tambah Data, F4) Cari, Del) Hapus ");
  // On the deleted row the key line offers the recall.
  EXPECT_EQ(ScriptedTerminal::Text(screens[3], 22, 43, 11), "Del) Recall");

  EXPECT_EQ(adds, 1);
  EXPECT_TRUE(session_.deleted_hidden());  // set back when the editor ends
  session_.set_deleted_hidden(false);
  ASSERT_TRUE(area_->GoTo(2).ok());
  EXPECT_TRUE(area_->deleted());
  ASSERT_TRUE(area_->GoTo(3).ok());
  EXPECT_FALSE(area_->deleted());
  EXPECT_EQ(Field(3, "KET").substr(0, 5), "xiga ");
  EXPECT_EQ(Field(1, "KET").substr(0, 5), "satu ");
}

// A value as long as its field is edited in a field that scrolls inside the window: what lies beside
// the window stays, and the cursor stays in the field while the clock ticks on row 0.
TEST_F(TableEditorTest, EditingStaysInsideTheWindowWithTheCursorInTheField) {
  std::string long_text;
  for (int i = 0; i < 10; ++i) long_text += "0123456789";
  ASSERT_TRUE(area_->GoTo(1).ok());
  ASSERT_TRUE(area_->Lock().ok());
  ASSERT_TRUE(area_->Put("KET", xbase::Value::Text(long_text)).ok());
  ASSERT_TRUE(area_->Unlock().ok());
  ConsoleRig rig({key::kRight, key::kEnter, key::kNone, key::kEnd, key::kEsc, key::kEsc});
  rig.con.Fill(7, 78, 7, 79, 'x', 0x07);
  TableEditorOptions options;
  options.window = {5, 2, 21, 77};
  {
    const RowClock clock(rig.con);
    RunTableEditor(rig.con, session_, *area_, {{"SETUP", "SETUP", "@!"}, {"KETERANGAN", "KET", "@s70"}}, options);
  }
  const auto& screens = rig.term.screens();
  const auto& cursors = rig.term.cursors();
  ASSERT_EQ(screens.size(), 6u);
  for (size_t i = 2; i <= 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ScriptedTerminal::Text(screens[i], 7, 78, 2), "xx");
    EXPECT_EQ(cursors[i].row, 7);
    EXPECT_GE(cursors[i].col, 13);
    EXPECT_LE(cursors[i].col, 77);
  }
  // The clock ticked while the field waited.
  EXPECT_EQ(ScriptedTerminal::Text(screens[3], 0, 71, 8), "09:00:01");
  EXPECT_EQ(ScriptedTerminal::Text(screens[2], 7, 13, 65), long_text.substr(0, 65));
  // At the end of the text the field shows its last part.
  EXPECT_EQ(ScriptedTerminal::Text(screens[4], 7, 13, 65), long_text.substr(35));
  EXPECT_EQ(Field(1, "KET"), long_text);
}

// On an empty table the columns take the width of their fields, so a row added by F2 shows whole.
TEST(TableEditorWidthTest, AnEmptyTableGetsColumnsAsWideAsItsFields) {
  support::TempFolder folder;
  xbase::Session session(xbase::SearchPath({folder.path()}));
  xbase::WorkArea* area = nullptr;
  MakeTable(session, "tbbm", {"BBM", 'C', 14}, {"HARGA", 'N', 9, 2}, {}, &area);
  ConsoleRig rig({key::kF2, key::kEsc});
  TableEditorOptions options;
  options.window = {5, 20, 15, 50};
  options.add = [&] {
    ASSERT_TRUE(area->Append().ok());
    ASSERT_TRUE(area->Put("BBM", xbase::Value::Text("SOLAR")).ok());
    ASSERT_TRUE(area->Put("HARGA", xbase::Value::Num(6800)).ok());
    ASSERT_TRUE(area->Unlock().ok());
  };
  RunTableEditor(rig.con, session, *area, {{"BBM", "BBM", "@!"}, {"HARGA", "HARGA", "999,999.99"}}, options);
  const auto& screens = rig.term.screens();
  ASSERT_EQ(screens.size(), 2u);
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 5, 20, 25), "BBM           \xb3HARGA     ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[1], 7, 20, 25), "SOLAR         \xb3  6,800.00");
  EXPECT_TRUE(session.CloseAll().ok());
}

}  // namespace
}  // namespace console
