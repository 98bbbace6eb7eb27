// Menu rights: ticking entries of a group for a user, the browse's keys and colours, the NIK check, and
// copying all rights of one user to another.
#include "frame/a12.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/password.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace key = console::key;
using console::ScriptedTerminal;
using support::Keys;
using support::Line;
using support::ShownOnRow;
using support::T;

class RightsTest : public ::testing::Test {
 protected:
  RightsTest() {
    rig.session.SetSearchPath(folder.path());
    xbase::WorkArea& menu = support::Open(rig.session, "MENU");
    const struct {
      const char *grup, *kode, *induk;
      int lvl;
      const char *text, *call;
    } rows[] = {{"ADMIN", "1", "", 1, "Sistem", ""},       {"ADMIN", "11", "1", 2, "Password Login", "PASS()"},
                {"ADMIN", "12", "1", 2, "Setup Data", ""}, {"ADMIN", "121", "12", 3, "Satu", "SATU()"},
                {"ADMIN", "2", "", 1, "Laporan", ""},      {"ADMIN", "21", "2", 2, "Harian", "HARIAN()"},
                {"KASIR", "K", "", 1, "Kasir", ""},        {"KASIR", "K1", "K", 2, "Kas Masuk", "KASMASUK()"}};
    for (const auto& row : rows) {
      support::AddRows(menu, {{{"GRUP", T(row.grup)},
                               {"KODE", T(row.kode)},
                               {"INDUK", T(row.induk)},
                               {"LVL", support::N(row.lvl)},
                               {"KETERANGAN", T(row.text)},
                               {"PROSEDUR", T(row.call)}}});
    }
    xbase::WorkArea& users = support::Open(rig.session, "TRANSAK");
    support::AddRows(users, {{{"USER_ID", T("SYSADMIN")}, {"USER_NM", T("Administrator")}, {"LEVEL_ID", support::N(1)}},
                             {{"USER_ID", T("BUDI")}, {"USER_NM", T("Budi Santoso")}, {"LEVEL_ID", support::N(2)}}});
    AddRight("SYSADMIN", "ADMIN", "11", "1", "1");
    AddRight("SYSADMIN", "ADMIN", "121", "1", "12");
    AddRight("SYSADMIN", "ADMIN", "21", "2", "2");
    AddRight("SYSADMIN", "KASIR", "K1", "K", "K");
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    rig.session.MMEMBER.nik = "SYSADMIN  ";
  }

  void AddRight(const char* nik, const char* grup, const char* kode, const char* induk1, const char* induk2) {
    support::AddRows(
        support::Open(rig.session, "USERDAT"),
        {{{"NIK", T(nik)}, {"GRUP", T(grup)}, {"KODE", T(kode)}, {"INDUK1", T(induk1)}, {"INDUK2", T(induk2)}}});
  }

  // Every USERDAT row as "NIK GRUP KODE INDUK1 INDUK2", " deleted" after a deleted one.
  std::vector<std::string> Rights() {
    xbase::Session tables(xbase::SearchPath({folder.path()}));
    xbase::WorkArea* area = nullptr;
    EXPECT_TRUE(tables.Use("USERDAT", "", xbase::OpenMode::kShared, &area).ok());
    std::vector<std::string> rows;
    for (uint32_t recno = 1; area != nullptr && recno <= area->table().record_count(); ++recno) {
      EXPECT_TRUE(area->GoTo(recno).ok());
      std::string row;
      for (const char* field : {"NIK", "GRUP", "KODE", "INDUK1", "INDUK2"}) {
        row += std::string(xbase::RTrim(area->Text(field))) + " ";
      }
      rows.push_back(std::string(xbase::RTrim(row)) + (area->deleted() ? " deleted" : ""));
    }
    return rows;
  }

  void Run(xbase::Status (*screen)(Session&, const std::vector<xbase::Value>&), const std::vector<int>& keys) {
    rig.term.AddKeys(keys);
    const xbase::Status status = screen(rig.session, {});
    EXPECT_TRUE(status.ok()) << status.ToString();
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(rig.session.tables().Area("USERDAT"), nullptr);
  }

  support::TempDataFolder folder{{"MENU", "USERDAT", "TRANSAK"}};
  support::SessionRig rig;
};

const std::vector<std::string> kAdministratorRights = {"SYSADMIN ADMIN 11 1 1", "SYSADMIN ADMIN 121 1 12",
                                                       "SYSADMIN ADMIN 21 2 2", "SYSADMIN KASIR K1 K K"};

std::vector<std::string> With(std::vector<std::string> rows, const std::vector<std::string>& more) {
  rows.insert(rows.end(), more.begin(), more.end());
  return rows;
}

