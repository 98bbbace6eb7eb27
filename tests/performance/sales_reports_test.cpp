// Net turnover, the price audit, the tour package and the sales split per salesman.
#include <gtest/gtest.h>

#include "performance/audit.h"
#include "performance/chosen_salesmen.h"
#include "performance/group_rows.h"
#include "performance/lsales2.h"
#include "performance/omzdis.h"
#include "performance/pktour.h"
#include "report_rig.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

using support::N;
using support::T;

class TurnoverTest : public ReportRig {
 protected:
  TurnoverTest() {
    Salesman("S001", "BUDI", "SLS");
    Customer("C001", "TOKO SATU");
    Customer("C002", "TOKO DUA");
    Item("BUKU", "SCHOOL", 10);
    Setting("OMZETNONNB", "");
    Add("OTL_GRP", {{"KODE", T("G1")}, {"NAMA", T("GRUP SATU")}, {"JENIS", T("D")}, {"KDCB", T("B2")}, {"TARGET", N(1000)}});
    Add("OTL_GRP", {{"KODE", T("G2")}, {"NAMA", T("GRUP KOSONG")}, {"JENIS", T("D")}, {"KDCB", T("B2")}, {"TARGET", N(500)}});
    Add("OTL_GRP", {{"KODE", T("G3")}, {"NAMA", T("GROSIR")}, {"JENIS", T("G")}, {"KDCB", T("B2")}});
    Add("OTL_MBR", {{"KODE", T("G1")}, {"MEMBER", T("C001")}});
    Add("OTL_MBR", {{"KODE", T("G1")}, {"MEMBER", T("C002")}});
    Note("N1", D(2026, 12, 5), "C001", "S001", {{"BUKU", 2000, 1000}});
    Note("N2", D(2026, 12, 6), "C002", "S009", {{"BUKU", 1000, 1000}}, {.type = "NB"});
    Return("R1", D(2026, 12, 7), "C001", "S001", {{"BUKU", 200, 1000}});
    Return("R2", D(2026, 12, 7), "C001", "S001", {{"BUKU", 50, 1000}}, {.printed = false});
    Add("PIUTDBT", {{"NOTA", T("N1")}, {"RELASI", T("C001")}, {"SALES", T("S001")}});
    Add("PIUTKR1", {{"KDCB", T("B2")}, {"NOMOR", T("P1")}, {"TANGGAL", xbase::Value::FromDate(D(2026, 12, 10))}});
    for (const auto& [code, amount] : {std::pair{"DB", 100000.0}, {"DP", 500000.0}, {"BL", 700000.0}}) {
      Add("PIUTKR2", {{"KDCB", T("B2")}, {"NOMOR", T("P1")}, {"NOTA", T("N1")}, {"KD_TT", T(code)}, {"KREDIT", N(amount)}});
    }
    Add("TARGET", {{"TANGGAL", xbase::Value::FromDate(D(2026, 12, 1))}, {"SALES", T("S001")}, {"BGTVAL", N(4000000)}});
    params.prefix = "G";
    params.from = D(2026, 12, 1);
    params.to = D(2026, 12, 31);
  }
  TurnoverParams params;
};

