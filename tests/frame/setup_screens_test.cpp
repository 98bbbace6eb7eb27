// The settings editor (add, delete, recall), the company setup's save by key, and the change of
// data folder with its refusal and Esc.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>


#include "console/keys.h"
#include "frame/gantidir.h"
#include "frame/setup.h"
#include "frame/tbbm.h"
#include "frame/tsetup.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"
#include "xbase/ntx_orders.h"
#include "xbase/text_functions.h"

namespace frame {

using support::AddRows;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::StoredText;
using support::T;
using support::TempDataFolder;

namespace {

using console::key::kDel;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF2;
using console::key::kPgDn;
constexpr int kCtrlY = 25;

std::vector<int> Typed(std::string_view text) { return console::ScriptedTerminal::Typed(text); }

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> keys;
  for (const auto& part : parts) keys.insert(keys.end(), part.begin(), part.end());
  return keys;
}

class SetupScreensTest : public ::testing::Test {
 protected:
  SetupScreensTest() { rig.session.SetSearchPath(folder.path()); }
  // Closes the session's tables and opens SETUP afresh for checking.
  xbase::WorkArea& SetupArea() {
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return Open(rig.session, "SETUP");
  }
  TempDataFolder folder{{"SETUP", "TBBM", "MASTACC", "LOGSETUP", "JURNAL1"}};
  SessionRig rig;
};

TEST_F(SetupScreensTest, EditorAddsARowThenOverwritesItsKey) {
  AddRows(SetupArea(), {{{"SETUP", T("POTONGPPN")}, {"KET", T("10")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(Join({{kF2}, Typed("abc"), {kEnter}, Typed("nilai satu"), {kEnter, 'Y'},
                         // The box asks again with the values just entered: change the value, save again.
                         {kEnter}, Typed("nilai dua"), {kCtrlY, kEnter, 'y'},
                         {kCtrlY, kEnter, kEnter}, {kEsc}}));
  ASSERT_TRUE(TSETUP(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(rig.term, " Tambah Data "));
  EXPECT_TRUE(Shown(rig.term, "Yakin data akan disimpan (Y/T)"));
  EXPECT_TRUE(Shown(rig.term, "Tabel Setup"));
  xbase::WorkArea& setup = SetupArea();
  ASSERT_EQ(setup.table().record_count(), 2u);
  EXPECT_EQ(StoredText(setup, 2, "SETUP"), "ABC");
  EXPECT_EQ(StoredText(setup, 2, "KET"), "nilai dua");
  EXPECT_EQ(StoredText(setup, 1, "KET"), "10");
  // The editor wrote through the open index: the new key is found there and the index is sound.
  std::vector<std::string> faults;
  ASSERT_TRUE(setup.orders().Check(&faults).ok());
  EXPECT_TRUE(faults.empty()) << faults.front();
  ASSERT_TRUE(setup.orders().Seek(xbase::Value::Text("ABC")).ok());
  EXPECT_TRUE(setup.found());
  EXPECT_EQ(setup.recno(), 2u);
}

TEST_F(SetupScreensTest, DelDeletesARowAndRecallsADeletedOne) {
  AddRows(SetupArea(), {{{"SETUP", T("A")}, {"KET", T("satu")}}, {{"SETUP", T("B")}, {"KET", T("dua")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys({console::key::kNone, kDel, kEsc});
  ASSERT_TRUE(TSETUP(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Esc) Selesai, F2) Tambah Data, F4) Cari, Del) Recall"));
  EXPECT_TRUE(Shown(rig.term, "09:00:01"));  // the clock ticked while the editor waited
  xbase::WorkArea& setup = SetupArea();
  ASSERT_TRUE(setup.GoTo(1).ok());
  EXPECT_TRUE(setup.deleted());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  rig.term.AddKeys({kDel, kEsc});
  ASSERT_TRUE(TSETUP(rig.session, {}).ok());
  xbase::WorkArea& again = SetupArea();
  ASSERT_TRUE(again.GoTo(1).ok());
  EXPECT_FALSE(again.deleted());
  EXPECT_TRUE(rig.session.tables().deleted_hidden());
}

TEST_F(SetupScreensTest, FuelTableAddsAPrice) {
  rig.term.AddKeys(Join({{kF2}, Typed("solar"), {kEnter}, Typed("6800"), {kEnter, 'Y'}, {kCtrlY, kEnter, kEnter, kEsc}}));
  ASSERT_TRUE(TBBM(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Esc) Selesai, F2) Tambah, F4) Cari, "));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  xbase::WorkArea& fuel = Open(rig.session, "TBBM");
  ASSERT_EQ(fuel.table().record_count(), 1u);
  EXPECT_EQ(StoredText(fuel, 1, "BBM"), "SOLAR");
  EXPECT_EQ(fuel.Number("HARGA"), 6800);
}

// An empty table has no cell to type into: the typed character is dropped and Esc still leaves.
TEST_F(SetupScreensTest, TypingIntoAnEmptyFuelTableIsIgnored) {
  // The menu's side panel ends in the last column, under the list's shadow.
  rig.con.Say(4, 73, "Pemakai", 0x07);
  rig.term.AddKeys(Join({Typed("a"), {kEnter}, Typed("7"), {kEsc}}));
  ASSERT_TRUE(TBBM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(console::ScriptedTerminal::Text(rig.term.screens().front(), 4, 79, 1), " ");
  EXPECT_EQ(rig.con.Text(4, 73, 7), "Pemakai");  // put back when the list closes
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(Open(rig.session, "TBBM").table().record_count(), 0u);
}

TEST_F(SetupScreensTest, CompanySetupSavesEachValueToTheRowOfItsKey) {
  AddRows(SetupArea(), {{{"SETUP", T("\xE0SET113")}, {"KET", T("DATA2024")}},
                    {{"SETUP", T("\xE0SET101")}, {"KET", T("PT PALUNDA")}},
                    {{"SETUP", T("\xE0SET102")}, {"KET", T("JL. MERDEKA")}},
                    {{"SETUP", T("\xE0SET214")}, {"KET", T("15-03-2024")}}});
  AddRows(Open(rig.session, "LOGSETUP"), {{{"LOGEDPATH", T("DATA2024")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.session.DRVDATA_ = folder.path() + "/";
  rig.term.AddKeys(Join({Typed("PT BARU"), {kCtrlY, kPgDn, 'Y'}}));
  ASSERT_TRUE(SETUP(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "  Nama Perusahaan   :"));
  EXPECT_TRUE(Shown(rig.term, "JL. MERDEKA"));

  xbase::WorkArea& setup = SetupArea();
  EXPECT_EQ(StoredText(setup, 1, "KET"), "DATA2024");
  EXPECT_EQ(StoredText(setup, 2, "KET"), "PT BARU");
  EXPECT_EQ(StoredText(setup, 3, "KET"), "JL. MERDEKA");
  EXPECT_EQ(StoredText(setup, 4, "KET"), "15-03-2024");
  ASSERT_EQ(setup.table().record_count(), 14u);  // the ten missing values get their rows
  EXPECT_EQ(StoredText(setup, 5, "SETUP"), "\xE0SET103");
  EXPECT_EQ(StoredText(setup, 14, "SETUP"), "\xE0SET112");

  EXPECT_EQ(std::string(xbase::RTrim(rig.session.STP.text[1])), "PT BARU");
  EXPECT_EQ(rig.session.STP.text[13], folder.path() + "/DATA2024");
  EXPECT_EQ(rig.session.STP.date, xbase::Date::FromYmd(2024, 3, 15));
  xbase::WorkArea& log = Open(rig.session, "LOGSETUP");
  ASSERT_TRUE(log.GoTo(1).ok());
  EXPECT_EQ(log.DateOf("LOGEDDATE"), xbase::Date::FromYmd(2024, 3, 15));
}

// Esc while another workstation holds the date row: no value is written, the form stays with what was
// typed, and a second try after it lets go saves everything.
TEST_F(SetupScreensTest, CompanySetupSavesAllItsRowsOrNone) {
  AddRows(SetupArea(), {{{"SETUP", T("\xE0SET113")}, {"KET", T("DATA2024")}},
                        {{"SETUP", T("\xE0SET101")}, {"KET", T("PT PALUNDA")}},
                        {{"SETUP", T("\xE0SET214")}, {"KET", T("15-03-2024")}}});
  AddRows(Open(rig.session, "LOGSETUP"), {{{"LOGEDPATH", T("DATA2024")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.session.DRVDATA_ = folder.path() + "/";
  {
    support::OtherWorkstation other(folder.path());
    other.Hold("SETUP", 3);
    rig.term.AddKeys(Join({Typed("PT BARU"), {kCtrlY, kPgDn, 'Y', kEsc, ' ', ' ', kEsc}}));
    ASSERT_TRUE(SETUP(rig.session, {}).ok());
    EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 3 file SETUP.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    xbase::WorkArea& setup = SetupArea();
    EXPECT_EQ(setup.table().record_count(), 3u);
    EXPECT_EQ(StoredText(setup, 2, "KET"), "PT PALUNDA");
    EXPECT_EQ(std::string(xbase::RTrim(rig.session.STP.text[1])), "");
  }
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(Join({Typed("PT BARU"), {kCtrlY, kPgDn, 'Y'}}));
  ASSERT_TRUE(SETUP(rig.session, {}).ok());
  xbase::WorkArea& setup = SetupArea();
  EXPECT_EQ(setup.table().record_count(), 14u);
  EXPECT_EQ(StoredText(setup, 2, "KET"), "PT BARU");
  EXPECT_EQ(std::string(xbase::RTrim(rig.session.STP.text[1])), "PT BARU");
}

// A company name stored longer than its 35 columns is edited in a scrolling field and kept whole when
// the user changes only another value.
TEST_F(SetupScreensTest, CompanySetupKeepsALongerNameUnlessItIsEdited) {
  const std::string name = "PT. PALUNDA SENTOSA ABADI JAYA MAKMUR SEJAHTERA";
  AddRows(SetupArea(), {{{"SETUP", T("\xE0SET101")}, {"KET", T(name)}},
                        {{"SETUP", T("\xE0SET102")}, {"KET", T("JL. MERDEKA")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.session.DRVDATA_ = folder.path() + "/";
  rig.term.AddKeys(Join({{kEnter}, Typed("JL. BARU"), {kCtrlY, kPgDn, 'Y'}}));
  ASSERT_TRUE(SETUP(rig.session, {}).ok());
  const console::CellGrid& form = rig.term.screens().front();
  EXPECT_EQ(console::ScriptedTerminal::Text(form, 5, 28, 35), name.substr(0, 35));
  EXPECT_EQ(console::ScriptedTerminal::Text(form, 5, 63, 12), std::string(12, ' '));
  xbase::WorkArea& setup = SetupArea();
  EXPECT_EQ(StoredText(setup, 1, "KET"), name);
  EXPECT_EQ(StoredText(setup, 2, "KET"), "JL. BARU");
  EXPECT_EQ(std::string(xbase::RTrim(rig.session.STP.text[1])), name);
}

TEST_F(SetupScreensTest, CompanySetupEscSavesNothing) {
  AddRows(SetupArea(), {{{"SETUP", T("\xE0SET101")}, {"KET", T("PT PALUNDA")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(Join({Typed("PT BARU"), {kEsc}}));
  ASSERT_TRUE(SETUP(rig.session, {}).ok());
  xbase::WorkArea& setup = SetupArea();
  EXPECT_EQ(setup.table().record_count(), 1u);
  EXPECT_EQ(StoredText(setup, 1, "KET"), "PT PALUNDA");
}

class ChangeFolderTest : public SetupScreensTest {
 protected:
  // The folders are short enough for the 50 characters of the field and of LOGEDPATH.
  ChangeFolderTest() {
    std::filesystem::create_directories(base / "data2");
    std::ofstream(base / "data2" / "JURNAL1.DBF") << "";
    std::filesystem::create_directories(base / "kosong");
    AddRows(Open(rig.session, "LOGSETUP"),
            {{{"LOGEDPATH", T(xbase::Upper(base.string() + "/DATA2"))}, {"LOGEDDATE", xbase::Value::FromDate(xbase::Date::FromYmd(2024, 5, 31))}}});
    rig.session.STP.text[13] = "LAMA";
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }
  std::vector<std::string> Path() { return rig.session.tables().search_path().folders(); }
  support::TempFolder base_folder;
  std::filesystem::path base{base_folder.path()};
};

TEST_F(ChangeFolderTest, EscLeavesTheSearchPathAsItWas) {
  const auto before = Path();
  rig.term.AddKeys(Join({Typed("X"), {kEsc}}));
  ASSERT_TRUE(GANTIDIR(rig.session, {}).ok());
  EXPECT_EQ(Path(), before);
  EXPECT_EQ(rig.session.STP.text[13], "LAMA");
  EXPECT_EQ(rig.session.tables().Area("logsetup"), nullptr);
}

TEST_F(ChangeFolderTest, AFolderWithoutTheJournalIsRefusedAndAGoodOneTaken) {
  rig.term.AddKeys(Join({Typed(base.string() + "/kosong"), {kEnter, kEnter}, {console::key::kHome, kCtrlY},  // a key for the message
                         Typed(base.string() + "/data2"), {kEnter}}));
  ASSERT_TRUE(GANTIDIR(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Direktori salah...."));
  EXPECT_EQ(std::string(xbase::RTrim(rig.session.STP.text[13])), xbase::Upper(base.string() + "/data2"));
  EXPECT_EQ(rig.session.STP.date, xbase::Date::FromYmd(2024, 5, 31));
  ASSERT_EQ(Path().size(), 1u);
  EXPECT_EQ(Path()[0], base.string() + "/data2");
}

TEST_F(ChangeFolderTest, QuestionMarkPicksAFolderFromTheLog) {
  rig.term.AddKeys({'?', kEnter, kEnter});
  ASSERT_TRUE(GANTIDIR(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Directory"));
  EXPECT_EQ(std::string(xbase::RTrim(rig.session.STP.text[13])), xbase::Upper(base.string() + "/data2"));
  ASSERT_EQ(Path().size(), 1u);
  EXPECT_EQ(Path()[0], base.string() + "/data2");
  EXPECT_EQ(rig.session.STP.date, xbase::Date::FromYmd(2024, 5, 31));
}

}  // namespace
}  // namespace frame
