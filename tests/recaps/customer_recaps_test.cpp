// The customer and salesman recaps: recap rows of customers summed per product group over this year
// and last year, outlet-group members merged into their group, read back from the workbook.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "frame/spreadsheet.h"
#include "recaps/recap_rows_helpers.h"
#include "recaps/recap_screens.h"
#include "support/damaged_tables.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace recaps {
namespace {

namespace key = console::key;
using support::N;
using support::T;
using testing::L;
using testing::SheetRow;

class CustomerRecapsTest : public ::testing::Test {
 protected:
  CustomerRecapsTest() {
    rig.session.SetSearchPath(data.path());
    testing::UseReportsFolder(rig.session, home.path());
    frame::Session& s = rig.session;
    support::AddRows(support::Open(s, "PATRON"),
                     {{{"KODE", T("L1")}, {"NAMA", T("BUKU")}, {"KEL", T("01")}, {"PP", L(true)}},
                      {{"KODE", T("L2")}, {"NAMA", T("KERTAS")}, {"KEL", T("02")}, {"INDUK", T("L1")}},
                      {{"KODE", T("L3")}, {"NAMA", T("LAIN")}, {"KEL", T("08")}, {"PP", L(true)}}});
    support::AddRows(support::Open(s, "PATRON2"), {{{"PATRON", T("L1")}, {"KODE", T("P1")}},
                                                   {{"PATRON", T("L2")}, {"KODE", T("P2")}},
                                                   {{"PATRON", T("L3")}, {"KODE", T("P3")}}});
    support::AddRows(support::Open(s, "MASTCUS"), {{{"RELASI", T("C1")}, {"NAMA", T("TOKO A")}, {"KOTA", T("BANDUNG")}},
                                                   {{"RELASI", T("C2")}, {"NAMA", T("TOKO B")}, {"KOTA", T("BOGOR")}},
                                                   {{"RELASI", T("C3")}, {"NAMA", T("TOKO C")}, {"KOTA", T("DEPOK")}}});
    support::AddRows(support::Open(s, "OTL_GRP"), {{{"KODE", T("G1")}, {"NAMA", T("GRUP SATU")}, {"KOTA", T("JAKARTA")}}});
    support::AddRows(support::Open(s, "OTL_MBR"), {{{"KODE", T("G1")}, {"MEMBER", T("C2")}},
                                                   {{"KODE", T("G1")}, {"MEMBER", T("C3")}}});
    Recap("C1", "202612", "P1", 50, 5);
    Recap("C1", "202512", "P1", 20, 2);
    Recap("C1", "202501", "P2", 90, 9);
    Recap("C2", "202606", "P2", 30, 3);
    Recap("C3", "202611", "P3", 40, 4);
    Recap("C3", "202701", "P1", 1000, 100);
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }

  void Recap(const std::string& customer, const std::string& period, const std::string& item, double quantity,
             double cartons) {
    support::AddRows(support::Open(rig.session, "RKP_CUS"),
                     {{{"RELASI", T(customer)}, {"PERIODE", T(period)}, {"KODE", T(item)}, {"JL_QTY", N(quantity)},
                       {"JL_CRT", N(cartons)}, {"JL_VAL", N(cartons * 10)}}});
  }

