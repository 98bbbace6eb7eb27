// Users and passwords: what the administrator may do to users, and a user changing his own password.
#include "frame/pass.h"

#include <gtest/gtest.h>

#include "console/keys.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "xbase/password.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace key = console::key;
using support::Keys;
using support::Line;
using support::Shown;
using support::ShownOnRow;
using support::StoredText;
using support::T;

class PassTest : public ::testing::Test {
 protected:
  PassTest() {
    rig.session.SetSearchPath(folder.path());
    AddUser("SYSADMIN", "Administrator", "admin", "/SPV /EDP", "GDG01");
    AddUser("BUDI", "Budi Santoso", "budi", "/SPV", "G01");
    for (const char* nik : {"SYSADMIN", "BUDI"}) {
      support::AddRows(
          support::Open(rig.session, "USERDAT"),
          {{{"NIK", T(nik)}, {"GRUP", T("ADMIN")}, {"KODE", T("11")}, {"INDUK1", T("1")}, {"INDUK2", T("1")}},
           {{"NIK", T(nik)}, {"GRUP", T("ADMIN")}, {"KODE", T("12")}, {"INDUK1", T("1")}, {"INDUK2", T("1")}}});
    }
    support::AddRows(
        support::Open(rig.session, "KARYAWAN"),
        {{{"NIK", T("DRV001")}, {"NAMA", T("JOKO SUSILO PRATAMA WIJAYA")}}, {{"NIK", T("BUDI")}, {"NAMA", T("BUDI")}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    LogIn("SYSADMIN");
  }

  void AddUser(const char* nik, const char* name, const char* password, const char* rights, const char* warehouse) {
    support::AddRows(support::Open(rig.session, "TRANSAK"), {{{"USER_ID", T(nik)},
                                                              {"USER_NM", T(name)},
                                                              {"PASS_ID", T(xbase::TransformPassword(password))},
                                                              {"LEVEL_ID", support::N(1)},
                                                              {"KODEPROG", T(rights)},
                                                              {"GUDANG", T(warehouse)}}});
  }

  // The session's user, as the login leaves it.
  void LogIn(const std::string& nik) {
    xbase::WorkArea& transak = Table("TRANSAK");
    EXPECT_TRUE(transak.SetOrder(1).ok());
    EXPECT_TRUE(transak.Seek(xbase::PadR(nik, 10)).ok());
    rig.session.MMEMBER = Member{xbase::PadR(nik, 10),    transak.Text("USER_NM"),  1,
                                 transak.Text("PASS_ID"), transak.Text("KODEPROG"), transak.Text("GUDANG")};
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  // A table of the folder opened afresh.
  xbase::WorkArea& Table(const std::string& name) {
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return support::Open(rig.session, name);
  }

  void Run(const std::vector<int>& keys) {
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    rig.term.AddKeys(keys);
    const xbase::Status status = PASS(rig.session, {});
    EXPECT_TRUE(status.ok()) << status.ToString();
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(rig.session.tables().Area("TRANSAK"), nullptr);  // the screen closed its tables
  }

  std::string Stored(const char* password) { return xbase::TransformPassword(password); }

  support::TempDataFolder folder{{"TRANSAK", "USERDAT", "KARYAWAN"}};
  support::SessionRig rig;
};

TEST_F(PassTest, AdministratorCannotBeDeletedButAnotherUserGoesWithHisRights) {
  Run(Keys({Line("SYSADMIN"), {'h'}, Line("BUDI"), {'H', 'y'}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 6, "               User Login             "));
  EXPECT_TRUE(ShownOnRow(rig.term, 9, " Nama Karyawan : Administrator"));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "K)oreksi, H)apus, B)atal"));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "yakin user akan dihapus (Y/T)"));

  xbase::WorkArea& users = Table("TRANSAK");
  ASSERT_EQ(users.table().record_count(), 2u);
  ASSERT_TRUE(users.GoTo(1).ok());
  EXPECT_FALSE(users.deleted());
  ASSERT_TRUE(users.GoTo(2).ok());
  EXPECT_TRUE(users.deleted());
  xbase::WorkArea& rights = Table("USERDAT");
  std::vector<std::string> state;
  for (uint32_t recno = 1; recno <= rights.table().record_count(); ++recno) {
    const std::string nik = StoredText(rights, recno, "NIK");
    state.push_back(nik + (rights.deleted() ? " deleted" : ""));
  }
  EXPECT_EQ(state, (std::vector<std::string>{"SYSADMIN", "SYSADMIN", "BUDI deleted", "BUDI deleted"}));
}

// Esc while another workstation holds one of the user's rights rows: the user and all his rights stay.
TEST_F(PassTest, AUserIsDeletedWithAllHisRightsOrNotAtAll) {
  support::OtherWorkstation other(folder.path());
  other.Hold("USERDAT", 4);
  Run(Keys({Line("BUDI"), {'H', 'y', key::kEsc, ' ', ' '}}));
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 4 file USERDAT.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  xbase::WorkArea& users = Table("TRANSAK");
  ASSERT_TRUE(users.GoTo(2).ok());
  EXPECT_FALSE(users.deleted());
  xbase::WorkArea& rights = Table("USERDAT");
  for (uint32_t recno = 1; recno <= 4; ++recno) {
    ASSERT_TRUE(rights.GoTo(recno).ok());
    EXPECT_FALSE(rights.deleted()) << recno;
  }
}

TEST_F(PassTest, ChangingTheAdministratorNeedsItsCurrentPassword) {
  Run(Keys({Line("SYSADMIN"), {'K', key::kEnter, key::kEnter, key::kEnter}, Line("salah"), {key::kEnter}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Anda tidak berhak mengubah user tersebut"));
  EXPECT_EQ(StoredText(Table("TRANSAK"), 1, "PASS_ID"), Stored("admin"));

  Run(Keys({Line("SYSADMIN"),
            {'K', key::kEnter},
            Line("/SPV /ACC"),
            {key::kEnter},
            Line("admin"),
            Line("baru"),
            Line("beda"),
            {key::kEnter},
            Line("baru"),
            Line("baru"),
            {'s'}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Ulangi, Password tidak sama...."));
  EXPECT_TRUE(ShownOnRow(rig.term, 14, " Password Baru :"));
  EXPECT_TRUE(ShownOnRow(rig.term, 15, " Yakinkan Pass :"));
  xbase::WorkArea& users = Table("TRANSAK");
  EXPECT_EQ(StoredText(users, 1, "PASS_ID"), Stored("baru"));
  EXPECT_EQ(StoredText(users, 1, "KODEPROG"), "/SPV /ACC");
  EXPECT_EQ(rig.session.MMEMBER.password, Stored("baru"));
}

TEST_F(PassTest, AdministratorSetsAnotherUsersPasswordWithoutTheOldOne) {
  // B)atal keeps everything; then S)impan writes the new values.
  Run(Keys({Line("BUDI"), {'K', key::kEnter, key::kEnter, key::kEnter}, Line("rahasia"), Line("rahasia"), {'B'}}));
  EXPECT_EQ(StoredText(Table("TRANSAK"), 2, "PASS_ID"), Stored("budi"));
  Run(Keys({Line("BUDI"), {'K'}, Line("3"), {key::kEnter}, Line("kas"), Line("rahasia"), Line("rahasia"), {'S'}}));
  EXPECT_FALSE(Shown(rig.term, "Anda tidak berhak"));
  xbase::WorkArea& users = Table("TRANSAK");
  EXPECT_EQ(StoredText(users, 2, "PASS_ID"), Stored("rahasia"));
  EXPECT_EQ(StoredText(users, 2, "TRAN_ID"), "KAS");
  EXPECT_EQ(users.Number("LEVEL_ID"), 3);
  EXPECT_EQ(StoredText(users, 2, "KODEPROG"), "/SPV");
  EXPECT_EQ(rig.session.MMEMBER.password, xbase::PadR(Stored("admin"), 10));  // the administrator's own stays
}

TEST_F(PassTest, NewUserMustBeAnEmployeeAndTakesTheFirstTwentyCharactersOfHisName) {
  Run(Keys({Line("XX"),
            {key::kEnter},
            Line("DRV001"),
            Line("2"),
            Line("/KSR"),
            Line("drv"),
            Line("joko"),
            Line("joko"),
            {'S'}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "karyawan tidak terdaftar"));
  EXPECT_TRUE(ShownOnRow(rig.term, 9, "JOKO SUSILO PRATAMA "));
  EXPECT_TRUE(ShownOnRow(rig.term, 14, " Password      :"));
  xbase::WorkArea& users = Table("TRANSAK");
  ASSERT_EQ(users.table().record_count(), 3u);
  EXPECT_EQ(StoredText(users, 3, "USER_ID"), "DRV001");
  EXPECT_EQ(StoredText(users, 3, "USER_NM"), "JOKO SUSILO PRATAMA");
  EXPECT_EQ(StoredText(users, 3, "PASS_ID"), Stored("joko"));
  EXPECT_EQ(StoredText(users, 3, "KODEPROG"), "/KSR");
  EXPECT_EQ(StoredText(users, 3, "TRAN_ID"), "DRV");
  EXPECT_EQ(users.Number("LEVEL_ID"), 2);
  EXPECT_EQ(StoredText(users, 3, "GUDANG"), "");
}

TEST_F(PassTest, UserChangesOnlyHisOwnPasswordKnowingTheOldOne) {
  LogIn("BUDI");
  Run(Keys({Line("salah"), {key::kEnter}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Anda tidak berhak mengubah password user tersebut"));
  EXPECT_TRUE(ShownOnRow(rig.term, 11, " Kode Program  : ********************"));
  EXPECT_TRUE(ShownOnRow(rig.term, 12, " Transak Id    : G01"));
  EXPECT_TRUE(ShownOnRow(rig.term, 8, " Nik Karyawan  : BUDI"));
  EXPECT_EQ(StoredText(Table("TRANSAK"), 2, "PASS_ID"), Stored("budi"));

  // Two new passwords that differ: the old one is asked again.
  Run(Keys({Line("budi"), Line("satu"), Line("dua"), {key::kEnter}, Line("budi"), Line("baru"), Line("baru"), {'S'}}));
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "Ulangi, Password tidak sama...."));
  EXPECT_EQ(StoredText(Table("TRANSAK"), 2, "PASS_ID"), Stored("baru"));
  EXPECT_EQ(StoredText(Table("TRANSAK"), 1, "PASS_ID"), Stored("admin"));
  EXPECT_EQ(rig.session.MMEMBER.password, Stored("baru"));
}

TEST_F(PassTest, EscOnTheFirstPasswordLeavesTheOwnPasswordScreen) {
  LogIn("BUDI");
  Run({key::kEsc});
  EXPECT_EQ(StoredText(Table("TRANSAK"), 2, "PASS_ID"), Stored("budi"));
  EXPECT_FALSE(Shown(rig.term, "Anda tidak berhak"));
}

}  // namespace
}  // namespace frame