TEST_F(RightsTest, TickingUntickingAndTickingAgainRecallsTheSameRow) {
  // BUDI, the first group; the second row ticked, the sub-menu title refused, the sub-item ticked.
  Run(A12,
      Keys({Line("BUDI"),
            {key::kEnter, key::kDown, key::kEnter, key::kEnter, key::kDown, key::kEnter, key::kF10, 'Y', key::kEsc}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 4, "           Set Hak Akses         "));
  EXPECT_TRUE(ShownOnRow(rig.term, 7, "  Nama   : Budi Santoso"));
  EXPECT_TRUE(ShownOnRow(rig.term, 8, "  Level  :   2"));
  EXPECT_TRUE(ShownOnRow(rig.term, 11, "Grup Menu"));
  EXPECT_TRUE(ShownOnRow(rig.term, 23, "Esc) Batal F10) Simpan"));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Yakin data akan disimpan (Y/T)"));
  EXPECT_EQ(Rights(), With(kAdministratorRights, {"BUDI ADMIN 11 1 1", "BUDI ADMIN 121 1 12"}));

  // The rows as the browse shows them, ticked where BUDI holds the right.
  const console::CellGrid& browse = rig.term.screens()[rig.term.screens().size() - 8];
  EXPECT_EQ(ScriptedTerminal::Text(browse, 12, 2, 14), "Ok Nama Menu  ");
  EXPECT_EQ(ScriptedTerminal::Text(browse, 14, 2, 20), "N  Sistem           ");
  const std::string eleven = ScriptedTerminal::Text(browse, 15, 2, 76);
  EXPECT_EQ(std::string(xbase::RTrim(eleven)).substr(0, 20), "N  Password Login   ");
  EXPECT_EQ(eleven.substr(44), "11         1          1         ") << eleven;
  EXPECT_EQ(ScriptedTerminal::Text(browse, 17, 46, 32), "121        12         1         ");

  // Unticked: the row is deleted. Ticked again: the same row comes back.
  Run(A12, Keys({Line("BUDI"), {key::kEnter, key::kDown, key::kEnter, key::kF10, 'y', key::kEsc}}));
  EXPECT_EQ(Rights(), With(kAdministratorRights, {"BUDI ADMIN 11 1 1 deleted", "BUDI ADMIN 121 1 12"}));
  Run(A12, Keys({Line("BUDI"), {key::kEnter, key::kDown, key::kEnter, key::kF10, 'Y', key::kEsc}}));
  EXPECT_EQ(Rights(), With(kAdministratorRights, {"BUDI ADMIN 11 1 1", "BUDI ADMIN 121 1 12"}));
}

TEST_F(RightsTest, GrantableRowsShowInTheirOwnColoursAndTheEdgesSound) {
  Run(A12, Keys({Line("BUDI"),
                 {key::kEnter, key::kUp, key::kLeft, key::kDown, key::kEnd, key::kDown, key::kEsc, key::kEsc}}));
  const auto& screens = rig.term.screens();
  const console::CellGrid& top = screens[screens.size() - 7];  // the first row current
  const auto attr = [](const console::CellGrid& grid, int row, int col) {
    return grid[row * console::kCols + col].attr;
  };
  EXPECT_EQ(attr(top, 14, 2), rig.con.Colour("br/bg"));           // a title, highlighted
  EXPECT_EQ(attr(top, 14, 5), rig.con.Colour("Gr+/bg"));          // a title
  EXPECT_EQ(attr(top, 15, 5), rig.con.Colour("gr+/b+"));          // a grantable entry
  const console::CellGrid& second = screens[screens.size() - 4];  // the second row current
  EXPECT_EQ(attr(second, 15, 2), rig.con.Colour("W+/r"));
  EXPECT_EQ(rig.term.tones(), (std::vector<std::pair<int, int>>{{400, 55}, {200, 55}, {300, 55}}));
  EXPECT_EQ(Rights(), kAdministratorRights);  // Esc saved nothing
}

TEST_F(RightsTest, F2TicksOnlyGrantableEntriesAndF3ClearsEveryTick) {
  Run(A12, Keys({Line("BUDI"), {key::kEnter, key::kF2, key::kF10, 'Y', key::kEsc}}));
  EXPECT_EQ(Rights(), With(kAdministratorRights, {"BUDI ADMIN 11 1 1", "BUDI ADMIN 121 1 12", "BUDI ADMIN 21 2 2"}));
  // The second group: the administrator's own rights cleared there, answered "T" first.
  Run(A12, Keys({Line("SYSADMIN"), {key::kDown, key::kEnter, key::kF3, key::kF10, 'T', key::kF10, 'Y', key::kEsc}}));
  std::vector<std::string> expected = kAdministratorRights;
  expected[3] += " deleted";
  EXPECT_EQ(Rights(), With(expected, {"BUDI ADMIN 11 1 1", "BUDI ADMIN 121 1 12", "BUDI ADMIN 21 2 2"}));
}

TEST_F(RightsTest, NikCheckPicksRefusesAndOnlyTheAdministratorGetsTheForm) {
  Run(A12, Keys({Line("NOBODY"), {key::kEnter, key::kEsc}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "user belum terdaftar"));
  EXPECT_FALSE(ShownOnRow(rig.term, 11, "Grup Menu"));

  // "?" opens the list of users by code; the first one is taken.
  Run(A12, Keys({Line("?"), {key::kEnter, key::kEsc}}));
  EXPECT_TRUE(support::Shown(rig.term, "Kode"));
  EXPECT_TRUE(ShownOnRow(rig.term, 6, "  Nik    : BUDI"));
  EXPECT_TRUE(ShownOnRow(rig.term, 7, "  Nama   : Budi Santoso"));

  const size_t shown = rig.term.screens().size();
  rig.session.MMEMBER.nik = "BUDI      ";
  Run(A12, {});
  EXPECT_EQ(rig.term.screens().size(), shown);
  EXPECT_EQ(Rights(), kAdministratorRights);
}

TEST_F(RightsTest, CopyingRightsTwiceAddsNothingTheSecondTime) {
  AddRight("BUDI", "ADMIN", "11", "1", "1");
  AddRight("BUDI", "KASIR", "K1", "K", "K");
  {
    xbase::Session tables(xbase::SearchPath({folder.path()}));
    xbase::WorkArea* area = nullptr;
    ASSERT_TRUE(tables.Use("USERDAT", "", xbase::OpenMode::kShared, &area).ok());
    ASSERT_TRUE(area->GoTo(6).ok());
    ASSERT_TRUE(area->Lock().ok());
    ASSERT_TRUE(area->Delete().ok());
    ASSERT_TRUE(area->Unlock().ok());
  }
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  const auto copy = Keys({Line("SYSADMIN"), Line("BUDI"), {'Y', key::kEnter}});
  Run(COPYHAK, Keys({copy, {key::kEsc}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 4, "           Copy Hak Akses        "));
  EXPECT_TRUE(ShownOnRow(rig.term, 8, "  Nama   : Administrator"));
  EXPECT_TRUE(ShownOnRow(rig.term, 12, "  Nama   : Budi Santoso"));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, ".....berhasil....."));
  const std::vector<std::string> copied = With(
      kAdministratorRights, {"BUDI ADMIN 11 1 1", "BUDI KASIR K1 K K", "BUDI ADMIN 121 1 12", "BUDI ADMIN 21 2 2"});
  EXPECT_EQ(Rights(), copied);

  // Again, and once to an unknown user (refused in its field) and once to the same user: nothing more.
  Run(COPYHAK, Keys({copy, Line("SYSADMIN"), Line("NOBODY"), {key::kEsc}}));
  Run(COPYHAK, Keys({Line("BUDI"), Line("BUDI"), {key::kEsc}}));
  EXPECT_EQ(Rights(), copied);
}

// Another workstation holds one of BUDI's rights rows: Esc at its lock writes none of the ticks and
// brings the browse back with them; a copy to him writes nothing either. Once it is free both save whole.
TEST_F(RightsTest, RightsAreSavedWholeOrNotAtAll) {
  AddRight("BUDI", "ADMIN", "11", "1", "1");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  const std::vector<std::string> before = With(kAdministratorRights, {"BUDI ADMIN 11 1 1"});
  {
    support::OtherWorkstation other(folder.path());
    other.Hold("USERDAT", 5);
    Run(A12, Keys({Line("BUDI"), {key::kEnter, key::kF2, key::kF10, 'Y', key::kEsc, ' ', ' ', key::kEsc, key::kEsc}}));
    EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 5 file USERDAT.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    const auto& screens = rig.term.screens();
    const console::CellGrid& again = screens[screens.size() - 2];  // the browse after the refusal
    EXPECT_EQ(ScriptedTerminal::Text(again, 17, 2, 9), "Y  Satu  ");
    EXPECT_EQ(ScriptedTerminal::Text(again, 19, 2, 9), "Y  Harian");
    EXPECT_EQ(Rights(), before);

    Run(COPYHAK, Keys({Line("SYSADMIN"), Line("BUDI"), {'Y', key::kEsc, ' ', ' ', key::kEsc}}));
    EXPECT_FALSE(ShownOnRow(rig.term, 24, ".....berhasil....."));
    EXPECT_EQ(Rights(), before);
  }
  Run(COPYHAK, Keys({Line("SYSADMIN"), Line("BUDI"), {'Y', key::kEnter, key::kEsc}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, ".....berhasil....."));
  EXPECT_EQ(Rights(), With(before, {"BUDI ADMIN 121 1 12", "BUDI ADMIN 21 2 2", "BUDI KASIR K1 K K"}));
  support::ExpectVerified(folder.path());
}

}  // namespace
}  // namespace frame
