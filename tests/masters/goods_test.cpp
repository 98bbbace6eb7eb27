// The goods master screen and the price list: rights for new goods, prices and sizes, the group check,
// the import that leaves stock, costs and the entry stamp of an item alone, and its browse.
#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "master_test_helpers.h"
#include "masters/master_screens.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/temp_folder.h"
#include "support/verified_folder.h"
#include "xbase/session.h"
#include "xbase/value_text.h"

namespace masters {
namespace {

namespace fs = std::filesystem;
using console::key::kEnter;
using console::key::kEsc;
using support::Keys;
using support::Line;
using support::N;
using support::T;

const xbase::Date kEntered = xbase::Date::FromYmd(2020, 5, 4);
const xbase::Date kToday = xbase::Date::FromYmd(2026, 12, 8);

// The existing item: its stock, costs and entry stamp belong to the stock postings and its entry.
support::Row ExistingItem() {
  return {{"KODE", T("BRG01")},     {"GOLONGAN", T("SCHOOL")}, {"INDUK", T("INDUK1")}, {"NAMA", T("PENSIL")},
          {"NAMA2", T("PENSIL 2B")}, {"SATUAN", T("PCS")},      {"JUMLAH", N(500)},     {"HARGA", N(3000)},
          {"HARGA1", N(2900)},       {"HARGA2", N(2800)},       {"PAK", N(12)},         {"DOS", N(144)},
          {"LIMIT", N(10)},          {"HPP", N(2700)},          {"HARGA4", N(2600)},    {"HRG_BELI", N(2000)},
          {"HRG_RATA", N(2100)},     {"TG_INPUT", xbase::Value::FromDate(kEntered)}, {"OPERATOR", T("LAMA")}};
}

class GoodsTest : public MasterTest {
 protected:
  GoodsTest() : MasterTest({"MASTBRJ", "MASTGOL", "SETUP"}) {
    Seed("MASTGOL", {{{"KODE", T("SCHOOL")}}, {{"KODE", T("OFFICE")}}});
    Seed("MASTBRJ", {ExistingItem()});
  }