  support::TempDataFolder data{{"RKP_CUS", "RKP_RLS", "MASTCUS", "MASTSLS", "OTL_GRP", "OTL_MBR", "PATRON", "PATRON2",
                                "MASTBRJ", "CABANG"}};
  support::TempFolder home;
  support::SessionRig rig;
};

TEST_F(CustomerRecapsTest, ProductGroupsOfThisYearAndLastYearWithOutletGroupsMerged) {
  // Every answer as offered: all branches, all customers, 31-12-2026, cartons.
  rig.term.AddKeys(support::Keys({std::vector<int>(4, key::kEnter), {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(LAPRLSKEL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  const std::vector<std::string> books = testing::Workbooks(home.File("reports"));
  ASSERT_EQ(books.size(), 1u);
  const platform::SheetData sheet = testing::ReadSheet(books[0], 0);
  EXPECT_EQ(SheetRow(sheet, 1, 1), "LAPORAN PER RELASI by KEL. PRODUK, CABANG : ");
  EXPECT_EQ(SheetRow(sheet, 3, 1), "CARTON");
  EXPECT_EQ(SheetRow(sheet, 4, 8), "NO|KODE|NAMA|KOTA|JUMLAH||SCHOOL|");
  EXPECT_EQ(SheetRow(sheet, 5, 10), "||||TH INI|TH LALU|TH INI|TH LALU|TH INI|TH LALU");
  // C2 and C3 are the outlet group G1; P3's group "08" counts only in the total; the row of January
  // 2027 lies outside. Rows in descending order of this year's total.
  EXPECT_EQ(SheetRow(sheet, 6, 22), "1|G1|GRUP SATU|JAKARTA|7|0|0|0|3|0|0|0|0|0|0|0|0|0|0|0|0|0");
  EXPECT_EQ(SheetRow(sheet, 7, 22), "2|C1|TOKO A|BANDUNG|5|11|5|2|0|9|0|0|0|0|0|0|0|0|0|0|0|0");
  EXPECT_EQ(SheetRow(sheet, 8, 22), "||TOTAL||12|11|5|2|3|9|0|0|0|0|0|0|0|0|0|0|0|0");
  EXPECT_TRUE(sheet.Find(8, 3)->bold);
  EXPECT_EQ(sheet.Find(9, 3), nullptr);
}

// An outlet membership that cannot be read would put a member's figures on his own row: the recap
// stops with the failure instead and writes no workbook.
TEST_F(CustomerRecapsTest, AnOutletMembershipThatCannotBeReadStopsTheMergedRecap) {
  support::DamageIndexPages(data.path(), "OTL_MBR");
  rig.term.AddKeys(support::Keys({std::vector<int>(4, key::kEnter), {key::kEnter}, {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(LAPRLSKEL(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "OTL_MBR"));
  EXPECT_TRUE(testing::Workbooks(home.File("reports")).empty());
}

TEST_F(CustomerRecapsTest, TurnoverByCoverageLineWithSharesOfTheGrandTotal) {
  // Outlet groups merged, January to December 2026, cartons.
  rig.term.AddKeys(support::Keys({{key::kEnter, key::kEnter}, support::Line("Y"), support::Line("01012026"),
                                  std::vector<int>(5, key::kEnter), {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(LAPPPAVALUE(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  const std::vector<std::string> books = testing::Workbooks(home.File("reports"));
  ASSERT_EQ(books.size(), 1u);
  const platform::SheetData sheet = testing::ReadSheet(books[0], 0);
  EXPECT_EQ(SheetRow(sheet, 2, 1), "PERIODE : 01-01-2026 s/d : 31-12-2026");
  EXPECT_EQ(SheetRow(sheet, 4, 8), "NO|KODE|NAMA|KOTA|%|JUMLAH|BUKU|LAIN");
  // P2's line is not a coverage line and counts under its parent L1 ("BUKU").
  EXPECT_EQ(SheetRow(sheet, 6, 8), "1|G1|GRUP SATU|JAKARTA|0.58|7|3|4");
  EXPECT_EQ(SheetRow(sheet, 7, 8), "2|C1|TOKO A|BANDUNG|0.42|5|5|");
  EXPECT_EQ(SheetRow(sheet, 8, 8), "||TOTAL|||12|8|4");
  EXPECT_EQ(SheetRow(sheet, 9, 8), "||||||0.67|0.33");
  EXPECT_EQ(SheetRow(sheet, 11, 5), "||||12");
  EXPECT_EQ(sheet.Find(6, 5)->number_format, frame::kPercentFormat);
  EXPECT_EQ(sheet.Find(9, 7)->number_format, frame::kPercentFormat);
  EXPECT_EQ(sheet.Find(8, 6)->fill_rgb, sheet.Find(4, 1)->fill_rgb);
}

}  // namespace
}  // namespace recaps
