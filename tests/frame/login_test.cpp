// The connection settings screen, the login box and what a good or refused login leaves behind.
#include "frame/login.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "frame/frame_procedures.h"
#include "login_site_helpers.h"
#include "support/programs.h"
#include "site/data_folder.h"
#include "xbase/cipher.h"
#include "xbase/text_functions.h"

namespace frame {

using support::Keys;
using support::Line;
using support::Login;
namespace {

using console::ScriptedTerminal;
namespace key = console::key;
using LoginTest = LoginRun;

TEST_F(LoginTest, SettingsScreenWithEmptyServerFailsWithoutWritingTheFile) {
  std::filesystem::remove(site_.ini_path());
  rig_.term.AddKeys(Keys({{key::kEnter}, Line(site_.data()), {key::kEnter, key::kEnter}}));
  rig_.term.AddKeys({key::kEnter, key::kEnter});  // the two alerts
  MULAI(rig_.session, site_.ini_path());
  EXPECT_TRUE(Shown(7, " Aplikasi Palunda"));
  EXPECT_EQ(ScriptedTerminal::Text(rig_.term.screens().front(), 9, 8, 12), "    SerVer :");
  EXPECT_TRUE(Shown(11, "setup data connection fail"));
  EXPECT_TRUE(Shown(11, "..... \"anda tidak berhak menggunakan program ini\" ....."));
  EXPECT_FALSE(std::filesystem::exists(site_.ini_path()));
  EXPECT_EQ(rig_.term.overruns(), 0);
}

TEST_F(LoginTest, SettingsScreenWritesTheFileAndGoesOnToTheLogin) {
  std::filesystem::remove(site_.ini_path());
  rig_.term.AddKeys(Keys({Line(" fileserver"), Line(site_.data()), Line("budi"), Line("rahasia"), {key::kEsc}}));
  Run({});
  EXPECT_EQ(LoginBoxes(), 1);
  std::stringstream text;
  text << std::ifstream(site_.ini_path()).rdbuf();
  EXPECT_TRUE(text.str().starts_with("; Start comment\n")) << text.str();
  EXPECT_NE(text.str().find("Desc=Aplikasi Palunda\n"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("Ver=Version (2018)\n"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("[SourceData]\n"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("Database=" + site_.data() + "\n"), std::string::npos) << text.str();
  EXPECT_EQ(text.str().find("rahasia"), std::string::npos) << text.str();
  ConnectionSettings read;
  ASSERT_TRUE(ReadConnectionSettings(site_.ini_path(), &read).ok());
  EXPECT_EQ(read.server, " fileserver");  // as typed; the program itself takes it trimmed
  EXPECT_EQ(read.user, "budi");
  EXPECT_EQ(read.password, "rahasia");
  EXPECT_EQ(rig_.session.SERVER_, "fileserver");
  EXPECT_EQ(rig_.session.DRVDATA_, site_.data() + "/");
}

TEST_F(LoginTest, EncipheredSettingHoldingALineFeedSurvivesTheFile) {
  // "fileserver" enciphers to bytes holding a line feed.
  const std::string server = "fileserver";
  ASSERT_NE(xbase::Encipher(server, xbase::kConnectionKey).find('\n'), std::string::npos);
  ASSERT_TRUE(WriteConnectionSettings({server, "user", "pw", "/data"}, site_.ini_path()).ok());
  ConnectionSettings read;
  ASSERT_TRUE(ReadConnectionSettings(site_.ini_path(), &read).ok());
  EXPECT_EQ(read.server, server);
  EXPECT_EQ(read.folder, "/data");
}

TEST_F(LoginTest, GoodLoginLoadsTheSettingsAndShowsTheMenu) {
  const PrinterMargins margins{1.5, 2.25, 0.5, 0.75, 40, 66};
  site_.AddSetup(MarginKey("WS-TEST"), FormatMargins(margins));
  site_.AddSetup("ADJUSTMENT", "30-11-2026");
  site_.AddSetup("TMPFILELAP", "/tmp/lap  ");
  site_.AddSetup(std::string(1, static_cast<char>(239)) + "DIR1", " /srv/extra ");
  site_.AddSetup(std::string(1, static_cast<char>(224)) + "SET109", " ABCD ");  // wider than its 2 places
  site_.AddSetup(std::string(1, static_cast<char>(224)) + "SET214", "");
  Run(Keys({Login("SYSADMIN", "admin"), {key::kEsc, 'Y'}}));

  EXPECT_TRUE(Shown(7, " Login                    PALUNDA"));
  EXPECT_TRUE(Shown(10, "Administrator"));
  EXPECT_TRUE(Shown(2, " Sistem    Laporan    Tabel "));
  EXPECT_TRUE(Shown(5, " Tambah/Edit User "));
  EXPECT_TRUE(Shown(0, "-= GRUP MENU ADMIN =-"));
  EXPECT_TRUE(Shown(0, "Bln Proses : DESEMBER 2026"));
  EXPECT_TRUE(Shown(19, "PT CONTOH JAYA"));
  EXPECT_TRUE(Shown(20, "Jl. Mawar 1 Jakarta"));
  EXPECT_TRUE(Shown(21, "Indonesia"));
  EXPECT_TRUE(Shown(11, "Yakin akan keluar dari program ini"));
  // The user, the data sub-folder and the workstation, right-aligned.
  const auto& menu = rig_.term.screens().back();
  EXPECT_EQ(ScriptedTerminal::Text(menu, 5, 67), "Administrator");
  EXPECT_EQ(ScriptedTerminal::Text(menu, 7, 75), "arsip");
  EXPECT_EQ(ScriptedTerminal::Text(menu, 9, 73), "WS-TEST");
  // The banner of an ADMIN group.
  EXPECT_EQ(menu[11 * console::kCols + 13].ch, 0xDB);

  const Session& s = rig_.session;
  EXPECT_EQ(s.POTONGPPN, 11);
  EXPECT_EQ(s.TGAJUSMENT, xbase::Date::FromYmd(2026, 11, 30));
  EXPECT_EQ(s.TMPFILELAP_, "/tmp/lap");
  EXPECT_EQ(s.SEARCHPATH_, ";/srv/extra");
  EXPECT_EQ(s.STP.text[1], xbase::PadR("PT CONTOH JAYA", 60));
  EXPECT_EQ(s.STP.text[9], "ABCD");
  EXPECT_EQ(s.STP.date, xbase::Date::FromYmd(2026, 12, 8));
  EXPECT_EQ(s.STP.text[13], xbase::PadR(site_.data() + "/arsip", 50 + static_cast<int>(site_.data().size()) + 1));
  EXPECT_EQ(s.margins.left_portrait, 2.25);
  EXPECT_EQ(s.margins.lines_portrait, 66);
  EXPECT_EQ(s.ZTGLBATAS, xbase::Date::FromYmd(2026, 12, 1));
  EXPECT_EQ(s.ZTGPROSES, xbase::Date::FromYmd(2026, 12, 31));
  EXPECT_EQ(s.ZHARIBATAS, " 3");
  EXPECT_EQ(s.ZHARICETAK, " 5");
  EXPECT_EQ(rig_.term.overruns(), 0);
  EXPECT_EQ(rig_.term.keys_left(), 0u);
}

TEST_F(LoginTest, WrongPasswordUnknownNikAndMissingRightsEndTheirAttempt) {
  Run(Keys({Login("SYSADMIN", "salah"), {' '}, Line("admin"), {key::kEsc, 'Y'}}));
  EXPECT_TRUE(Shown(24, "Password salah...."));
  EXPECT_TRUE(Shown(2, " Sistem "));
}

TEST_F(LoginTest, UnknownNikAndUserWithoutRightsAreRefused) {
  Run(Keys({Line("NOBODY"), {' '}, Login("TANPA", "tanpa"), {' '}, {key::kEsc}}));
  EXPECT_TRUE(Shown(24, "user belum terdaftar"));
  EXPECT_TRUE(Shown(24, "hak akses untuk user tersebut belum diset"));
  EXPECT_TRUE(Shown(10, "Tanpa Hak"));
  EXPECT_EQ(LoginBoxes(), 3);
  EXPECT_FALSE(Shown(2, " Sistem "));
  EXPECT_EQ(rig_.term.keys_left(), 0u);
}

TEST_F(LoginTest, FourthFailedAttemptEndsTheProgram) {
  // Three wrong passwords are one attempt; an empty password ends an attempt at once.
  Run(Keys({Login("SYSADMIN", "a"), {' '}, Line("b"), {' '}, Line("c"), {' '},  //
            Line("NOBODY"), {' '}, Line("SYSADMIN"), {key::kEnter}, Line("NOBODY"), {' '},
            Login("SYSADMIN", "admin")}));
  EXPECT_EQ(LoginBoxes(), 4);
  EXPECT_EQ(rig_.term.keys_left(), Login("SYSADMIN", "admin").size());
}

TEST_F(LoginTest, FinishedVisitCountsAsTheFirstAttempt) {
  // KEMBALI logs off; three more failures end the program.
  Run(Keys({Login("SYSADMIN", "admin"), {key::kUp, key::kEnter}, Line("X1"), {' '}, Line("X2"), {' '}, Line("X3"),
            {' '}, Line("X4")}));
  EXPECT_EQ(LoginBoxes(), 4);
  EXPECT_EQ(rig_.term.keys_left(), Line("X4").size());
}

TEST_F(LoginTest, TheLoginBoxAfterAVisitStandsOnAClearScreen) {
  // Nothing of the menu's bar or of the pull-down KEMBALI was chosen from stays around the login box.
  Run(Keys({Login("SYSADMIN", "admin"), {key::kUp, key::kEnter}}));
  std::vector<const console::CellGrid*> boxes;
  for (const console::CellGrid& grid : rig_.term.screens()) {
    if (ScriptedTerminal::Text(grid, 7).find(" Login                    PALUNDA") != std::string::npos &&
        ScriptedTerminal::Text(grid, 9, 35, 10) == "          ") {
      boxes.push_back(&grid);
    }
  }
  ASSERT_EQ(boxes.size(), 2u);
  for (int row = 0; row < console::kRows; ++row) {
    EXPECT_EQ(ScriptedTerminal::Text(*boxes[1], row), ScriptedTerminal::Text(*boxes[0], row)) << "row " << row;
  }
}

TEST_F(LoginTest, FirstLoginOfADayRewritesTheBudgetKeepingTheRest) {
  Run(Keys({Line("NOBODY"), {' ', key::kEsc}}), "01-12-202631-12-2026   5  12 7   3 ");
  EXPECT_EQ(site_.Budget(), "08-12-202631-12-2026    5 12  7   3");
  // The program goes on with the date read before the rewrite; the day limits come re-formatted.
  EXPECT_EQ(rig_.session.ZTGLBATAS, xbase::Date::FromYmd(2026, 12, 1));
  EXPECT_EQ(rig_.session.ZHARIBATAS, " 5");
  EXPECT_EQ(rig_.session.ZHARICETAK, "12");
}

TEST_F(LoginTest, BudgetOfTodayIsLeftAloneAndAnEmptyProcessDateIsThisMonthsEnd) {
  const std::string budget = "08-12-2026              3  5 10  20";
  Run({key::kEsc}, budget);
  EXPECT_EQ(site_.Budget(), budget);
  EXPECT_EQ(rig_.session.ZTGPROSES, xbase::Date::FromYmd(2026, 12, 31));
}

TEST_F(LoginTest, NoDefaultLogsetupRowIsToldAndNothingIsWritten) {
  const std::string budget = "01-11-202630-11-2026    3  5 10  20";
  site_.AddLogsetup("C:\\OTHER", budget, false);
  rig_.term.AddKeys({' ', key::kEsc});
  MULAI(rig_.session, site_.ini_path());
  EXPECT_TRUE(Shown(24, "LOGSETUP tidak punya baris DEFAULT"));
  EXPECT_EQ(site_.Budget(), budget);
  EXPECT_TRUE(rig_.session.ZTGLBATAS.empty());
  EXPECT_EQ(rig_.session.ZTGPROSES, xbase::Date::FromYmd(2026, 12, 31));
  EXPECT_EQ(LoginBoxes(), 1);
}

TEST_F(LoginTest, UserWithTwoGroupsChoosesOne) {
  Run(Keys({Login("BUDI", "budi"), {key::kDown, key::kEnter}, {key::kEsc, 'Y'}}));
  EXPECT_TRUE(Shown(11, "Grup Menu  "));
  EXPECT_TRUE(Shown(13, "ADMIN"));
  EXPECT_TRUE(Shown(14, "KASIR"));
  EXPECT_TRUE(Shown(2, " Kasir "));
  EXPECT_TRUE(Shown(0, "-= GRUP MENU KASIR =-"));
  // No banner outside an ADMIN group.
  EXPECT_NE(rig_.term.screens().back()[11 * console::kCols + 13].ch, 0xDB);
}

TEST_F(LoginTest, PasswordEntryReadsAsGantiPasswordForOtherUsers) {
  Run(Keys({Login("BUDI", "budi"), {key::kEnter}, {key::kEsc, 'Y'}}));
  EXPECT_TRUE(Shown(5, " Ganti Password "));
  EXPECT_FALSE(Shown(5, "Tambah/Edit User"));
}

TEST_F(LoginTest, EscInTheGroupChoiceEndsTheAttempt) {
  Run(Keys({Login("BUDI", "budi"), {key::kEsc}, {key::kEsc}}));
  EXPECT_EQ(LoginBoxes(), 2);
  EXPECT_FALSE(Shown(2, " Sistem "));
}

// A data folder that is not there, or holds no tables, is named as the cause with what to do.
TEST_F(LoginTest, UnreachableDataFolderEndsTheLoginWithAMessage) {
  ASSERT_TRUE(WriteConnectionSettings({"srv", "", "", "/nowhere/data"}, site_.ini_path()).ok());
  rig_.term.AddKeys({' '});
  MULAI(rig_.session, site_.ini_path());
  EXPECT_TRUE(Shown(24, "/nowhere/data/: the data folder named in Palunda.ini does not exist"));
  EXPECT_EQ(LoginBoxes(), 0);
  EXPECT_EQ(rig_.term.keys_left(), 0u);

  std::filesystem::create_directories(site_.root() + "/empty");
  ASSERT_TRUE(WriteConnectionSettings({"srv", "", "", site_.root() + "/empty"}, site_.ini_path()).ok());
  rig_.term.AddKeys({' '});
  MULAI(rig_.session, site_.ini_path());
  EXPECT_TRUE(support::ShownWhole(rig_.term, "empty/: holds no setup.dbf; make a data folder with palunda-setup")) << ScriptedTerminal::Dump(rig_.term.screens().back());
  EXPECT_EQ(LoginBoxes(), 0);
  EXPECT_EQ(rig_.term.overruns(), 0);
}

// An empty, garbled or cut settings file names no data folder: it is refused saying so, never read
// as the root of the file system; and no such file is written.
TEST_F(LoginTest, SettingsWithoutADataFolderAreRefused) {
  const std::string expected = site_.ini_path() + ": names no data folder; palunda --settings DATA_FOLDER writes one";
  for (const std::string& text : {std::string(), std::string("\x01\xFF garbage\n=\n[\n"),
                                  std::string("; Start comment\n[SourceData]\nHost_ID=\nDatabase=  \n")}) {
    std::ofstream(site_.ini_path(), std::ios::binary | std::ios::trunc) << text;
    ConnectionSettings read;
    EXPECT_EQ(ReadConnectionSettings(site_.ini_path(), &read).ToString(), "Invalid argument: " + expected);
  }
  rig_.term.AddKeys({' ', key::kEnter});
  MULAI(rig_.session, site_.ini_path());
  EXPECT_TRUE(support::ShownWhole(rig_.term, "Palunda.ini: names no data folder; palunda --settings DATA_FOLDER writes one"));
  EXPECT_EQ(rig_.session.DRVDATA_, "");
  EXPECT_EQ(LoginBoxes(), 0);

  std::filesystem::remove(site_.ini_path());
  EXPECT_EQ(WriteConnectionSettings({"srv", "", "", "  "}, site_.ini_path()).ToString(), "Invalid argument: " + expected);
  const std::string command = "cd " + site_.root() + " && " + support::ProgramPath("palunda") + " --settings '' 2>/dev/null";
  const int code = std::system(command.c_str());
  EXPECT_EQ(WEXITSTATUS(code), 1);
  EXPECT_FALSE(std::filesystem::exists(site_.ini_path()));
}

TEST_F(LoginTest, TheWorkstationSectionsOfTheSettingsFileChooseTheOutputDevices) {
  std::ofstream(site_.ini_path(), std::ios::app) << "[DotMatrix]\nSpool=cetak\n[Reports]\nFolder=/srv/laporan\n";
  Run(Keys({{key::kEsc}}));
  EXPECT_EQ(LoginBoxes(), 1);
  const platform::WorkstationSettings& settings = rig_.session.services().settings();
  EXPECT_EQ(settings.dot_matrix.kind, platform::DotMatrixSink::Kind::kSpool);
  EXPECT_EQ(settings.dot_matrix.target, site_.root() + "/cetak");
  EXPECT_EQ(settings.reports_folder, "/srv/laporan");
  EXPECT_EQ(rig_.session.services().LocalReportFolder(), site_.root() + "/tmp");
}

TEST_F(LoginTest, AWrongWorkstationSettingIsNamedAndEndsTheProgram) {
  std::ofstream(site_.ini_path(), std::ios::app) << "[DotMatrix]\nDevice=lp0\n";
  rig_.term.AddKeys({' '});
  MULAI(rig_.session, site_.ini_path());
  EXPECT_TRUE(support::ShownWhole(rig_.term, "[DotMatrix] Device: 'lp0' is not")) << ScriptedTerminal::Dump(rig_.term.screens().back());
  EXPECT_EQ(LoginBoxes(), 0);
  EXPECT_EQ(rig_.term.keys_left(), 0u);
}

}  // namespace
}  // namespace frame
