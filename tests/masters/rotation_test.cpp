// The salesman rotation: a code typed twice in a period, a period saved with fewer rows, salesmen whose
// row changed after the period, an area manager without a leader, and a new salesman.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "master_test_helpers.h"
#include "masters/master_screens.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

using console::key::kDel;
using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;
using support::Keys;
using support::Line;
using support::T;
using xbase::Date;

const Date kPeriod = Date::FromYmd(2026, 11, 1);
const Date kEarlier = Date::FromYmd(2026, 1, 1);
const Date kLater = Date::FromYmd(2026, 12, 31);

xbase::Value D(Date date) { return xbase::Value::FromDate(date); }

class RotationTest : public MasterTest {
 protected:
  RotationTest() : MasterTest({"SETUP", "MASTSLS", "DTSALES"}) {
    Seed("SETUP", {{{"SETUP", T("CABANGB2")}, {"KET", T("000200CABANG DUA")}}});
    Seed("MASTSLS", {{{"SALES", T("S001")}, {"NAMA", T("BUDI")}, {"JABATAN", T("SLS")}, {"INDUK", T("S003")},
                      {"KD_LAMA", T("G1")}, {"KELOMPOK", T("K1")}, {"TG_UPDATE", D(kEarlier)}},
                     {{"SALES", T("S002")}, {"NAMA", T("SITI")}, {"JABATAN", T("SLS")}, {"TG_UPDATE", D(kEarlier)}},
                     {{"SALES", T("S003")}, {"NAMA", T("AGUS")}, {"JABATAN", T("BM")}, {"TG_UPDATE", D(kEarlier)}},
                     {{"SALES", T("S004")}, {"NAMA", T("RINA BARU")}, {"JABATAN", T("SPV")}, {"TG_UPDATE", D(kLater)}}});
    const auto row = [](const char* code, const char* name, const char* position, const char* leader) {
      return support::Row{{"KDCB", T("000200")}, {"TANGGAL", D(kPeriod)}, {"KDSALES", T(code)}, {"NAMA", T(name)},
                          {"JABATAN", T(position)}, {"ATASAN", T(leader)}, {"GRUP", T("G1")}, {"KELOMPOK", T("K1")}};
    };
    Seed("DTSALES", {row("S001", "BUDI NOV", "SLS", "S003"), row("S002", "SITI NOV", "SLS", "S003"),
                     row("S004", "RINA NOV", "SLS", "S003")});
  }

  // The branch and the period date, then the grid.
  static std::vector<int> Period() { return Keys({Line("000200"), Line("01112026")}); }

  // The salesman's stored row: name, position, leader, group, class and date of change.
  std::string Salesman(const std::string& code) {
    xbase::WorkArea& salesmen = Reopen("MASTSLS");
    EXPECT_TRUE(salesmen.SetOrder(1).ok() && salesmen.Seek(code).ok() && salesmen.found()) << code;
    const std::string row = std::string(xbase::RTrim(salesmen.Text("NAMA"))) + "|" + std::string(xbase::RTrim(salesmen.Text("JABATAN"))) +
           "|" + std::string(xbase::RTrim(salesmen.Text("INDUK"))) + "|" + std::string(xbase::RTrim(salesmen.Text("KD_LAMA"))) +
           "|" + std::string(xbase::RTrim(salesmen.Text("KELOMPOK"))) + "|" + salesmen.DateOf("TG_UPDATE").Dtos();
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
    return row;
  }
};

