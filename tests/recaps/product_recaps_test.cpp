// The product recaps against target: the recap rows of a branch summed per item over the windows of
// the report date, walked through the product tree into workbooks read back cell by cell.
#include <gtest/gtest.h>

#include <tuple>

#include "console/keys.h"
#include "frame/spreadsheet.h"
#include "recaps/recap_rows_helpers.h"
#include "recaps/recap_screens.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace recaps {
namespace {

namespace key = console::key;
using support::N;
using support::T;
using testing::L;
using testing::ReadSheet;
using testing::SheetRow;

class ProductRecapsTest : public ::testing::Test {
 protected:
  ProductRecapsTest() {
    rig.session.SetSearchPath(data.path());
    testing::UseReportsFolder(rig.session, home.path());
    frame::Session& s = rig.session;
    support::AddRows(support::Open(s, "CABANG"), {{{"KODE", T("CB01")}, {"NAMA", T("CABANG SATU")}}});
    support::AddRows(support::Open(s, "PATRON"),
                     {{{"KODE", T("K1")}, {"NAMA", T("KANTOR")}, {"LEVEL", N(1)}},
                      {{"KODE", T("K11")}, {"NAMA", T("KERTAS")}, {"LEVEL", N(2)}, {"GRUP", T("D")}, {"KEL", T("02")},
                       {"PARETO", T("A")}, {"INDUK", T("K1")}},
                      {{"KODE", T("K12")}, {"NAMA", T("PULPEN")}, {"LEVEL", N(2)}, {"GRUP", T("D")}, {"KEL", T("03")},
                       {"PARETO", T("A")}, {"INDUK", T("K1")}},
                      {{"KODE", T("S1")}, {"NAMA", T("SEKOLAH")}, {"LEVEL", N(1)}},
                      {{"KODE", T("S11")}, {"NAMA", T("BUKU")}, {"LEVEL", N(2)}, {"GRUP", T("D")}, {"KEL", T("01")},
                       {"PARETO", T("B")}, {"INDUK", T("S1")}},
                      {{"KODE", T("L449")}, {"NAMA", T("BELUM MASUK GROUP")}, {"LEVEL", N(1)}, {"GRUP", T("D")}}});
    support::AddRows(support::Open(s, "PATRON2"), {{{"PATRON", T("K11")}, {"KODE", T("P1")}},
                                                   {{"PATRON", T("K11")}, {"KODE", T("P2")}},
                                                   {{"PATRON", T("K12")}, {"KODE", T("P3")}},
                                                   {{"PATRON", T("S11")}, {"KODE", T("P4")}}});
    support::AddRows(support::Open(s, "MASTBRJ"), {{{"KODE", T("P1")}, {"NAMA", T("HVS A4")}},
                                                   {{"KODE", T("P2")}, {"NAMA", T("HVS F4")}},
                                                   {{"KODE", T("P3")}, {"NAMA", T("PULPEN HITAM")}},
                                                   {{"KODE", T("P4")}, {"NAMA", T("BUKU TULIS")}},
                                                   {{"KODE", T("P5")}, {"NAMA", T("LAKBAN")}}});
    Recap("CB01", "202612", "P1", 20, 200, 10, 100);
    Recap("CB01", "202611", "P1", 10, 100, 5, 50);
    Recap("CB01", "202512", "P1", 0, 0, 4, 40);
    Recap("CB01", "202701", "P1", 30, 300, 0, 0);
    Recap("CB01", "202612", "P2", 0, 0, 0, 0);
    Recap("CB01", "202612", "P3", 0, 0, 3, 30);
    Recap("CB01", "202612", "P5", 0, 0, 1, 10);
    Recap("CB02", "202612", "P4", 0, 0, 100, 1000);
    support::AddRows(support::Open(s, "RKP_CAB"), {{{"CABANG", T("CB01")}, {"PERIODE", T("202612")}, {"KODE", T("P1")},
                                                    {"ST_CRT", N(24)}}});
    support::AddRows(support::Open(s, "PATRON4"),
                     {{{"KODE", T("N1")}, {"NAMA", T("KANTOR")}, {"LVL", N(1)}, {"GRUP", L(true)}},
                      {{"KODE", T("N11")}, {"NAMA", T("KERTAS")}, {"LVL", N(2)}, {"ITEM", T("K11")}},
                      {{"KODE", T("N12")}, {"NAMA", T("PULPEN")}, {"LVL", N(2)}, {"ITEM", T("K12")}}});
    support::AddRows(support::Open(s, "SPV_SALES"), {{{"CABANG", T("CB01")}, {"KODE", T("SP1")}, {"NAMA", T("SUPER")}}});
    support::AddRows(support::Open(s, "SALES_MEM"), {{{"SPVID", T("SP1")}, {"KODE", T("S1")}},
                                                     {{"SPVID", T("SP1")}, {"KODE", T("S2")}},
                                                     {{"SPVID", T("SP2")}, {"KODE", T("S3")}}});
    for (const auto& [salesman, period, item, cartons] :
         {std::tuple{"S1", "202612", "P1", 6}, {"S2", "202612", "P1", 2}, {"S3", "202612", "P1", 50},
          {"S1", "202512", "P1", 4}, {"S1", "202611", "P3", 3}}) {
      support::AddRows(support::Open(s, "RKP_SAL"), {{{"SALES", T(salesman)}, {"PERIODE", T(period)}, {"KODE", T(item)},
                                                      {"JL_CRT", N(cartons)}}});
    }
    support::AddRows(support::Open(s, "LICENS1"), {{{"ID", T("LC1")}, {"NAMA", T("LISENSI A")}}});
    support::AddRows(support::Open(s, "LICENS2"), {{{"ID", T("LC1")}, {"KODE", T("P1")}, {"URUTAN", T("001")}},
                                                   {{"ID", T("LC1")}, {"KODE", T("P5")}, {"URUTAN", T("002")}}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
  }

  // Values in thousands; the posting stores a target's value in rupiah.
  void Recap(const std::string& branch, const std::string& period, const std::string& item, double target_cartons,
             double target_value, double cartons, double value) {
    support::AddRows(support::Open(rig.session, "RKP_CAB"),
                     {{{"CABANG", T(branch)}, {"PERIODE", T(period)}, {"KODE", T(item)}, {"TG_CRT", N(target_cartons)},
                       {"TG_VAL", N(target_value * 1000)}, {"JL_CRT", N(cartons)}, {"JL_VAL", N(value)}}});
  }

  std::vector<std::string> Books() { return testing::Workbooks(home.File("reports")); }

  support::TempDataFolder data{{"RKP_CAB", "RKP_SAL", "PATRON", "PATRON2", "PATRON4", "MASTBRJ", "CABANG", "LICENS1",
                                "LICENS2", "PARETO", "KELOMPOK", "SPV_SALES", "SALES_MEM"}};
  support::TempFolder home;
  support::SessionRig rig;
};

TEST_F(ProductRecapsTest, LapitemWritesTheGroupAndTheDetailWorkbookFromOneComputation) {
  // Branch CB01 and the date offered (31-12-2026); "Group", "Detail", then "Keluar" and Esc.
  rig.term.AddKeys(support::Keys({support::Line("CB01"), {key::kEnter}, {key::kEnter}, {key::kEnter},
                                  {key::kRight, key::kEnter}, {key::kEnter}, {key::kEsc}, {key::kEsc}}));
  ASSERT_TRUE(LAPITEM(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::Shown(rig.term, "    REKAP PENJUALAN ITEM   "));
  const std::vector<std::string> books = Books();
  ASSERT_EQ(books.size(), 2u);

  const platform::SheetData group = ReadSheet(books[0], 0);
  EXPECT_EQ(group.name, "Carton");
  EXPECT_EQ(SheetRow(group, 1, 1), "REKAP PENJUALAN CABANG : CB01 CABANG SATU");
  EXPECT_EQ(SheetRow(group, 2, 1), "PERIODE s/d : 31-12-2026");
  EXPECT_EQ(SheetRow(group, 3, 1), "Carton");
  EXPECT_EQ(SheetRow(group, 4, 15),
            "KODE|NAMA|KUMM BLN INI TH INI|||KUMM TH LALU||TARGET TH INI||BULAN INI TH INI|||BLN INI THLALU||TGT BL DP");
  EXPECT_EQ(SheetRow(group, 5, 15),
            "||REAL (a)|TARGET (b)|% (a/b)|REAL (c)|% (a/c)|TOTAL (d)|% (a/d)|REAL (e)|TARGET (f)|% (e/f)|REAL (g)|% (e/g)|");
  // P1: a 15 of b 30, c 4, d 30, e 10 of f 20, g 4, next month's target 30; P3: 3 this month.
  EXPECT_EQ(SheetRow(group, 6, 15), "K1|KANTOR|||||||||||||");
  EXPECT_EQ(SheetRow(group, 7, 15), "K11|KERTAS|15|30|50|4|375|30|50|10|20|50|4|250|30");
  EXPECT_EQ(SheetRow(group, 8, 15), "K12|PULPEN|3|0|0|0|0|0|0|3|0|0|0|0|0");
  EXPECT_EQ(SheetRow(group, 9, 15), "|JUMLAH KANTOR|18|30|60|4|450|30|60|13|20|65|4|325|30");
  EXPECT_EQ(SheetRow(group, 10, 2), "S1|SEKOLAH");
  EXPECT_EQ(SheetRow(group, 11, 3), "S11|BUKU|0");
  EXPECT_EQ(SheetRow(group, 12, 3), "|JUMLAH SEKOLAH|0");
  // The item missing from PATRON2 is counted under L449.
  EXPECT_EQ(SheetRow(group, 13, 15), "L449|BELUM MASUK GROUP|1|0|0|0|0|0|0|1|0|0|0|0|0");
  EXPECT_EQ(SheetRow(group, 14, 15), "|TOTAL|19|30|63.33|4|475|30|63.33|14|20|70|4|350|30");
  EXPECT_EQ(group.Find(15, 2), nullptr);
  EXPECT_TRUE(group.Find(9, 2)->bold);
  EXPECT_EQ(group.Find(9, 3)->fill_rgb, "FFFF00");
  EXPECT_TRUE(group.Find(14, 3)->bold);
  EXPECT_EQ(group.Find(7, 1)->kind, platform::SheetCell::Kind::kText);
  EXPECT_EQ(group.Find(7, 3)->number_format, frame::kAmountFormat);
  // The last column is as wide as its bold heading "TGT BL DP", not as its figures.
  EXPECT_GE(group.column_widths.at(15), 10.9);
  EXPECT_EQ(ReadSheet(books[0], 1).name, "Value");
  EXPECT_EQ(SheetRow(ReadSheet(books[0], 1), 7, 15), "K11|KERTAS|150|300|50|40|375|300|50|100|200|50|40|250|300");

  // Detail: the item rows whose figures are not all 0, and a total row under each line.
  const platform::SheetData detail = ReadSheet(books[1], 0);
  const std::vector<std::string> rows = {
      "K1|KANTOR|", "K11|KERTAS|", "P1|HVS A4|15", "|JUMLAH KERTAS|15", "K12|PULPEN|", "P3|PULPEN HITAM|3",
      "|JUMLAH PULPEN|3", "|JUMLAH KANTOR|18", "S1|SEKOLAH|", "S11|BUKU|", "|JUMLAH BUKU|0", "|JUMLAH SEKOLAH|0",
      "L449|BELUM MASUK GROUP|", "P5|LAKBAN|1", "|JUMLAH BELUM MASUK GROUP|1", "|TOTAL|19"};
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(SheetRow(detail, 6 + static_cast<int>(i), 3), rows[i]) << i;
  EXPECT_TRUE(detail.Find(9, 2)->bold);
  EXPECT_EQ(detail.Find(9, 3)->fill_rgb, "");
}

TEST_F(ProductRecapsTest, TheSupervisorsRecapCountsHisSalesmenAgainstTheBranchStock) {
  rig.term.AddKeys(support::Keys({support::Line("CB01"), {key::kEnter}, support::Line("SP1"), {key::kEnter},
                                  {key::kEsc}}));
  ASSERT_TRUE(LC2(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  const std::vector<std::string> books = Books();
  ASSERT_EQ(books.size(), 1u);
  const platform::SheetData rekap = ReadSheet(books[0], 0);
  EXPECT_EQ(rekap.name, "Rekap");
  EXPECT_EQ(SheetRow(rekap, 1, 6), "REKAP PENJUALAN BY PRODUCT (L.C.2)|||||CABANG : CB01 - CABANG SATU");
  EXPECT_EQ(SheetRow(rekap, 2, 6), "PERIODE : 31-12-2026|||||SUPERVISOR : SP1 - SUPER");
  EXPECT_EQ(SheetRow(rekap, 5, 11), "||TH LALU (a)|TH INI  (b)|% (b/a)|TH LALU (c)|TH INI  (d)|% (d/b)|STOCK|RT2 OMSET|TOR");
  // S1 and S2 are the supervisor's, S3 is not; stock and the monthly rate (15 cartons this year / 12)
  // are the branch's.
  EXPECT_EQ(SheetRow(rekap, 6, 3), "N1|KANTOR|");
  EXPECT_EQ(SheetRow(rekap, 7, 11), "N11|KERTAS|4|8|200|4|8|200|24|1.25|19.2");
  EXPECT_EQ(SheetRow(rekap, 8, 11), "N12|PULPEN|0|0|0|0|3|0|0|0.25|0");
  EXPECT_EQ(SheetRow(rekap, 9, 11), "|TOTAL KANTOR|4|8|200|4|11|275|24|1.5|16");
  EXPECT_EQ(SheetRow(rekap, 10, 3), "|TOTAL|4");
  const platform::SheetData detail = ReadSheet(books[0], 1);
  EXPECT_EQ(detail.name, "Detail");
  EXPECT_EQ(SheetRow(detail, 8, 4), "P1|HVS A4|4|8");
  EXPECT_EQ(SheetRow(detail, 9, 4), "|JUMLAH KERTAS|4|8");
}

TEST_F(ProductRecapsTest, AnUnknownSupervisorIsRefused) {
  rig.term.AddKeys(support::Keys({support::Line("CB01"), {key::kEnter}, support::Line("SP9"), {key::kEnter},
                                  {key::kEsc}, {key::kEsc}}));
  ASSERT_TRUE(LC2(rig.session, {}).ok());
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "kode supervisor SP9, belum ada"));
  EXPECT_TRUE(Books().empty());
}

TEST_F(ProductRecapsTest, TheLicenceRecapLeavesOutUnlistedItemsAndClosesInYellow) {
  rig.term.AddKeys(support::Keys({support::Line("CB01"), {key::kEnter}, {key::kEnter}, {key::kEnter}, {key::kEsc},
                                  {key::kEsc}}));
  ASSERT_TRUE(LAPLCCAB(rig.session, {}).ok());
  const std::vector<std::string> books = Books();
  ASSERT_EQ(books.size(), 1u);
  const platform::SheetData sheet = ReadSheet(books[0], 0);
  EXPECT_EQ(SheetRow(sheet, 1, 1), "REKAP PENJUALAN LICENSI CABANG : CB01 CABANG SATU");
  EXPECT_EQ(SheetRow(sheet, 6, 15), "LC1|LISENSI A|16|30|53.33|4|400|30|53.33|11|20|55|4|275|30");
  EXPECT_EQ(SheetRow(sheet, 7, 3), "|TOTAL|16");
  EXPECT_EQ(sheet.Find(7, 2)->fill_rgb, "FFFF00");
  EXPECT_EQ(sheet.Find(8, 2), nullptr);
}

TEST_F(ProductRecapsTest, TheParetoRecapGroupsLinesByClassAndGroup) {
  support::AddRows(support::Open(rig.session, "PARETO"), {{{"KODE", T("A")}, {"NAMA", T("PARETO A")}},
                                                          {{"KODE", T("B")}, {"NAMA", T("PARETO B")}}});
  support::AddRows(support::Open(rig.session, "KELOMPOK"), {{{"KODE", T("01")}, {"NAMA", T("SEKOLAH")}},
                                                            {{"KODE", T("02")}, {"NAMA", T("KERTAS")}},
                                                            {{"KODE", T("03")}, {"NAMA", T("TULIS")}}});
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(support::Keys({support::Line("CB01"), {key::kEnter}, {key::kEnter}, {key::kEnter}, {key::kEsc},
                                  {key::kEsc}}));
  ASSERT_TRUE(LAPITEMPAR(rig.session, {}).ok());
  const std::vector<std::string> books = Books();
  ASSERT_EQ(books.size(), 1u);
  EXPECT_EQ(ReadSheet(books[0], 0).name, "Value");
  const platform::SheetData sheet = ReadSheet(books[0], 1);
  EXPECT_EQ(sheet.name, "Carton");
  EXPECT_EQ(SheetRow(sheet, 1, 1), "PARETO PENJUALAN CABANG : CB01 CABANG SATU");
  EXPECT_EQ(SheetRow(sheet, 4, 4), "NO|KODE|NAMA|KUMM BLN INI TH INI");
  const std::vector<std::string> rows = {"|PARETO A||",         "|KERTAS||",   "1|K11|KERTAS|15", "||JUMLAH KERTAS|15",
                                         "|TULIS||",            "1|K12|PULPEN|3", "||JUMLAH TULIS|3", "||JUMLAH PARETO A|18",
                                         "|PARETO B||",         "|SEKOLAH||",  "1|S11|BUKU|0",    "||JUMLAH SEKOLAH|0",
                                         "||JUMLAH PARETO B|0", "||TOTAL|18"};
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(SheetRow(sheet, 6 + static_cast<int>(i), 4), rows[i]) << i;
  EXPECT_EQ(sheet.Find(13, 3)->fill_rgb, "FFFF00");
}

}  // namespace
}  // namespace recaps
