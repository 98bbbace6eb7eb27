// GET/READ: pictures, checks, navigation between fields and the edit keys.
#include <gtest/gtest.h>

#include "console/get.h"
#include "console/keys.h"
#include "support/scripted_session.h"

namespace console {

using support::ConsoleRig;
using support::Keys;

namespace {

std::vector<int> T(std::string_view text) { return ScriptedTerminal::Typed(text); }

TEST(GetTest, UpperCasePictureAndARefusingValidKeepTheCursorInTheField) {
  ConsoleRig rig(Keys({T("abc"), {key::kEnter, key::kHome}, T("x"), {key::kEnter}}));
  std::string nik(10, ' ');
  int checks = 0;
  GetList gets;
  GetField& field = gets.Add(9, 35, &nik, "@!");
  field.colour = "Gr+/bg,W+/r+";
  field.valid = [&] {
    ++checks;
    return nik != "ABC       ";
  };
  const ReadResult result = gets.Read(rig.con);
  EXPECT_FALSE(result.escaped);
  EXPECT_TRUE(result.updated);
  EXPECT_EQ(result.exit_key, key::kEnter);
  EXPECT_EQ(checks, 2);
  EXPECT_EQ(nik, "XBC       ");
  // While typing: the field in its selected colour, upper-cased, the cursor after the text.
  const auto& screens = rig.term.screens();
  ASSERT_EQ(screens.size(), 7u);
  EXPECT_EQ(ScriptedTerminal::Text(screens[3], 9, 35, 10), "ABC       ");
  EXPECT_EQ(screens[3][9 * kCols + 35].attr, 0xCF);
  // After the refusal the field still has the cursor, at the same place.
  EXPECT_EQ(ScriptedTerminal::Text(screens[4], 9, 35, 10), "ABC       ");
  EXPECT_EQ(screens[4][9 * kCols + 35].attr, 0xCF);
  // Done: the field in its unselected colour.
  EXPECT_EQ(rig.con.Text(9, 35, 10), "XBC       ");
  EXPECT_EQ(rig.con.At(9, 35).attr, 0x3E);
}

TEST(GetTest, NumberFieldFirstDigitReplacesThePresetValue) {
  ConsoleRig rig(Keys({T("25.5"), {key::kEnter}}));
  double amount = 1234.5;
  GetList gets;
  gets.Add(5, 10, &amount, "999,999.99");
  gets.Display(rig.con);
  EXPECT_EQ(rig.con.Text(5, 10, 10), "  1,234.50");
  gets.Read(rig.con);
  EXPECT_DOUBLE_EQ(amount, 25.5);
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[1], 5, 10, 10), "2      .  ");
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[3], 5, 10, 10), "     25.  ");
  EXPECT_EQ(rig.con.Text(5, 10, 10), "     25.50");

  ConsoleRig keep({key::kEnter});
  double price = 99.99;
  GetList one;
  one.Add(5, 10, &price, "99.99");
  EXPECT_FALSE(one.Read(keep.con).updated);
  EXPECT_DOUBLE_EQ(price, 99.99);
}

TEST(GetTest, DateFieldRefusesADayThatDoesNotExist) {
  ConsoleRig rig(Keys({T("30022024"), {key::kEnter, key::kHome}, T("29"), {key::kEnter}}));
  xbase::Date date;
  GetList gets;
  gets.Add(7, 20, &date);
  gets.Read(rig.con);
  EXPECT_EQ(date, xbase::Date::FromYmd(2024, 2, 29));
  EXPECT_EQ(rig.term.tones().size(), 1u);
  EXPECT_EQ(rig.con.Text(7, 20, 10), "29-02-2024");
  // The refusal says why on row 24 until the next key.
  const auto& screens = rig.term.screens();
  ASSERT_GE(screens.size(), 2u);
  EXPECT_NE(ScriptedTerminal::Text(screens[9], 24).find("Tanggal 30-02-2024 tidak ada"), std::string::npos)
      << ScriptedTerminal::Dump(screens[9]);
  EXPECT_EQ(rig.con.Text(24, 0, 80), std::string(80, ' '));
}