TEST_F(RotationTest, ACodeTypedTwiceIsRefusedWithItsFirstRowAndEscSavesNothing) {
  AddKeys(Keys({Period(), {kDown, kDown, kEnter}, Line("s001"), {kEnter},  // the key for the message
                {kEsc},                                                      // the code is typed again: given up
                {kEsc}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Kode S001 sudah ada diurutan    1"));
  EXPECT_TRUE(Shown("Esc) Batal, F10) Simpan Del) Hapus"));
  EXPECT_TRUE(Shown("  3 S004 RINA NOV             SLS  S003 G1   K1"));
  EXPECT_EQ(Column("DTSALES", "KDSALES"), (std::vector<std::string>{"S001", "S002", "S004"}));
}

TEST_F(RotationTest, EscAtASalesmansLockKeepsTheGridAndWritesNothing) {
  support::SettleSmallFolder(folder.path());
  support::OtherWorkstation other(folder.path());
  other.Hold("MASTSLS", 1);
  // F10 and "Ya"; Esc at the wait for S001's row; back in the grid, Esc leaves it.
  AddKeys(Keys({Period(), {kDown, kDel, kF10, 'Y'}, {kEsc, ' ', ' '}, {kEsc}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Mencoba mengunci record 1 file "));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(Column("DTSALES", "KDSALES"), (std::vector<std::string>{"S001", "S002", "S004"}));

  other.Release();
  AddKeys(Keys({Period(), {kDown, kDel, kF10, 'Y'}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(Column("DTSALES", "KDSALES"), (std::vector<std::string>{"S001", "S004", "S004 (deleted)"}));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(RotationTest, FewerRowsDeleteTheSurplusAndLaterChangesOfASalesmanStand) {
  AddKeys(Keys({Period(), {kDown, kDel, kF10, 'Y'}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("yakin data akan disimpan (y/t)"));
  // The second stored row takes S004; the third, left over, is deleted.
  EXPECT_EQ(Column("DTSALES", "KDSALES"), (std::vector<std::string>{"S001", "S004", "S004 (deleted)"}));
  EXPECT_EQ(Column("DTSALES", "NAMA"), (std::vector<std::string>{"BUDI NOV", "RINA NOV", "RINA NOV (deleted)"}));
  // S001 takes the period's values; S004 was changed for a later period and keeps his.
  EXPECT_EQ(Salesman("S001"), "BUDI NOV|SLS|S003|G1|K1|20261101");
  EXPECT_EQ(Salesman("S004"), "RINA BARU|SPV||||20261231");
  EXPECT_EQ(Salesman("S002"), "SITI|SLS||||20260101");

  // Saved again with the row back, the deleted row is recalled.
  AddKeys(Keys({Period(), {kDown, kDown, kEnter}, Line("s002"), {kF10, 'y'}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(Column("DTSALES", "KDSALES"), (std::vector<std::string>{"S001", "S004", "S002"}));
  EXPECT_EQ(Column("DTSALES", "NAMA"), (std::vector<std::string>{"BUDI NOV", "RINA NOV", "SITI"}));
}

TEST_F(RotationTest, AnAreaManagerHasNoLeaderAndANewSalesmanIsAdded) {
  AddKeys(Keys({Period(), {kDown, kDown, kDown, kEnter}, Line("s009"), Line("ANTO"), Line("bm"), Line("s001"),
                // A leader must be a salesman other than the row's own, and one of MASTSLS.
                {console::key::kCtrlPgUp, console::key::kRight, console::key::kRight, console::key::kRight, kEnter},
                Line("s001"), {kEnter}, {console::key::kHome, 25}, Line("s099"), {kEnter, kEsc},
                {kF10, 'Y'}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Atasan S001 adalah sales itu sendiri"));
  EXPECT_TRUE(Shown("Atasan S099 tidak terdaftar"));
  EXPECT_EQ(Column("DTSALES", "KDSALES"), (std::vector<std::string>{"S001", "S002", "S004", "S009"}));
  EXPECT_EQ(Column("DTSALES", "ATASAN"), (std::vector<std::string>{"S003", "S003", "S003", ""}));
  xbase::WorkArea& rotation = Reopen("DTSALES");
  ASSERT_TRUE(rotation.GoTo(4).ok());
  EXPECT_EQ(std::string(xbase::RTrim(rotation.Text("KDCB"))), "000200");
  EXPECT_EQ(rotation.DateOf("TANGGAL"), kPeriod);
  EXPECT_EQ(Salesman("S009"), "ANTO|BM||||20261101");
}

// A salesman whose record cannot be read is not taken into the grid with the fields of the row before
// (they would be saved): the failure is shown on row 24, the code refused, nothing written.
TEST_F(RotationTest, ASalesmanWhoseRecordCannotBeReadIsRefused) {
  support::DamageIndexPages(folder.path(), "MASTSLS");
  AddKeys(Keys({Period(), {kDown, kDown, kDown, kEnter}, Line("s009"), {kEnter},  // the key for the failure
                {kEsc}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "MASTSLS"));
  EXPECT_EQ(Column("DTSALES", "KDSALES"), (std::vector<std::string>{"S001", "S002", "S004"}));
}

TEST_F(RotationTest, TheBranchPickListTakesAStoredPeriod) {
  AddKeys(Keys({Line("?"), {kEnter, kEnter}, {kEsc}, {kEsc}}));
  ASSERT_TRUE(ROTASI(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("BUDI NOV"));  // the grid of the period picked
  EXPECT_TRUE(Shown("01-11-2026"));
}

}  // namespace
}  // namespace masters
