// The array browse: layout, panning with frozen columns, row moves and editing a cell.
#include <gtest/gtest.h>

#include "console/array_browse.h"
#include "console/keys.h"
#include "support/scripted_session.h"

namespace console {

using support::ConsoleRig;

namespace {

using xbase::Value;

ValueTable Lines() {
  return {
      {Value::Text("A001  "), Value::Text("SABUN MANDI 90G     "), Value::Num(12), Value::Num(2500), Value::Num(30000)},
      {Value::Text("A002  "), Value::Text("SIKAT GIGI          "), Value::Num(5), Value::Num(4000), Value::Num(20000)},
      {Value::Text("B010  "), Value::Text("PASTA GIGI 75G      "), Value::Num(1), Value::Num(8750), Value::Num(8750)},
  };
}

const std::vector<std::string> kHeads = {"Kode", "Nama", "Qty", "Harga", "Jumlah"};
const std::vector<std::string> kPictures = {"", "", "99,999", "999,999.99", "9,999,999.99"};
const KeyHelp kHelp{{"Esc", " F10"}, {")Selesai", ")Simpan"}, "W/n", "Gr+/n"};

// A line editor's key loop: navigation keys go to the browse, Enter edits the cell.
void EditLoop(Console& con, ArrayBrowse& browse) {
  for (;;) {
    browse.Stabilize(con);
    browse.Hilite(con);
    const int key = con.WaitKey();
    if (key == key::kEsc) return;
    if (KURSOR(browse, key)) continue;
    if (key == key::kEnter) browse.EditCell(con);
  }
}

TEST(ArrayBrowseTest, PansPastFrozenColumnsAndEditsACell) {
  ConsoleRig rig({key::kRight, key::kRight, key::kRight, key::kRight, key::kDown, key::kLeft, key::kEnter, '7', '5',
                  '0', '0', key::kEnter, key::kEsc});
  ValueTable rows = Lines();
  int idx = 1;
  ArrayBrowse browse =
      BUATOBJECT(rig.con, &rows, kHeads, kPictures, {10, 1, 16, 40}, "W/n,Gr+/w,,Gr+/n,Gr+/n", 23, kHelp, &idx);
  // The key help is centred on its row: "Esc)Selesai F10)Simpan" is 22 long.
  EXPECT_EQ(rig.con.Text(23, 29, 22), "Esc)Selesai F10)Simpan");
  EXPECT_EQ(rig.con.At(23, 32).attr, 0x0E);
  EditLoop(rig.con, browse);

  const auto& screens = rig.term.screens();
  // First screen: heads, the separator and three rows; Qty is the last column that fits.
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 10, 1, 40), "Kode   Nama                 Qty         ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 11, 1, 3), "\xc4\xc4\xc4");
  EXPECT_EQ(ScriptedTerminal::Text(screens[0], 12, 1, 40), "A001   SABUN MANDI 90G          12      ");
  EXPECT_EQ(screens[0][12 * kCols + 1].attr, 0x7E);  // the current cell highlighted
  EXPECT_EQ(screens[0][12 * kCols + 8].attr, 0x07);
  // After the fourth Right the view has panned: Kode and Nama stay, Jumlah shows.
  EXPECT_EQ(ScriptedTerminal::Text(screens[4], 10, 1, 40), "Kode   Nama                 Jumlah      ");
  EXPECT_EQ(ScriptedTerminal::Text(screens[4], 12, 29, 12), "   30,000.00");
  // Left goes back to Harga; Enter edits it, the first digit replacing the amount.
  EXPECT_EQ(ScriptedTerminal::Text(screens[6], 10, 29, 5), "Harga");
  EXPECT_EQ(ScriptedTerminal::Text(screens[9], 13, 29, 10), "75     .  ");
  EXPECT_EQ(idx, 2);
  EXPECT_EQ(browse.column(), 4);
  EXPECT_DOUBLE_EQ(rows[1][3].number(), 7500);
  EXPECT_DOUBLE_EQ(rows[0][3].number(), 2500);
  EXPECT_EQ(rig.con.Text(13, 29, 10), "  7,500.00");
}

TEST(ArrayBrowseTest, SkipStopsAtTheEndsAndRowKeysMove) {
  ConsoleRig rig;
  ValueTable rows = Lines();
  int idx = 1;
  ArrayBrowse browse(&rows, kHeads, kPictures, {10, 1, 13, 60}, "W/n,Gr+/w", 2, &idx);
  EXPECT_EQ(browse.page(), 2);
  EXPECT_EQ(browse.Skip(5), 2);
  EXPECT_EQ(idx, 3);
  EXPECT_EQ(browse.Skip(-1), -1);
  EXPECT_TRUE(KURSOR(browse, key::kCtrlPgUp));
  EXPECT_EQ(idx, 1);
  EXPECT_TRUE(KURSOR(browse, key::kCtrlPgDn));
  EXPECT_EQ(idx, 3);
  EXPECT_FALSE(KURSOR(browse, 'a'));
  browse.Stabilize(rig.con);
  // Two rows shown; the current (last) row is on the second.
  EXPECT_EQ(rig.con.Text(12, 1, 4), "A002");
  EXPECT_EQ(rig.con.Text(13, 1, 4), "B010");
  EXPECT_TRUE(KURSOR(browse, key::kEnd));
  EXPECT_EQ(browse.column(), 5);
  EXPECT_TRUE(KURSOR(browse, key::kCtrlHome));
  EXPECT_EQ(browse.column(), 1);
}

TEST(ArrayBrowseTest, HiddenAndReadOnlyColumnsAndRowColours) {
  ConsoleRig rig({key::kEnter});
  ValueTable rows = Lines();
  int idx = 2;
  ArrayBrowse browse(&rows, kHeads, kPictures, {10, 1, 16, 78}, "W/n,Gr+/w,,Gr+/n,Gr+/n", 2, &idx);
  browse.set_hidden(2, true);
  browse.set_row_slot([](int row) { return row == 2 ? 3 : 0; });
  browse.Stabilize(rig.con);
  EXPECT_EQ(rig.con.Text(10, 1, 17), "Kode   Qty    Har");
  EXPECT_EQ(rig.con.At(13, 1).attr, 0x0E);  // row 2 in the fourth slot
  EXPECT_EQ(rig.con.At(12, 1).attr, 0x07);
  browse.set_read_only(1, true);
  EXPECT_FALSE(browse.EditCell(rig.con));
  EXPECT_EQ(rig.term.keys_left(), 1u);
  browse.set_column(3);
  rig.con.PushKeys({'9'});  // the character that started the edit
  EXPECT_TRUE(browse.EditCell(rig.con, [](Value* v) { return v->number() > 0; }));
  EXPECT_DOUBLE_EQ(rows[1][2].number(), 9);
}

TEST(ArrayBrowseTest, ACheckMayReplaceTheTypedValueOrClearItWhenRefusing) {
  // "?" is replaced by the code a list would give; "X" is refused and cleared; then "B7" passes.
  ConsoleRig rig({'?', key::kEnter, key::kEnter, 'X', key::kEnter, key::kHome, 'B', '7', key::kEnter});
  ValueTable rows = Lines();
  int idx = 1;
  ArrayBrowse browse(&rows, kHeads, kPictures, {10, 1, 16, 78}, "W/n,Gr+/w", 2, &idx);
  browse.Stabilize(rig.con);
  std::vector<std::string> seen;
  const auto check = [&](Value* v) {
    seen.push_back(v->text());
    if (v->text().starts_with("?")) *v = Value::Text("A777");
    if (v->text().starts_with("X")) {
      *v = Value::Text("");
      return false;
    }
    return true;
  };
  EXPECT_TRUE(browse.EditCell(rig.con, check));
  EXPECT_EQ(rows[0][0].text(), "A777");
  EXPECT_FALSE(browse.EditCell(rig.con, check));  // Enter on the unchanged code
  EXPECT_TRUE(browse.EditCell(rig.con, check));
  EXPECT_EQ(rows[0][0].text(), "B7  ");
  EXPECT_EQ(seen, (std::vector<std::string>{"?001  ", "A777", "X777", "B7  "}));
}

TEST(ArrayBrowseTest, KeyHelpBoxWaitsAndRestores) {
  ConsoleRig rig({' '});
  rig.con.Say(9, 9, "behind", 0x07);
  ARRHLP(rig.con);
  const CellGrid& shown = rig.term.screens()[0];
  EXPECT_EQ(ScriptedTerminal::Text(shown, 9, 9, 61), "Escape  : Exit...............................................");
  EXPECT_EQ(ScriptedTerminal::Text(shown, 10, 9, 51), "Pan-Atas: ke atas 1 baris.... Pan-Bawah  : ke bawah");
  EXPECT_EQ(shown[10 * kCols + 9].attr, 0x79);
  EXPECT_EQ(shown[10 * kCols + 17].attr, 0x70);
  EXPECT_EQ(ScriptedTerminal::Text(shown, 20, 30, 21), "Press any key to exit");
  EXPECT_EQ(rig.con.Text(9, 9, 6), "behind");
}

}  // namespace
}  // namespace console
