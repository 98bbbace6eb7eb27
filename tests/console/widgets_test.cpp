// Boxes, the message row, alerts, choice lists, the one-letter prompt and secret entries.
#include <gtest/gtest.h>

#include "console/alert.h"
#include "console/box.h"
#include "console/choice_list.h"
#include "console/field_format.h"
#include "console/key_help.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/secret_entry.h"
#include "xbase/text_functions.h"
#include "support/scripted_session.h"

namespace console {

using support::ConsoleRig;

namespace {

TEST(BoxTest, RaisedWindowHasLightAndDarkEdgesAndAShadow) {
  ConsoleRig rig;
  rig.con.Say(11, 30, "under the shadow", 0x1E);
  ISHADOW(rig.con, 6, 20, 10, 40, "W+/bg");
  EXPECT_EQ(rig.con.Text(6, 20, 3), "\xda\xc4\xc4");
  EXPECT_EQ(rig.con.At(6, 40).ch, 0xBF);
  EXPECT_EQ(rig.con.At(10, 20).ch, 0xC0);
  EXPECT_EQ(rig.con.At(10, 40).ch, 0xD9);
  EXPECT_EQ(rig.con.At(8, 20).ch, 0xB3);
  EXPECT_EQ(rig.con.At(6, 25).attr, 0x3B);  // "bg+/bg"
  EXPECT_EQ(rig.con.At(8, 20).attr, 0x3B);
  EXPECT_EQ(rig.con.At(10, 25).attr, 0x30);  // "n/bg"
  EXPECT_EQ(rig.con.At(8, 40).attr, 0x30);
  EXPECT_EQ(rig.con.At(8, 30).attr, 0x3F);  // the inside in the colour
  EXPECT_EQ(rig.con.At(8, 30).ch, ' ');
  // The shadow keeps the characters under it.
  EXPECT_EQ(rig.con.Text(11, 30, 5), "under");
  EXPECT_EQ(rig.con.At(11, 30).attr, kShadowAttr);
  EXPECT_EQ(rig.con.At(11, 41).attr, kShadowAttr);
  EXPECT_EQ(rig.con.At(11, 20).attr, kPlainAttr);
  EXPECT_EQ(rig.con.At(7, 41).attr, kShadowAttr);
  EXPECT_EQ(rig.con.At(6, 41).attr, kPlainAttr);
}

TEST(BoxTest, SunkenDoubleBlinkingAndPlainShadowBoxes) {
  ConsoleRig rig;
  ISHADOW(rig.con, 2, 2, 5, 10, "Gr+/b*", false, true, true);
  EXPECT_EQ(rig.con.At(2, 2).ch, 0xC9);
  EXPECT_EQ(rig.con.At(2, 5).ch, 0xCD);
  EXPECT_EQ(rig.con.At(2, 5).attr, 0x90);  // top edge dark: "n/b*"
  EXPECT_EQ(rig.con.At(5, 5).attr, 0x97);  // bottom edge light: "w/b*"
  EXPECT_EQ(rig.con.At(6, 5).attr, kPlainAttr);  // no shadow
  SHADOW(rig.con, 12, 10, 14, 20, "W/r");
  EXPECT_EQ(rig.con.At(12, 10).ch, 0xDA);
  EXPECT_EQ(rig.con.At(14, 20).attr, 0x47);
  EXPECT_EQ(rig.con.At(15, 15).attr, kShadowAttr);
  Dim(rig.con, 12, 10, 12, 12);
  EXPECT_EQ(rig.con.At(12, 11).attr, kShadowAttr);
  EXPECT_EQ(rig.con.At(12, 11).ch, 0xC4);
}

TEST(MessageTest, PesanCentresWaitsAndRestoresRow24) {
  ConsoleRig rig({'y'});
  rig.con.Say(24, 0, "status line", 0x07);
  rig.con.MoveCursor(5, 7);
  EXPECT_EQ(PESAN(rig.con, "  user belum terdaftar  "), 'y');
  ASSERT_EQ(rig.term.screens().size(), 1u);
  const CellGrid& shown = rig.term.screens()[0];
  EXPECT_EQ(ScriptedTerminal::Text(shown, 24, 29, 22), " user belum terdaftar ");
  EXPECT_EQ(shown[24 * kCols + 0].attr, 0x4E);
  EXPECT_EQ(shown[24 * kCols + 79].attr, 0x4E);
  EXPECT_FALSE(rig.term.cursor().visible);
  EXPECT_EQ(rig.con.Text(24, 0, 11), "status line");
  EXPECT_TRUE(rig.con.cursor().visible);
  EXPECT_EQ(rig.con.cursor().row, 5);
  EXPECT_EQ(rig.con.cursor().col, 7);
}

TEST(MessageTest, TextIsWrappedAtBlanksAndLongWordsAreCut) {
  EXPECT_EQ(WrapText("4 dokumen terkirim, 1 gagal", 12),
            (std::vector<std::string>{"4 dokumen", "terkirim, 1", "gagal"}));
  EXPECT_EQ(WrapText("a /srv/palunda/data", 8), (std::vector<std::string>{"a", "/srv/pal", "unda/dat", "a"}));
  EXPECT_EQ(WrapText("", 8), (std::vector<std::string>{""}));
}

// A message longer than the row gives up the start of its path, never the fault at its end nor the
// words before the path; without a path its middle goes. PESAN shows it whole, in a box.
TEST(MessageTest, LongMessagesKeepTheFaultAndShortenThePath) {
  const std::string path = "/srv/palunda/data/cabang-jakarta-utara/arsip-tahun-2024/semester-dua/setup.dbf";
  const std::string fault = ": file ends at 1178, before 46258";
  const std::string fitted = FitMessage(path + fault, 80);
  EXPECT_EQ(fitted, "..." + path.substr(path.size() + fault.size() + 3 - 80) + fault);
  EXPECT_EQ(fitted.size(), 80u);
  EXPECT_EQ(FitMessage("short: fault", 80), "short: fault");
  EXPECT_EQ(FitMessage("a: " + std::string(90, 'x') + " END", 40),
            "a: " + std::string(15, 'x') + "..." + std::string(15, 'x') + " END");
  EXPECT_EQ(FitMessage("Mencoba mengunci record 1 file " + path + ", tekan [Esc]=batal", 80),
            "Mencoba mengunci record 1 file ...2024/semester-dua/setup.dbf, tekan [Esc]=batal");
  EXPECT_EQ(FitMessage("12 dokumen terkirim, 4 gagal: 127.0.0.1: Can't connect to server on '127.0.0.1' (115)", 60),
            "12 dokumen terkirim, 4 gagal...o server on '127.0.0.1' (115)");

  ConsoleRig rig({' '});
  rig.con.Say(24, 0, "status line", 0x07);
  EXPECT_EQ(PESAN(rig.con, path + fault), ' ');
  const CellGrid& shown = rig.term.screens()[0];
  // The path is longer than the box: it runs on into the next line.
  EXPECT_EQ(ScriptedTerminal::Text(shown, 11, 3, 74), path.substr(0, 74)) << ScriptedTerminal::Dump(shown);
  EXPECT_EQ(ScriptedTerminal::Text(shown, 12, 3, 38), path.substr(74) + ": file ends at 1178, before 46258 ");
  EXPECT_EQ(ScriptedTerminal::Text(shown, 24, 0, 11), "status line");
  EXPECT_EQ(rig.con.Text(11, 0, 80), std::string(80, ' '));
  WARNING(rig.con, path + fault, "gr+/b");
  EXPECT_EQ(rig.con.Text(24, 0, 80), fitted);
}

// A box holds long lines whole, wrapped at blanks.
TEST(MessageTest, ABoxShowsLongLinesWhole) {
  const std::string text =
      "12 dokumen terkirim, 4 gagal: 127.0.0.1: Can't connect to server on '127.0.0.1' (115) after ten seconds";
  ConsoleRig rig({'x'});
  rig.con.Say(24, 0, "status line", 0x07);
  EXPECT_EQ(MessageBox(rig.con, "", {text}), 'x');
  const CellGrid& shown = rig.term.screens()[0];
  EXPECT_NE(ScriptedTerminal::Text(shown, 11).find("12 dokumen terkirim, 4 gagal: 127.0.0.1: Can't connect to server on "),
            std::string::npos);
  EXPECT_NE(ScriptedTerminal::Text(shown, 12).find(" '127.0.0.1' (115) after ten seconds "), std::string::npos);
  EXPECT_EQ(rig.con.Text(11, 0, 80), std::string(80, ' '));
}

TEST(MessageTest, WarningTengahCetakAndTones) {
  ConsoleRig rig;
  WARNING(rig.con, "Tunggu", "gr+/b");
  EXPECT_EQ(rig.con.Text(24, 37, 6), "Tunggu");
  EXPECT_EQ(rig.con.At(24, 0).attr, 0x1E);
  TENGAH(rig.con, 3, "PALUNDA");
  EXPECT_EQ(rig.con.Text(3, 36, 7), "PALUNDA");
  CETAK(rig.con, 4, 10, xbase::Value::Num(1234.5), "W+/b", "999,999.99");
  EXPECT_EQ(rig.con.Text(4, 10, 10), "  1,234.50");
  EXPECT_EQ(rig.con.At(4, 10).attr, 0x1F);
  BUNYI(rig.con);
  ASSERT_EQ(rig.term.tones().size(), 3u);
  EXPECT_EQ(rig.term.tones()[1].first, 1050);
}

TEST(MessageTest, JudulStreamsCentredLinesAndScrollsAtTheBottom) {
  ConsoleRig rig;
  rig.con.MoveCursor(3, 10);
  JUDUL(rig.con, 40, "LAPORAN");
  JUDUL(rig.con, 40, "BULAN");
  rig.con.Say(1, 0, "second row");
  rig.con.Say(24, 0, "bottom", 0x1F);
  rig.con.MoveCursor(24, 5);
  JUDUL(rig.con, 80, "AKHIR");
  rig.con.Inkey(0);
  EXPECT_EQ(rig.term.Text(0, 0, 10), "second row");
  EXPECT_EQ(rig.term.Text(3, 16, 7), "LAPORAN");
  EXPECT_EQ(rig.term.Text(4, 17, 5), "BULAN");
  EXPECT_EQ(rig.term.Text(23, 0, 6), "bottom");
  EXPECT_EQ(rig.term.At(23, 0).attr, 0x1F);
  EXPECT_EQ(rig.term.Text(24), std::string(37, ' ') + "AKHIR" + std::string(38, ' '));
  EXPECT_EQ(rig.term.At(24, 0).attr, 0x07);
  EXPECT_EQ(rig.term.cursor().row, 24);
  EXPECT_EQ(rig.term.cursor().col, 0);
}

TEST(AlertTest, LinesChoicesAndResult) {
  ConsoleRig rig({key::kRight, key::kEnter});
  rig.con.Say(12, 0, std::string(80, '.'), 0x07);
  EXPECT_EQ(Alert(rig.con, "Yakin akan keluar;dari program ini", {"Ya", "Tidak"}), 2);
  const CellGrid& first = rig.term.screens()[0];
  // Box 21 wide (17 + 4), 6 high, centred: rows 9..14, columns 29..49.
  EXPECT_EQ(ScriptedTerminal::Text(first, 9, 29, 21), "\xda" + std::string(19, '\xc4') + "\xbf");
  EXPECT_EQ(ScriptedTerminal::Text(first, 10, 29, 21), "\xb3 Yakin akan keluar \xb3");
  EXPECT_EQ(ScriptedTerminal::Text(first, 11, 29, 21), "\xb3 dari program ini  \xb3");
  EXPECT_EQ(ScriptedTerminal::Text(first, 13, 29, 21), "\xb3    Ya    Tidak    \xb3");
  EXPECT_EQ(first[13 * kCols + 33].attr, 0x1F);  // current choice "W+/B"
  EXPECT_EQ(first[13 * kCols + 39].attr, 0x4F);
  EXPECT_EQ(rig.term.screens()[1][13 * kCols + 39].attr, 0x1F);
  EXPECT_EQ(rig.con.Text(12, 0, 80), std::string(80, '.'));
  EXPECT_NE(ScriptedTerminal::Dump(first).find("│ Yakin akan keluar │"), std::string::npos) << ScriptedTerminal::Dump(first);

  ConsoleRig letter({'t'});
  EXPECT_EQ(Alert(letter.con, "Output", {"Monitor", "Tidak"}), 2);
  ConsoleRig esc({key::kEsc});
  EXPECT_EQ(Alert(esc.con, "setup data connection fail"), 0);

  // A list longer than the screen stays on it; no choices means "Ok".
  ConsoleRig longer({key::kEnter});
  std::string list = "Daftar Belum cetek :";
  for (int i = 0; i < 30; ++i) list += ";Sj : INV" + std::to_string(i);
  EXPECT_EQ(Alert(longer.con, list, {}), 1);
  const CellGrid& shown = longer.term.screens()[0];
  EXPECT_EQ(ScriptedTerminal::Text(shown, 0, 28, 1), "\xda");
  EXPECT_EQ(ScriptedTerminal::Text(shown, 24, 28, 1), "\xc0");
  EXPECT_NE(ScriptedTerminal::Text(shown, 23).find(" Ok "), std::string::npos);

  // A line wider than the box is wrapped inside it, not cut.
  ConsoleRig wide({key::kEnter});
  const std::string fault = "D:\\DATA\\PALUNDA\\CABANG\\SRTJLN1.DBF: file ends at 1178, before 46258 " +
                            std::string("(the table is shorter than its header says)");
  EXPECT_EQ(Alert(wide.con, fault), 1);
  const std::string dump = ScriptedTerminal::Dump(wide.term.screens()[0]);
  EXPECT_NE(dump.find("D:\\DATA\\PALUNDA\\CABANG\\SRTJLN1.DBF: file ends at 1178, before 46258"),
            std::string::npos)
      << dump;
  EXPECT_NE(dump.find("table is shorter than its header says)"), std::string::npos) << dump;
}

TEST(ChoiceListTest, MovesScrollsAndPicksByLetter) {
  const std::vector<std::string> groups = {"ADMIN", "GUDANG", "KASIR", "PENJUALAN", "PIUTANG"};
  ConsoleRig rig({key::kDown, key::kDown, key::kDown, key::kEnter});
  rig.con.SetColour("W+/br,Gr+/b");
  EXPECT_EQ(AChoice(rig.con, 13, 51, 15, 61, groups), 4);
  const CellGrid& last = rig.term.screens().back();
  EXPECT_EQ(ScriptedTerminal::Text(last, 13, 51, 11), "GUDANG     ");
  EXPECT_EQ(ScriptedTerminal::Text(last, 15, 51, 11), "PENJUALAN  ");
  EXPECT_EQ(last[15 * kCols + 51].attr, 0x1E);
  EXPECT_EQ(last[14 * kCols + 51].attr, 0x5F);

  ConsoleRig letters({'p', 'p', key::kEnter});
  EXPECT_EQ(AChoice(letters.con, 13, 51, 21, 61, groups), 5);
  ConsoleRig esc({key::kEsc});
  EXPECT_EQ(AChoice(esc.con, 13, 51, 21, 61, groups, 3), 0);
}

TEST(KeyHelpTest, PilihanCentresTheLineAndReturnsTheUpperCaseLetter) {
  ConsoleRig rig({'x'});
  const KeyHelp help{{"Cetak ", " Batal "}, {"[Y/T]", "[Esc]"}, "W/n", "Gr+/n"};
  EXPECT_EQ(PILIHAN(rig.con, help), 'X');
  const CellGrid& shown = rig.term.screens()[0];
  // "Cetak [Y/T] Batal [Esc]" is 23 long: from column 28.
  EXPECT_EQ(ScriptedTerminal::Text(shown, 24, 28, 23), "Cetak [Y/T] Batal [Esc]");
  EXPECT_EQ(shown[24 * kCols + 28].attr, 0x07);
  EXPECT_EQ(shown[24 * kCols + 34].attr, 0x0E);
  EXPECT_EQ(rig.term.cursor().col, 52);
  EXPECT_EQ(rig.con.Text(24, 28, 5), "     ");
}

TEST(SecretEntryTest, GetpassEndsAfterTheTenthCharacterWithoutEcho) {
  std::vector<int> keys = ScriptedTerminal::Typed("abc");
  keys.push_back(key::kBackspace);
  const std::vector<int> rest = ScriptedTerminal::Typed("defghijklmn");
  keys.insert(keys.end(), rest.begin(), rest.end());
  ConsoleRig rig(keys);
  EXPECT_EQ(GETPASS(rig.con, 11, 35, "W+/bg"), "abdefghijk");
  EXPECT_EQ(rig.term.keys_left(), 3u);
  EXPECT_EQ(rig.con.Text(11, 35, 10), "-         ");
  EXPECT_FALSE(rig.term.cursor().visible);

  ConsoleRig esc({'a', 'b', key::kEsc});
  EXPECT_EQ(GETPASS(esc.con, 11, 35, "W+/bg"), "");
}

TEST(SecretEntryTest, EnterpaswordShowsTheTextAndHasNoLimit) {
  std::vector<int> keys = ScriptedTerminal::Typed("\\\\server\\data01x");
  keys.push_back(key::kBackspace);
  keys.push_back(key::kEnter);
  ConsoleRig rig(keys);
  EXPECT_EQ(ENTERPASWORD(rig.con, 9, 20, "W+/bg"), "\\\\server\\data01");
  EXPECT_EQ(rig.con.Text(9, 20, 16), "\\\\server\\data01 ");
  EXPECT_EQ(ScriptedTerminal::Text(rig.term.screens()[16], 9, 20, 16), "\\\\server\\data01x");
}

TEST(FieldFormatTest, ValuesThroughPictures) {
  EXPECT_EQ(FormatValue(xbase::Value::Num(1234.5), "999,999.99"), "  1,234.50");
  EXPECT_EQ(FormatValue(xbase::Value::Num(-1234.5), "999,999.99"), " -1,234.50");
  EXPECT_EQ(FormatValue(xbase::Value::Num(123.456), "9999"), " 123");
  EXPECT_EQ(FormatValue(xbase::Value::Num(0), "99.99"), " 0.00");
  EXPECT_EQ(FormatValue(xbase::Value::Num(0.5), "99.99"), " 0.50");
  EXPECT_EQ(FormatValue(xbase::Value::Num(12345), "9,999"), "*****");
  EXPECT_EQ(FormatValue(xbase::Value::Num(999.995), "999.99"), "***.**");
  EXPECT_EQ(FormatValue(xbase::Value::Num(7), "99."), " 7.");
  EXPECT_EQ(FormatValue(xbase::Value::Num(0), "@Z 999"), "   ");
  EXPECT_EQ(FormatValue(xbase::Value::Num(42, 5, 0), ""), "   42");
  EXPECT_EQ(FormatValue(xbase::Value::Text("abc"), "@!"), "ABC");
  EXPECT_EQ(FormatValue(xbase::Value::Text("ab-c"), "!!X!"), "AB-C");
  EXPECT_EQ(FormatValue(xbase::Value::Logical(true), "Y"), "Y");
  EXPECT_EQ(FormatValue(xbase::Value::FromDate(xbase::Date::FromYmd(2024, 2, 9)), ""), "09-02-2024");
  EXPECT_EQ(FormatValue(xbase::Value::FromDate(xbase::Date()), ""), "  -  -    ");
  const Picture pic = ParsePicture("@S35!K");
  EXPECT_EQ(pic.scroll, 35);
  EXPECT_TRUE(pic.upper);
  EXPECT_TRUE(pic.clear_on_key);
  EXPECT_EQ(ParsePicture("@!s20").scroll, 20);
  EXPECT_EQ(ParsePicture("@Z 999.99").mask, "999.99");
}

}  // namespace
}  // namespace console
