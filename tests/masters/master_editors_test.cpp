// The table editors of the goods groups, warehouses, salesmen, area managers and stock adjustments:
// adding over an existing key, deleted rows kept visible and recalled, the search box, the add box that
// fills from the key's row.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "master_test_helpers.h"
#include "masters/master_screens.h"

namespace masters {
namespace {

using console::key::kDel;
using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF2;
using console::key::kF4;
using support::Keys;
using support::Line;
using support::N;
using support::T;

class MasterEditorsTest : public MasterTest {
 protected:
  MasterEditorsTest() : MasterTest({"MASTGOL", "MASTGDG", "MASTSLS", "DATABM", "JUSTMEN"}) {}
};

TEST_F(MasterEditorsTest, AddingAnExistingGroupOverwritesItsRowAndTheBoxClears) {
  Seed("MASTGOL", {{{"KODE", T("SCHOOL")}, {"NAMA", T("SEKOLAH")}, {"URUTAN", N(1)}}});
  AddKeys(Keys({{kF2}, Line("office"), Line("kantor"), Line("2"), {'Y'},
                // The box asks again with empty fields: the existing code overwrites its row.
                Line("school"), Line("alat sekolah"), Line("5"), {'y'},
                {kEsc, kEsc}}));
  ASSERT_TRUE(TGOL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Tabel GOLONGAN"));
  EXPECT_TRUE(Shown("Tambah GOLONGAN"));
  EXPECT_TRUE(Shown(" URUT :"));
  EXPECT_TRUE(Shown("Esc) Selesai, F2) Tambah Data, F4) Cari, Del) Hapus "));
  EXPECT_EQ(Column("MASTGOL", "KODE"), (std::vector<std::string>{"SCHOOL", "OFFICE"}));
  EXPECT_EQ(Column("MASTGOL", "NAMA"), (std::vector<std::string>{"ALAT SEKOLAH", "KANTOR"}));
  xbase::WorkArea& groups = Reopen("MASTGOL");
  ASSERT_TRUE(groups.GoTo(1).ok());
  EXPECT_EQ(groups.Number("URUTAN"), 5);
}

TEST_F(MasterEditorsTest, ADeletedWarehouseStaysVisibleAndDelRecallsIt) {
  Seed("MASTGDG", {{{"GUDANG", T("GDG01")}, {"KDCB", T("JKT")}, {"NAMA", T("UTAMA")}},
                              {{"GUDANG", T("GDG02")}, {"KDCB", T("JKT")}, {"NAMA", T("TOKO")}}});
  AddKeys({kDown, kDel, kEsc});
  ASSERT_TRUE(TGDG(rig.session, {}).ok());
  EXPECT_EQ(Column("MASTGDG", "GUDANG"), (std::vector<std::string>{"GDG01", "GDG02 (deleted)"}));

  // Opened again, the deleted row is still listed, shows "Del) Recall" and comes back with Del.
  AddKeys({kDown, kDel, kEsc});
  ASSERT_TRUE(TGDG(rig.session, {}).ok());
  EXPECT_TRUE(Shown("Esc) Selesai, F2) Tambah Data, F4) Cari, Del) Recall"));
  EXPECT_TRUE(Shown("DATA GUDANG"));
  EXPECT_EQ(Column("MASTGDG", "GUDANG"), (std::vector<std::string>{"GDG01", "GDG02"}));
  EXPECT_TRUE(rig.session.tables().deleted_hidden());
}

TEST_F(MasterEditorsTest, WarehouseAddBoxAndTheSearchOnTheCode) {
  Seed("MASTGDG", {{{"GUDANG", T("A1")}}, {{"GUDANG", T("B1")}}, {{"GUDANG", T("C1")}}});
  AddKeys(Keys({{kF2}, Line("gdg09"), Line("sby"), Line("Gudang Surabaya"), {'Y', kEsc},
                // F4 finds the typed code in upper case and the Del there deletes that row.
                {kF4}, Line("c"), {kDel, kEsc}}));
  ASSERT_TRUE(TGDG(rig.session, {}).ok());
  EXPECT_TRUE(Shown("TAMBAH GUDANG"));
  EXPECT_TRUE(Shown(" Pencari :"));
  EXPECT_EQ(Column("MASTGDG", "GUDANG"), (std::vector<std::string>{"A1", "B1", "C1 (deleted)", "GDG09"}));
  EXPECT_EQ(Column("MASTGDG", "KDCB").back(), "SBY");
  EXPECT_EQ(Column("MASTGDG", "NAMA").back(), "Gudang Surabaya");
}

TEST_F(MasterEditorsTest, SalesmanAddBoxAsksCodeNameAndClass) {
  AddKeys(Keys({{kF2}, Line("s09"), Line("rudi hartono"), Line("k2"), {'Y', kEsc, kEsc}}));
  ASSERT_TRUE(STK1D(rig.session, {}).ok());
  EXPECT_TRUE(Shown("Tabel Sales"));
  EXPECT_TRUE(Shown("Tambah Sales"));
  EXPECT_TRUE(Shown("SALES\xB3NAMA                \xB3INDUK\xB3K1K2\xB3JABATAN\xB3GRUP\xB3NIK       \xB3OUT     "));
  xbase::WorkArea& salesmen = Reopen("MASTSLS");
  ASSERT_EQ(salesmen.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(salesmen, 1, "SALES"), "S09");
  EXPECT_EQ(support::StoredText(salesmen, 1, "NAMA"), "RUDI HARTONO");
  EXPECT_EQ(support::StoredText(salesmen, 1, "KELOMPOK"), "K2");
}

TEST_F(MasterEditorsTest, AreaManagerCodeFillsTheBoxFromItsRow) {
  Seed("DATABM", {{{"KODE", T("BM01")}, {"NAMA", T("HENDRA")}, {"CABANG", T("JKT")}, {"SALES", T("S001")}}});
  // The known code brings its name, branch and salesman; only the salesman is changed.
  AddKeys(Keys({{kF2}, Line("bm01"), {kEnter, kEnter}, Line("s002"), {'Y', kEsc, kEsc}}));
  ASSERT_TRUE(DTBM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Tambah Data BM"));
  EXPECT_TRUE(Shown(" KD SALES :"));
  xbase::WorkArea& managers = Reopen("DATABM");
  ASSERT_EQ(managers.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(managers, 1, "NAMA"), "HENDRA");
  EXPECT_EQ(support::StoredText(managers, 1, "CABANG"), "JKT");
  EXPECT_EQ(support::StoredText(managers, 1, "SALES"), "S002");
}

TEST_F(MasterEditorsTest, AdjustmentsListByGoodsAndWarehouseWithoutAdding) {
  Seed("JUSTMEN", {{{"NOMOR", T("ADJ0002")}, {"KODE", T("ZZ01")}, {"GUDANG", T("G1")}, {"QUANTITY", N(-5)}},
                              {{"NOMOR", T("ADJ0001")}, {"KODE", T("AA01")}, {"GUDANG", T("G1")}, {"QUANTITY", N(1250)},
                               {"HRG_RATA", N(4500.5)}}});
  AddKeys({kF2, kEsc});
  ASSERT_TRUE(BROJAST(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Tabel Data Property"));
  EXPECT_TRUE(Shown("Esc) Selesai, F4) Cari, Del) Hapus "));
  EXPECT_FALSE(Shown(" Tambah Data "));
  // The goods order puts AA01 first.
  const std::string first = console::ScriptedTerminal::Text(rig.term.screens().front(), 7, 2, 40);
  EXPECT_NE(first.find("ADJ0001"), std::string::npos) << first;
  EXPECT_TRUE(Shown("1,250"));
}

}  // namespace
}  // namespace masters