TEST(GetTest, UpDownWhenEscAndCtrlW) {
  std::string code = "A01 ";
  std::string name = "TOKO LAMA           ";
  double term = 30;
  bool active = false;
  // Type into the code, Down skips the name (WHEN false), the term takes 45, Up goes back
  // over the name to the code, Ctrl+W ends the READ.
  ConsoleRig rig(Keys({T("B"), {key::kDown}, T("45"), {key::kUp, key::kCtrlW}}));
  GetList gets;
  gets.Add(5, 10, &code);
  gets.Add(6, 10, &name).when = [] { return false; };
  gets.Add(7, 10, &term, "999");
  gets.Add(8, 10, &active, "Y");
  const ReadResult result = gets.Read(rig.con);
  EXPECT_EQ(result.exit_key, key::kCtrlW);
  EXPECT_EQ(result.field, 0);
  EXPECT_EQ(code, "B01 ");
  EXPECT_DOUBLE_EQ(term, 45);
  EXPECT_EQ(rig.con.Text(8, 10, 1), "N");

  // Esc leaves the field's typing unassigned; earlier fields keep theirs.
  ConsoleRig esc(Keys({T("C"), {key::kEnter}, T("Z"), {key::kEsc}}));
  std::string first = "A  ", second = "B  ";
  GetList two;
  two.Add(1, 1, &first);
  two.Add(2, 1, &second);
  const ReadResult escaped = two.Read(esc.con);
  EXPECT_TRUE(escaped.escaped);
  EXPECT_EQ(first, "C  ");
  EXPECT_EQ(second, "B  ");
  EXPECT_EQ(esc.con.Text(2, 1, 3), "B  ");
}

TEST(GetTest, AFullFieldKeepsTheCursorAndRefusesMoreWithTheBell) {
  // "123": the 3 is refused and the cursor stays on the month's last cell; the Y field takes
  // only one letter too. Nothing lands in the next field.
  ConsoleRig rig(Keys({T("123"), {key::kEnter}, T("nY"), {key::kEnter}}));
  std::string month = "  ";
  bool ok = true;
  GetList gets;
  gets.Add(3, 3, &month, "99");
  gets.Add(3, 8, &ok, "Y");
  const ReadResult result = gets.Read(rig.con);
  EXPECT_EQ(month, "12");
  EXPECT_FALSE(ok);
  EXPECT_EQ(result.exit_key, key::kEnter);
  EXPECT_EQ(rig.term.tones(), (std::vector<std::pair<int, int>>{{440, 55}, {440, 55}}));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(rig.term.overruns(), 0);
  const auto& screens = rig.term.screens();
  ASSERT_EQ(screens.size(), 7u);
  // Reading the refused 3 and the Enter after it: "12" with the cursor on its last cell, the Y
  // field as it was.
  for (size_t at : {2u, 3u}) {
    EXPECT_EQ(ScriptedTerminal::Text(screens[at], 3, 3, 6), "12   Y");
    EXPECT_EQ(rig.term.cursors()[at].row, 3);
    EXPECT_EQ(rig.term.cursors()[at].col, 4);
  }
  EXPECT_EQ(rig.con.Text(3, 3, 6), "12   N");

  // Backspace after a full field takes its last character back; Left moves off it.
  ConsoleRig back(Keys({T("12"), {key::kBackspace}, T("5"), {key::kLeft}, T("7"), {key::kEnter}}));
  std::string day = "  ";
  GetList one;
  one.Add(3, 3, &day, "99");
  one.Read(back.con);
  EXPECT_EQ(day, "75");
  EXPECT_TRUE(back.term.tones().empty());

  // An insert that would push the last character out is refused as well.
  ConsoleRig insert(Keys({{key::kIns}, T("Z"), {key::kEnd}, T("Y"), {key::kEnter}}));
  std::string code = "ABC ";
  GetList ins;
  ins.Add(1, 1, &code);
  ins.Read(insert.con);
  EXPECT_EQ(code, "ZABC");
  EXPECT_EQ(insert.term.tones().size(), 1u);

  // A field with no room takes no typing; only the movement keys leave it.
  ConsoleRig none(Keys({{key::kDel, key::kRight, key::kEnd}, T("q"), {key::kEnter}}));
  std::string empty;
  GetList nothing;
  nothing.Add(3, 3, &empty);
  EXPECT_EQ(nothing.Read(none.con).exit_key, key::kEnter);
  EXPECT_EQ(empty, "");
  EXPECT_EQ(none.term.tones().size(), 1u);
  // A template refuses what does not fit its slot, silently.
  ConsoleRig refuse(Keys({T("a1b2"), {key::kEnter}}));
  std::string digits = "  ";
  GetList two;
  two.Add(3, 3, &digits, "99");
  two.Read(refuse.con);
  EXPECT_EQ(digits, "12");
  EXPECT_TRUE(refuse.term.tones().empty());
}