TEST_F(TurnoverTest, GroupsAddTheirMembersAndSplitTheNonBbTypes) {
  EXPECT_EQ(GroupTurnoverTitle("D"), "OMZET NETTO -= DISTRIBUTOR =- ( dalam ribuan )");
  EXPECT_EQ(GroupTurnoverTitle("L"), "OMZET NETTO -= SPO LOKAL=- ( dalam ribuan )");
  EXPECT_EQ(GroupTurnoverTitle("X"), "OMZET NETTO -= LAIN-LAIN=- ( dalam ribuan )");
  std::vector<TurnoverRow> rows;
  ASSERT_TRUE(GroupTurnover(session(), params, &rows));
  // The group without members keeps no turnover and is not listed; G3 is of another kind.
  ASSERT_EQ(rows.size(), 1u);
  const TurnoverRow& row = rows[0];
  EXPECT_EQ(row.gross, 2750);
  EXPECT_EQ(row.deductions[0], 100);
  EXPECT_EQ(row.deductions[9], 500);
  EXPECT_EQ(row.total_deductions, 600);
  EXPECT_EQ(row.net, 2150);
  EXPECT_EQ(row.non_bb, 1000);
  EXPECT_EQ(row.base_bb, 1150);
  EXPECT_EQ(row.Achievement(), 215);
  // With tax invoices the "DP" line changes nothing.
  params.tax_invoice = true;
  ASSERT_TRUE(GroupTurnover(session(), params, &rows));
  EXPECT_EQ(rows[0].deductions[9], 0);
  EXPECT_EQ(rows[0].net, 2650);
  std::string path;
  ASSERT_TRUE(GroupTurnoverBook(session(), params, rows, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 6, 3), "G1");
  EXPECT_EQ(Number(sheet, 6, 6), 2750);
  EXPECT_EQ(Number(sheet, 6, 7), 100);
  EXPECT_EQ(Number(sheet, 6, 18), 2650);
  EXPECT_EQ(Number(sheet, 6, 21), 265);
  const std::string text = Copied([&] { EXPECT_FALSE(PrintGroupTurnover(session(), params, rows)); });
  EXPECT_EQ(LinesWith(text, "CABANG : B2").size(), 1u);
  const std::vector<std::string> group = LinesWith(text, "  1 G1         GRUP SATU");
  ASSERT_EQ(group.size(), 1u);
  EXPECT_NE(group[0].find("       1,000       2,750         100"), std::string::npos) << group[0];
  EXPECT_EQ(LinesWith(text, "                 ** JUMLAH ** ").size(), 1u);
}

TEST_F(TurnoverTest, CustomersHaveNoTargetAndSalesmenTakeTheDeductionsOfTheirInvoices) {
  params.prefix = "C00";
  std::vector<TurnoverRow> rows;
  ASSERT_TRUE(CustomerTurnover(session(), params, &rows));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].code, "C001");
  EXPECT_EQ(rows[0].gross, 1750);
  EXPECT_EQ(rows[0].net, 1150);
  EXPECT_EQ(rows[0].target, 0);
  EXPECT_EQ(xbase::RTrim(rows[1].name), "TOKO DUA");
  ASSERT_TRUE(SalesmanTurnover(session(), params, &rows));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name, "New Sales");
  EXPECT_EQ(rows[0].net, 1000);
  const TurnoverRow& budi = rows[1];
  EXPECT_EQ(budi.target, 4000);
  EXPECT_EQ(budi.gross, 2000);
  // Only the printed return counts, apart from the gross; in the other reports both lower it.
  EXPECT_EQ(budi.returns, 200);
  EXPECT_EQ(budi.net, 1200);
  EXPECT_EQ(budi.Achievement(), 30);
  const std::string text = Copied([&] { EXPECT_FALSE(PrintSalesmanTurnover(session(), params, rows)); });
  EXPECT_EQ(LinesWith(text, "OMZET NETTO PER SALES ( dalam ribuan )").size(), 1u);
  EXPECT_EQ(LinesWith(text, "        CASH").size(), 1u);
  EXPECT_NE(LinesWith(text, "S001")[0].find("30.00"), std::string::npos);
}

class AuditTest : public ReportRig {
 protected:
  AuditTest() {
    Add("MASTCUS", {{"RELASI", T("C001")}, {"NAMA", T("TOKO SATU")}, {"KELOMPOK", T("RETL")}, {"DISC", N(5)}});
    Customer("C003", "SWALAYAN", "MODN", 3);
    Add("MASTBRJ", {{"KODE", T("BUKU")}, {"GOLONGAN", T("SCHOOL")}, {"NAMA", T("BUKU TULIS")}, {"HARGA", N(1000)},
                    {"HRG_NETT", N(950)}, {"HPP", N(900)}, {"HRG_NETT3", N(850)}});
    Add("MASTBRJ", {{"KODE", T("CPEN")}, {"GOLONGAN", T("SCHOOL")}, {"HARGA", N(500)}});
    Add("MASTBRJ", {{"KODE", T("PENA")}, {"GOLONGAN", T("WRITING")}, {"HARGA", N(2000)}, {"HRG_NETT", N(1700)}});
    Setting("WRITING", "010005");
  }
};