  xbase::WorkArea& Item(uint32_t recno) {
    xbase::WorkArea& goods = Reopen("MASTBRJ");
    EXPECT_TRUE(goods.GoTo(recno).ok());
    return goods;
  }
};

// The form after the code: group, names, unit, five prices and three sizes, each ended with Enter.
std::vector<int> ItemFields(std::string_view group, std::string_view name, const std::vector<std::string>& numbers) {
  std::vector<int> keys = Keys({Line(group), Line(name), Line("NAMA PANJANG"), Line("LUSIN")});
  for (const std::string& number : numbers) {
    const std::vector<int> line = Line(number);
    keys.insert(keys.end(), line.begin(), line.end());
  }
  return keys;
}

TEST_F(GoodsTest, WithoutEdpANewCodeIsRefusedAndOnlyNamesGroupAndUnitChange) {
  AddKeys(Keys({Line("brg99"), {kEnter},  // refused: the message takes a key
                {'?', kEnter},            // the pick list gives BRG01
                {kEnter},
                // Prices and sizes are skipped: the four text fields end the form.
                ItemFields("office", "PENSIL HB", {}), {'Y'}, {kEsc}}));
  ASSERT_TRUE(TMASTBRG(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Master barang dg kode BRG99 tidak terdaftar"));
  EXPECT_TRUE(Shown("Master Data Barang"));
  EXPECT_TRUE(Shown("Yakin Data Sudah Betul (Y/T)"));
  EXPECT_TRUE(Shown("      500"));  // the stock of the item loaded
  xbase::WorkArea& goods = Item(1);
  EXPECT_EQ(goods.table().record_count(), 1u);
  EXPECT_EQ(support::StoredText(goods, 1, "GOLONGAN"), "OFFICE");
  EXPECT_EQ(support::StoredText(goods, 1, "NAMA"), "PENSIL HB");
  EXPECT_EQ(support::StoredText(goods, 1, "NAMA2"), "NAMA PANJANG");
  EXPECT_EQ(support::StoredText(goods, 1, "SATUAN"), "LUSIN");
  EXPECT_EQ(goods.Number("HARGA"), 3000);
  EXPECT_EQ(goods.Number("DOS"), 144);
  EXPECT_EQ(goods.Number("LIMIT"), 10);
}

TEST_F(GoodsTest, WithEdpANewItemIsAddedAndAnExistingOneKeepsStockAndCosts) {
  Rights("/EDP");
  AddKeys(Keys({Line("brg02"), ItemFields("school", "PENGHAPUS", {"1500", "1450", "1400", "1350", "1300", "20", "400", "50"}),
                {'Y'},
                Line("brg01"), ItemFields("school", "PENSIL", {"3100", "0", "0", "0", "0", "6", "72", "5"}), {'y'},
                {kEsc}}));
  ASSERT_TRUE(TMASTBRG(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  xbase::WorkArea& added = Item(2);
  EXPECT_EQ(support::StoredText(added, 2, "KODE"), "BRG02");
  EXPECT_EQ(support::StoredText(added, 2, "NAMA"), "PENGHAPUS");
  EXPECT_EQ(added.DateOf("TG_INPUT"), kToday);
  EXPECT_EQ(support::StoredText(added, 2, "OPERATOR"), "ADMIN01");
  EXPECT_EQ(added.Number("HARGA"), 1500);
  EXPECT_EQ(added.Number("HPP"), 1350);
  EXPECT_EQ(added.Number("HARGA4"), 1300);
  EXPECT_EQ(added.Number("PAK"), 20);
  EXPECT_EQ(added.Number("DOS"), 400);
  EXPECT_EQ(added.Number("LIMIT"), 50);
  EXPECT_EQ(added.Number("JUMLAH"), 0);

  xbase::WorkArea& changed = Item(1);
  EXPECT_EQ(changed.Number("HARGA"), 3100);
  EXPECT_EQ(changed.Number("HARGA1"), 0);
  EXPECT_EQ(changed.Number("DOS"), 72);
  EXPECT_EQ(changed.Number("JUMLAH"), 500);
  EXPECT_EQ(changed.Number("HRG_BELI"), 2000);
  EXPECT_EQ(changed.Number("HRG_RATA"), 2100);
  EXPECT_EQ(changed.DateOf("TG_INPUT"), kEntered);
  EXPECT_EQ(support::StoredText(changed, 1, "OPERATOR"), "LAMA");
}

// Two clerks add the same new code at once: the one who saves second is refused and the first one's
// item stays as he saved it, once. A clerk correcting an item while a sale moves its stock saves his
// prices and keeps the stock the sale left.
TEST_F(GoodsTest, AnItemSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  support::SettleSmallFolder(folder.path());
  Rights("EDP");
  AddKeys(Keys({Line("brg02"), ItemFields("school", "PENGHAPUS", {"1500", "0", "0", "0", "0", "20", "400", "50"}),
                {'Y'}, {kEsc}}));
  const auto screen = [](frame::Session& session) { return TMASTBRG(session, {}); };
  // This clerk saves while the other, code BRG02 typed, is about to type the group.
  const std::string other = OtherWorkstationRuns(
      screen,
      Keys({Line("brg02"), ItemFields("office", "TIPE-X", {"900", "0", "0", "0", "0", "1", "1", "1"}), {'Y'},
            {kEnter, kEsc}}),
      "EDP", 6, [&] { ASSERT_TRUE(TMASTBRG(rig.session, {}).ok()); });
  EXPECT_NE(other.find("Barang BRG02 diubah di komputer lain, panggil ulang datanya"), std::string::npos);
  EXPECT_EQ(Column("MASTBRJ", "KODE"), (std::vector<std::string>{"BRG01", "BRG02"}));
  EXPECT_EQ(Column("MASTBRJ", "NAMA"), (std::vector<std::string>{"PENSIL", "PENGHAPUS"}));
  EXPECT_EQ(Item(2).Number("HARGA"), 1500);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());

  // The stock moved here stands for a sale's posting.
  const std::string sold = OtherWorkstationRuns(
      screen, Keys({Line("brg01"), ItemFields("school", "PENSIL", {"3100", "0", "0", "0", "0", "6", "72", "5"}), {'Y'},
                    {kEsc}}),
      "EDP", 6, [&] {
        support::OtherWorkstation sale(folder.path());
        ASSERT_TRUE(sale.Hold("MASTBRJ", 1).Put("JUMLAH", N(380)).ok());
        sale.Release();
      });
  EXPECT_EQ(sold.find("diubah di komputer lain"), std::string::npos);
  xbase::WorkArea& changed = Item(1);
  EXPECT_EQ(changed.Number("HARGA"), 3100);
  EXPECT_EQ(changed.Number("JUMLAH"), 380);
}

TEST_F(GoodsTest, AnItemWhoseGroupDoesNotExistCannotBeSaved) {
  Rights("EDP");
  // The unknown group keeps the cursor in the field; an empty one too; Esc then leaves the screen.
  AddKeys(Keys({Line("brg03"), Line("tisu"), {kEnter}, {console::key::kHome, 25}, {kEnter, kEnter}, {kEsc}}));
  ASSERT_TRUE(TMASTBRG(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Golongan TISU tidak terdaftar"));
  EXPECT_TRUE(Shown("Golongan  tidak terdaftar"));
  EXPECT_EQ(Reopen("MASTBRJ").table().record_count(), 1u);
}

// A price list in its own folder: Price.dbf with the goods master's layout.
class PriceListTest : public GoodsTest {
 protected:
  PriceListTest() {
    fs::create_directories(imports_);
    EXPECT_TRUE(schema::CreateTable(*schema::FindTable("MASTBRJ"), imports_.string()).ok());
    fs::rename(imports_ / "MASTBRJ.dbf", imports_ / "Price.dbf");
    for (const auto& entry : fs::directory_iterator(imports_)) {
      if (entry.path().extension() == ".ntx") fs::remove(entry.path());
    }
    support::Row changed = ExistingItem();
    for (auto& [field, value] : changed) {
      if (field == "NAMA") value = T("PENSIL MERAH");
      if (field == "HARGA") value = N(3300);
      if (field == "DOS") value = N(72);
      if (field == "JUMLAH" || field == "HRG_BELI" || field == "HRG_RATA" || field == "LIMIT") value = N(1);
      if (field == "INDUK") value = T("LAIN");
      if (field == "OPERATOR") value = T("PUSAT");
      if (field == "TG_INPUT") value = xbase::Value::FromDate(kToday - 30);
    }
    xbase::Session prices(xbase::SearchPath({imports_.string()}));
    xbase::WorkArea* area = nullptr;
    EXPECT_TRUE(prices.Use("Price", "", xbase::OpenMode::kShared, &area).ok());
    support::AddRows(*area, {changed,
                             {{"KODE", T("BRG02")}, {"GOLONGAN", T("OFFICE")}, {"NAMA", T("MAP")}, {"HARGA", N(2000)},
                              {"JUMLAH", N(77)}, {"HRG_RATA", N(1500)}, {"PAK", N(12)}}});
    EXPECT_TRUE(prices.CloseAll().ok());
    Workstation("[Drives]\nD=" + root_.path() + "\n", root_.path());
    Seed("SETUP", {{{"SETUP", T("TMPFILEIMP")}, {"KET", T("d:\\Kiriman\\")}}});
  }

  // Every field of every goods row, as text.
  std::vector<std::string> GoodsRows() {
    xbase::WorkArea& goods = Reopen("MASTBRJ");
    std::vector<std::string> rows;
    for (uint32_t recno = 1; recno <= goods.table().record_count(); ++recno) {
      EXPECT_TRUE(goods.GoTo(recno).ok());
      std::string row;
      for (int i = 0; i < goods.table().field_count(); ++i) row += xbase::ValueText(goods.FieldValue(i)) + "|";
      rows.push_back(row);
    }
    return rows;
  }

  support::TempFolder root_;
  fs::path imports_ = fs::path(root_.path()) / "KIRIMAN";
};

TEST_F(PriceListTest, ImportAddsNewItemsAndChangesOnlyPriceListPropertiesTwiceTheSame) {
  AddKeys({kEnter, 'Y'});
  ASSERT_TRUE(RHRG(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(" Menu ini akan meng-import Data Barang sebagai berikut : "));
  EXPECT_TRUE(Shown("D:\\KIRIMAN\\"));
  xbase::WorkArea& first = Item(1);
  EXPECT_EQ(support::StoredText(first, 1, "NAMA"), "PENSIL MERAH");
  EXPECT_EQ(first.Number("HARGA"), 3300);
  EXPECT_EQ(first.Number("DOS"), 72);
  EXPECT_EQ(first.Number("JUMLAH"), 500);
  EXPECT_EQ(first.Number("HRG_BELI"), 2000);
  EXPECT_EQ(first.Number("HRG_RATA"), 2100);
  EXPECT_EQ(first.Number("LIMIT"), 10);
  EXPECT_EQ(support::StoredText(first, 1, "INDUK"), "INDUK1");
  EXPECT_EQ(first.DateOf("TG_INPUT"), kEntered);
  EXPECT_EQ(support::StoredText(first, 1, "OPERATOR"), "LAMA");
  xbase::WorkArea& added = Item(2);
  EXPECT_EQ(support::StoredText(added, 2, "KODE"), "BRG02");
  EXPECT_EQ(support::StoredText(added, 2, "NAMA"), "MAP");
  EXPECT_EQ(added.Number("PAK"), 12);
  EXPECT_EQ(added.Number("JUMLAH"), 0);
  EXPECT_EQ(added.Number("HRG_RATA"), 0);
  EXPECT_EQ(added.DateOf("TG_INPUT"), kToday);
  EXPECT_EQ(support::StoredText(added, 2, "OPERATOR"), "ADMIN01");

  const std::vector<std::string> once = GoodsRows();
  AddKeys({kEnter, 'y'});
  ASSERT_TRUE(RHRG(rig.session, {}).ok());
  EXPECT_EQ(GoodsRows(), once);
}

// Each price-list row is one save: while another workstation appends to the goods master the import
// stops at the new code, the row before written, nothing of that one; run again it adds it.
TEST_F(PriceListTest, AnImportStoppedAtALockNamesTheRowAndKeepsTheRowsBefore) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  {
    support::OtherWorkstation other(folder.path());
    other.HoldAppend("MASTBRJ");
    AddKeys({kEnter, 'Y', kEsc, ' ', ' '});
    ASSERT_TRUE(RHRG(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_TRUE(Shown("Mencoba menambah record file MASTBRJ.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Impor berhenti di Price.dbf record 2 (BRG02): barang ini tidak tersimpan"));
    const std::vector<std::string> rows = GoodsRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(support::StoredText(Item(1), 1, "NAMA"), "PENSIL MERAH");
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }
  AddKeys({kEnter, 'Y'});
  ASSERT_TRUE(RHRG(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(GoodsRows().size(), 2u);
  EXPECT_EQ(support::StoredText(Item(2), 2, "KODE"), "BRG02");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(PriceListTest, AFolderWithoutAPriceListIsToldAndNothingChanges) {
  const std::vector<std::string> before = GoodsRows();
  fs::remove(imports_ / "Price.dbf");
  AddKeys({kEnter, kEnter});
  ASSERT_TRUE(RHRG(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Daftar harga tidak ada"));
  EXPECT_EQ(GoodsRows(), before);

  // With the TMPFILEIMP row empty the preset folder is offered.
  xbase::WorkArea& setup = Reopen("SETUP");
  ASSERT_TRUE(setup.GoTo(1).ok());
  ASSERT_TRUE(setup.Lock().ok());
  ASSERT_TRUE(setup.Put("KET", T("")).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  AddKeys({kEsc});
  ASSERT_TRUE(RHRG(rig.session, {}).ok());
  EXPECT_TRUE(Shown("D:\\DATA\\PALUNDA\\"));
}

TEST_F(PriceListTest, BrowseShowsThePriceListWithoutAdding) {
  AddKeys({kEnter, console::key::kF2, kEsc});
  ASSERT_TRUE(RHRG3(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown("Dir : "));
  EXPECT_TRUE(Shown("Tabel Data Property"));
  EXPECT_TRUE(Shown("PENSIL MERAH"));
  EXPECT_TRUE(Shown("Esc) Selesai, F4) Cari, Del) Hapus "));
  EXPECT_FALSE(Shown(" Tambah Data "));
}

}  // namespace
}  // namespace masters
