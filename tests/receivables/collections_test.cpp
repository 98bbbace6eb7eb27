// Collection lists: a list for a salesman entered on the screen, the refusal of an invoice twice and
// of a taken number, and the printed list split into what is due and what is not.
#include <gtest/gtest.h>

#include "receivables/collections.h"
#include "receivables/receivables_test_helpers.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class CollectionsTest : public ::testing::Test {
 protected:
  CollectionsTest() {
    rig.session.SetSearchPath(folder.path());
    AddSetting(rig.session, "CABANGJ", "JKT001 JAKARTA");
    AddSetting(rig.session, "NOTG" + kBranch, "T000000004");
    AddRows(Open(rig.session, "MASTSLS"), {{{"SALES", T("S001")}, {"NAMA", T("BUDI SANTOSO")}}});
    AddCustomer(rig.session, "J0001", "TB. SINAR ILMU");
    AddCustomer(rig.session, "J0002", "TOKO MAJU");
    AddRows(Open(rig.session, "PIUTDBT"),
            {{{"NOTA", T("INV1")}, {"TANGGAL", Value::FromDate(kDay - 40)}, {"KDCB", T(kBranch)},
              {"RELASI", T("J0001")}, {"DEBET", N(1000)}, {"KREDIT", N(300)},
              {"TEMPO", Value::FromDate(kDay - 10)}, {"CODE_ID", T("0")}}});
    AddInvoice(rig.session, "INV2", "J0001", 2500, kDay);
    AddInvoice(rig.session, "INV3", "J0002", 800, kDay - 35);
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  support::TempDataFolder folder =
      support::TempDataFolder({"SETUP", "MASTCUS", "MASTSLS", "PIUTDBT", "TAGIH1", "TAGIH2"});
  SessionRig rig;
};

TEST_F(CollectionsTest, AListForASalesmanTakesEachOpenBalanceOnce) {
  rig.term.AddKeys(Keys({Line("JKT001"), {key::kEnter}, Line("05122026"), Line("S001"), Line("INV1"),
                         Line("INV1"), {key::kEnter}, kClearField, Line("INV3"), Line("INV2"), {key::kUp}, {key::F(10)}, {'Y'}, {key::kEnter},
                         {key::kEsc}}));
  ASSERT_TRUE(TAGIH1(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Nota INV1 ini telah diisikan pada urutan ke 1"));
  EXPECT_TRUE(Shown(rig.term, "TB. SINAR ILMU"));
  EXPECT_TRUE(Shown(rig.term, "TAGIHAN ini tersimpan dg Nomor T000000005"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  xbase::WorkArea& header = Open(rig.session, "TAGIH1");
  ASSERT_EQ(header.table().record_count(), 1u);
  EXPECT_EQ(StoredText(header, 1, "NOMOR") + StoredText(header, 1, "KDCB") + StoredText(header, 1, "PENAGIH"),
            "T000000005JKT001S001");
  xbase::WorkArea& lines = Open(rig.session, "TAGIH2");
  ASSERT_EQ(lines.table().record_count(), 3u);
  const double amounts[] = {700, 800, 2500};
  const char* invoices[] = {"INV1", "INV3", "INV2"};
  for (uint32_t n = 1; n <= 3; ++n) {
    ASSERT_TRUE(lines.GoTo(n).ok());
    EXPECT_EQ(StoredText(lines, n, "NOTA"), invoices[n - 1]);
    EXPECT_EQ(lines.Number("JUMLAH"), amounts[n - 1]);
  }
  EXPECT_EQ(StoredText(Open(rig.session, "SETUP"), 2, "KET"), "T000000005");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  // The list printed up to 10-12-2026: INV1 and INV3 are due by then, INV2 not.
  const frame::OpenedTables tables = OpenCollectionTables(rig.session);
  ASSERT_TRUE(tables);
  std::vector<std::vector<std::string>> pages;
  ASSERT_TRUE(CollectionPages(rig.session, tables, "T000000005", kDay + 5, 40, false, &pages));
  ASSERT_EQ(pages.size(), 1u);
  const std::vector<std::string>& page = pages[0];
  EXPECT_EQ(page[0], "TAGIHAN PIUTANG" + std::string(105, ' ') + "NOMOR : T000000005");
  EXPECT_EQ(page[1], "PERIODE : 05-12-2026 s/d 10-12-2026");
  EXPECT_EQ(page[2], "SALES   : S001 - BUDI SANTOSO");
  const auto has = [&](const std::string& text) {
    return std::any_of(page.begin(), page.end(), [&](const std::string& line) { return line.find(text) == 0; });
  };
  EXPECT_TRUE(has("  1|TB. SINAR ILMU      |JAKARTA     |26-10-2026|INV1         |25-11-2026|      1,000.00|        700.00|"));
  EXPECT_TRUE(has("  3|TOKO MAJU           |JAKARTA     |"));
  EXPECT_TRUE(has(xbase::PadR("                          ** Sub Total TB. SINAR ILMU **", 73) +
                  "|         3,500|         3,200|"));
  EXPECT_TRUE(has(xbase::PadR("** T O T A L **", 73) + "|         4,300|         4,000|"));
  EXPECT_TRUE(has(xbase::PadR("Piutang Jatuh Tempo s/d 10-12-2026", 40) + ":          1,500"));
  EXPECT_TRUE(has(xbase::PadR("piutang belum Jatuh Tempo", 40) + ":          2,500"));

  // By company code the top rule ends with the code.
  ASSERT_TRUE(CollectionPages(rig.session, tables, "T000000005", kDay + 5, 40, true, &pages));
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(pages[0][3].substr(pages[0][3].size() - 5), "=0===");
}

TEST_F(CollectionsTest, ATakenNumberRefusesTheSaveAndAnotherBranchsListIsNotLoaded) {
  AddRows(Open(rig.session, "TAGIH1"), {{{"NOMOR", T("T000000005")}, {"KDCB", T("SBY001")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  const frame::OpenedTables tables = OpenCollectionTables(rig.session);
  ASSERT_TRUE(tables);
  CollectionList list;
  list.branch = kBranch;
  list.number = "T000000005";
  EXPECT_FALSE(LoadCollection(rig.session, tables, &list));
  EXPECT_TRUE(Shown(rig.term, "kode cabang tidak sama"));
  list.number = std::string(10, ' ');
  ASSERT_TRUE(LoadCollection(rig.session, tables, &list));
  xbase::Value typed = T("INV2");
  ASSERT_TRUE(CheckCollectionInvoice(rig.session, tables, &list, 0, &typed));
  rig.term.AddKeys({key::kEnter});
  bool saved = true;
  ASSERT_TRUE(SaveCollection(rig.session, tables, &list, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "TAGIHAN No. T000000005 Sudah terdaftar"));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  EXPECT_EQ(Open(rig.session, "TAGIH1").table().record_count(), 1u);
  EXPECT_EQ(Open(rig.session, "TAGIH2").table().record_count(), 0u);
  EXPECT_EQ(StoredText(Open(rig.session, "SETUP"), 2, "KET"), "T000000004");
}

}  // namespace
}  // namespace receivables