TEST(GetTest, ScrollingWindowInsertModeAndClearOnFirstKey) {
  // "@S5": a 12-character text shown 5 wide; the window follows the cursor.
  ConsoleRig rig(Keys({{key::kEnd}, T("XYZ"), {key::kEnter}}));
  std::string remark = "ABCDEFG     ";
  GetList gets;
  gets.Add(4, 40, &remark, "@S5");
  gets.Display(rig.con);
  EXPECT_EQ(rig.con.Text(4, 40, 6), "ABCDE ");
  gets.Read(rig.con);
  EXPECT_EQ(remark, "ABCDEFGXYZ  ");
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[1], 4, 40, 5), "DEFG ");
  EXPECT_EQ(rig.term.screens()[1].size(), static_cast<size_t>(kRows * kCols));
  EXPECT_EQ(rig.con.Text(4, 40, 6), "ABCDE ");

  // A template behind a scrolling window keeps the whole text.
  ConsoleRig masked(Keys({{key::kEnd}, T("g"), {key::kEnter}}));
  std::string code = "abcde ";
  GetList mask;
  mask.Add(2, 2, &code, "@S3 !!!!!!");
  mask.Read(masked.con);
  EXPECT_EQ(code, "ABCDEG");
  EXPECT_EQ(masked.con.Text(2, 2, 4), "ABC ");

  ConsoleRig insert(Keys({{key::kIns}, T("ZZ"), {key::kEnter}}));
  std::string text = "ABCD  ";
  GetList ins;
  ins.Add(1, 1, &text);
  ins.Read(insert.con);
  EXPECT_EQ(text, "ZZABCD");
  EXPECT_TRUE(ins.insert_mode());

  ConsoleRig clear(Keys({T("Q"), {key::kEnter}}));
  std::string preset = "d:\\data   ";
  GetList k;
  k.Add(1, 1, &preset, "@K");
  k.Read(clear.con);
  EXPECT_EQ(preset, "Q         ");

  ConsoleRig edit(Keys({{key::kRight, key::kDel, key::kBackspace}, T("!"), {key::kPgDn}}));
  std::string word = "abcd";
  GetList del;
  del.Add(1, 1, &word);
  EXPECT_EQ(del.Read(edit.con).exit_key, key::kPgDn);
  EXPECT_EQ(word, "!d  ");
}

TEST(GetTest, AnExitKeyEndsTheReadWithTheTypedValue) {
  ConsoleRig rig(Keys({T("77"), {key::kF10}}));
  double qty = 0;
  int checks = 0;
  GetList gets;
  gets.Add(1, 1, &qty, "9999").valid = [&] { return ++checks > 0; };
  ReadOptions options;
  options.exit_on = [](int key) { return key == key::kF10; };
  const ReadResult result = gets.Read(rig.con, options);
  EXPECT_EQ(result.exit_key, key::kF10);
  EXPECT_DOUBLE_EQ(qty, 77);
  EXPECT_EQ(checks, 0);
}

}  // namespace
}  // namespace console