TEST_F(AuditTest, LinesDepartingFromTheMasterDataAreListed) {
  EXPECT_DOUBLE_EQ(CompoundDiscount({10, 5}), 14.5);
  EXPECT_FALSE(ADASALAH("BUKU", 1000, 0, 0, 950, 100, 0, 0, 0, 0, 0));
  EXPECT_FALSE(ADASALAH("BUKU", 1000, 1000, 950, 950, 5, 0, 0, 0, 5, 0));
  EXPECT_TRUE(ADASALAH("BUKU", 1000, 1000, 949, 950, 5, 0, 0, 0, 5, 0));
  EXPECT_TRUE(ADASALAH("BUKU", 0, 1000, 1000, 0, 0, 0, 0, 0, 0, 0));
  EXPECT_FALSE(ADASALAH("CPEN", 0, 1, 1, 5, 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(ADASALAH("CPEN", 500, 500, 490, 0, 0, 0, 2, 0, 50, 0));
  Note("N1", D(2026, 12, 2), "C001", "",
       {{"BUKU", 10, 1000, 5}, {"BUKU", 5, 1000, 100}, {"BUKU", 10, 990}, {"CPEN", 1, 500}, {"CPEN", 1, 500, 2},
        {"PENA", 1, 2000, 10, 5}, {"PENA", 1, 2000, 12, 5}},
       {.order = "SO-1"});
  Note("N2", D(2026, 12, 3), "C003", "", {{"BUKU", 1, 900}, {"BUKU", 1, 1000}});
  Note("N3", D(2026, 12, 4), "C003", "", {{"BUKU", 1, 1}}, {.admin_return = "RA1"});
  std::string path;
  ASSERT_TRUE(PriceAudit(session(), "C00", D(2026, 12, 1), D(2026, 12, 31), &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "HASIL AUDIT HARGA : C00");
  EXPECT_EQ(Text(sheet, 3, 11), "HARGA");
  EXPECT_EQ(Text(sheet, 4, 18), "J.Disc");
  EXPECT_EQ(Text(sheet, 5, 8), "BUKU");
  EXPECT_EQ(Number(sheet, 5, 11), 990);
  EXPECT_EQ(Number(sheet, 5, 13), -10);
  EXPECT_EQ(Text(sheet, 5, 27), "SO-1");
  EXPECT_EQ(Text(sheet, 6, 8), "CPEN");
  EXPECT_EQ(Number(sheet, 6, 18), 2);
  EXPECT_EQ(Text(sheet, 7, 8), "PENA");
  EXPECT_NEAR(Number(sheet, 7, 18), 16.4, 1e-9);
  EXPECT_EQ(Number(sheet, 7, 19), 10);
  EXPECT_NEAR(Number(sheet, 7, 21), 14.5, 1e-9);
  EXPECT_NEAR(Number(sheet, 7, 22), -1.9, 1e-9);
  // A customer of price level 3 is held to HPP.
  EXPECT_EQ(Text(sheet, 8, 4), "C003");
  EXPECT_EQ(Number(sheet, 8, 11), 1000);
  EXPECT_EQ(Number(sheet, 8, 12), 900);
  EXPECT_EQ(Number(sheet, 8, 26), 3);
  EXPECT_EQ(sheet.Find(9, 8), nullptr);
}

class SplitTest : public ReportRig {
 protected:
  SplitTest() {
    Salesman("S001", "BUDI", "SLS");
    Salesman("S002", "ANI", "SLS");
    Customer("C001", "TOKO SATU");
    Customer("C002", "GROSIR DUA", "GROS");
    Item("BUKU", "SCHOOL", 10);
    Item("PENA", "WRITING", 12);
    Item("ZZ", "JASA", 0);
  }
};

TEST_F(SplitTest, TourPackageItemsPerChosenSalesmanWithGroupAndClassTotals) {
  Add("PK_TOUR", {{"KODE", T("ZZ")}, {"GOL", T("K2")}});
  Add("PK_TOUR", {{"KODE", T("PENA")}, {"GOL", T("K1")}});
  Add("PK_TOUR", {{"KODE", T("BUKU")}, {"GOL", T("K1")}});
  Note("N1", D(2026, 12, 2), "C001", "S001", {{"BUKU", 20, 1000}, {"ZZ", 5, 1000}});
  Note("N2", D(2026, 12, 3), "C001", "S002", {{"PENA", 24, 500}});
  Note("N3", D(2026, 12, 3), "D001", "S001", {{"BUKU", 500, 1000}});
  Return("R1", D(2026, 12, 4), "C001", "S001", {{"BUKU", 10, 1000}});
  std::vector<std::string> chosen(14, "    ");
  chosen[1] = "S001";
  ASSERT_TRUE(SIMPANSETDEFAULTSALES(session(), chosen, "C0  ", kTourKey).ok());
  std::vector<std::string> kept;
  ASSERT_TRUE(SETDEFAULTSALES(session(), "C0", kTourKey, &kept).ok());
  EXPECT_EQ(kept, chosen);
  ASSERT_TRUE(SETDEFAULTSALES(session(), "D0", kTourKey, &kept).ok());
  EXPECT_EQ(kept, std::vector<std::string>(14, "    "));
  EXPECT_EQ(NAMASALES(session(), "S001"), "S001 (BUDI)");
  std::string path;
  ASSERT_TRUE(TourPackage(session(), "C0", D(2026, 12, 1), D(2026, 12, 31), chosen, &path));
  const platform::SheetData sheet = Sheet(path);
  EXPECT_EQ(Text(sheet, 1, 1), "LAPORAN PAKET TOUR SALESMAN ( RELASI :C0 )");
  EXPECT_EQ(Text(sheet, 4, 10), "S001 (BUDI)");
  EXPECT_EQ(Text(sheet, 5, 12), "Value");
  const std::vector<std::pair<int, std::vector<double>>> expected = {
      {6, {10, 1, 10, 0, 0, 0, 10, 1, 10}},  {7, {10, 1, 10, 0, 0, 0, 10, 1, 10}},
      {8, {24, 2, 12, 24, 2, 12, 0, 0, 0}},  {10, {34, 3, 22, 24, 2, 12, 10, 1, 10}},
      {11, {5, 0, 5, 0, 0, 0, 5, 0, 5}},     {14, {39, 3, 27, 24, 2, 12, 15, 1, 15}}};
  for (const auto& [row, figures] : expected) {
    for (size_t i = 0; i < figures.size(); ++i) EXPECT_EQ(Number(sheet, row, 4 + static_cast<int>(i)), figures[i]) << row;
  }
  EXPECT_EQ(Text(sheet, 6, 2), "BUKU");
  EXPECT_EQ(Text(sheet, 7, 3), "JUMLAH SCHOOL");
  EXPECT_EQ(Text(sheet, 10, 3), "JUMLAH KELOMPOK K1");
  EXPECT_EQ(Text(sheet, 13, 3), "JUMLAH KELOMPOK K2");
  EXPECT_EQ(Text(sheet, 14, 3), "TOTAL");
}

TEST_F(SplitTest, SalesPerGoodsGroupAndFamilySplitIntoTheChosenAndTheOthers) {
  Item("KERTAS", "COPYPAPER", 5);
  Item("JASA1", "JASA-PRIMA", 0);
  Member("K111", "BUKU");
  Member("L12", "KERTAS");
  Note("N1", D(2026, 12, 2), "C001", "S001", {{"BUKU", 20, 1000}, {"JASA1", 1, 600000}});
  Note("N2", D(2026, 12, 3), "C001", "S002", {{"KERTAS", 10, 50000}});
  Note("N3", D(2026, 12, 3), "C001", "S001", {{"BUKU", 20, 1000}}, {.type = "02"});
  SalesSplitParams params{"C", "01", "", D(2026, 12, 1), D(2026, 12, 31), {"S001"}, false};
  std::vector<SplitFigures> groups, families;
  ASSERT_TRUE(SalesByGroup(session(), params, &groups, &families));
  ASSERT_EQ(groups.size(), 38u);
  EXPECT_EQ(groups[0], (SplitFigures{2, 20, 0, 0, 2, 20}));
  EXPECT_EQ(groups[3], (SplitFigures{2, 20, 0, 0, 2, 20}));
  EXPECT_EQ(groups[7], (SplitFigures{2, 500, 2, 500, 0, 0}));
  EXPECT_EQ(groups[8], (SplitFigures{2, 500, 2, 500, 0, 0}));
  EXPECT_EQ(groups[10], (SplitFigures{1, 600, 0, 0, 1, 600}));
  EXPECT_EQ(groups[36], (SplitFigures{1, 600, 0, 0, 1, 600}));
  EXPECT_EQ(groups[37], (SplitFigures{5, 1120, 2, 500, 3, 620}));
  EXPECT_EQ(families[0], (SplitFigures{2, 20, 0, 0, 2, 20}));
  EXPECT_EQ(families[5], (SplitFigures{2, 500, 2, 500, 0, 0}));
  EXPECT_EQ(families[8], (SplitFigures{1, 600, 0, 0, 1, 600}));
  EXPECT_EQ(families[10], (SplitFigures{5, 1120, 2, 500, 3, 620}));
  std::string path;
  ASSERT_TRUE(SalesByGroupBook(session(), params, groups, families, &path));
  EXPECT_EQ(SheetNames(path), (std::vector<std::string>{"Golongan", "K1234"}));
  const platform::SheetData sheet = Sheet(path, "Golongan");
  EXPECT_EQ(Text(sheet, 4, 7), "S001 (BUDI)");
  EXPECT_EQ(Text(sheet, 13, 2), "COPYPAPER");
  EXPECT_EQ(Number(sheet, 13, 4), 500);
  EXPECT_EQ(Text(sheet, 43, 2), " **TOTAL**");
  EXPECT_EQ(Number(sheet, 43, 8), 620);
  const std::string text = Copied([&] { EXPECT_FALSE(PrintSalesByGroup(session(), params, groups, families)); });
  EXPECT_EQ(LinesWith(text, "PENJUALAN per PRODUK per SALES, Tanggal 01-12-2026 s/d 31-12-2026").size(), 1u);
  EXPECT_EQ(LinesWith(text, "RELASI : C, TIPE : 01").size(), 1u);
  EXPECT_EQ(LinesWith(text, "COPYPAPER            2         500         2         500         0           0").size(), 1u);
  // Rows without cartons are not printed.
  EXPECT_EQ(LinesWith(text, "OFFICE").size(), 0u);
}

TEST_F(SplitTest, SalesPerCustomerShowEachSalesmansShare) {
  Note("N1", D(2026, 12, 2), "C001", "S001", {{"BUKU", 20, 1000}, {"ZZ", 1, 600000}});
  Note("N2", D(2026, 12, 3), "C001", "S002", {{"PENA", 1000, 500}});
  Note("N3", D(2026, 12, 3), "C002", "S001", {{"PENA", 1000, 500}});
  SalesSplitParams params{"C", "", "RETL", D(2026, 12, 1), D(2026, 12, 31), {"S001"}, true};
  const std::string text = Copied([&] { EXPECT_FALSE(SalesByCustomer(session(), params)); });
  EXPECT_EQ(LinesWith(text, "KELOMPOK : RETL, ( Value / 1000)").size(), 1u);
  const std::vector<std::string> rows = LinesWith(text, "C001");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_NE(rows[0].find("       1,120         500  45         620  55"), std::string::npos) << rows[0];
  EXPECT_EQ(LinesWith(text, "C002").size(), 0u);
  EXPECT_EQ(LinesWith(text, "              JUMLAH               ").size(), 1u);
}

}  // namespace
}  // namespace performance

namespace performance {
namespace {

TEST(GroupRowsTest, ItemRowsFeedTheirSubTotalAndTheTotalAndUnknownNamesTheFallback) {
  const GroupRows families = FamilyRows();
  EXPECT_EQ(families.RowsOf("K3        "), (std::vector<size_t>{2, 4, 10}));
  EXPECT_EQ(families.RowsOf("M43"), (std::vector<size_t>{7, 9, 10}));
  EXPECT_EQ(families.RowsOf("Z9"), (std::vector<size_t>{8, 9, 10}));
  EXPECT_TRUE(families.IsSum(4));
  EXPECT_FALSE(families.IsSum(5));
  const GroupRows groups = SalesGroupRows();
  EXPECT_EQ(groups.labels()[10], "JASA-PRIMA");
  EXPECT_EQ(groups.RowsOf("TISSUE"), (std::vector<size_t>{35, 36, 37}));
}

TEST(ChosenColumnTest, TheFirstChosenCodeTheSalesmanBeginsWithAndNoneForEmptyChoices) {
  EXPECT_EQ(ChosenColumn({"    ", "S0", "S001"}, "S001"), 1);
  EXPECT_EQ(ChosenColumn({"    ", "S002"}, "S001"), -1);
  EXPECT_EQ(ChosenColumn({}, "S001"), -1);
}

}  // namespace
}  // namespace performance
