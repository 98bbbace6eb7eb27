// The opname adjustment: a counted, a miscounted, an uncounted and a never-moved item, the later
// movements kept, and a second run that books nothing more.
#include "stock/opname.h"

#include "stock/stock_rows_helpers.h"
#include "stock/stock_screens.h"

namespace stock {
namespace {

using support::N;
using support::T;
using testing::Day;

class OpnameTest : public testing::StockTest {
 protected:
  OpnameTest() {
    frame::Session& s = rig.session;
    s.MMEMBER.nik = "N01";
    support::AddRows(support::Open(s, "MASTBRJ"),
                     {{{"KODE", T("A1")}, {"HARGA4", N(500)}, {"DOS", N(10)}, {"JUMLAH", N(7)}},
                      {{"KODE", T("B1")}, {"HARGA4", N(300)}},
                      {{"KODE", T("C1")}, {"HARGA4", N(200)}},
                      {{"KODE", T("D1")}, {"HARGA4", N(100)}}});
    support::AddRows(support::Open(s, "STOKBRG"),
                     {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(999)}, {"HRG_RATA", N(400)}},
                      {{"KODE", T("B1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(40)}, {"HRG_RATA", N(250)}},
                      {{"KODE", T("D1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(10)}, {"HRG_RATA", N(90)}}});
    Document("BPBELI", "BP1", Day(2026, 3, 1), {{"A1", "G1", 100, 420, 420}, {"D1", "G1", 10, 90, 90}});
    Document("BPBELI", "BP2", Day(2026, 3, 2), {{"B1", "G1", 40, 260, 260}});
    Document("SRTJLN", "SJ1", Day(2026, 3, 5), {{"A1", "G1", 30, 900}});
    // After the stock-taking: kept in the new quantity, not in the variance.
    Document("SRTJLN", "SJ2", Day(2026, 3, 20), {{"A1", "G1", 10, 900}});
    support::AddRows(support::Open(s, "OPNAME"),
                     {{{"NOMOR", T("0000000001")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(60)},
                       {"TANGGAL", Day(2026, 3, 15)}},
                      {{"NOMOR", T("0000000001")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(5)},
                       {"TANGGAL", Day(2026, 3, 15)}},
                      {{"NOMOR", T("0000000002")}, {"KODE", T("C1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(12)},
                       {"TANGGAL", Day(2026, 3, 15)}},
                      {{"NOMOR", T("0000000002")}, {"KODE", T("D1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(10)},
                       {"TANGGAL", Day(2026, 3, 15)}}});
    CloseAll();
    tables = frame::OpenTables(rig.session, OpnameTables());
    EXPECT_TRUE(tables);
  }

  frame::OpenedTables tables;
};

TEST_F(OpnameTest, BooksTheDifferenceAtTheDateAndKeepsTheLaterMovements) {
  const xbase::Date date = xbase::Date::FromYmd(2026, 3, 15);
  EXPECT_EQ(FirstTagDate(tables), date);
  std::vector<OpnamePair> pairs;
  ASSERT_TRUE(OpnamePairs(rig.session, tables, "", "", date, &pairs).ok());
  ASSERT_EQ(pairs.size(), 4u);
  // The warehouse rows first, then the pair found only on a tag.
  EXPECT_EQ(pairs[0].code + pairs[1].code + pairs[2].code + pairs[3].code, "A1        B1        D1        C1        ");
  EXPECT_EQ(pairs[0].at_date, 70);
  EXPECT_EQ(pairs[0].later, -10);
  EXPECT_EQ(pairs[0].counted, 65);
  EXPECT_EQ(pairs[0].average, 420);
  EXPECT_FALSE(pairs[3].has_row);

  for (int run = 0; run < 2; ++run) {
    ASSERT_TRUE(AdjustToCount(rig.session, tables, "", "", date).ok());
    // D1 was counted right: no row. A second run finds the differences booked.
    EXPECT_EQ(Rows("JUSTMEN", {"NOMOR", "TANGGAL", "KODE", "QUANTITY", "HARGA", "HRG_RATA", "OPERATOR"}),
              (std::vector<std::string>{
                  "NOMOR=STOP20260315 TANGGAL=20260315 KODE=A1 QUANTITY=-5 HARGA=500.00 HRG_RATA=420.00 OPERATOR=N01",
                  "NOMOR=STOP20260315 TANGGAL=20260315 KODE=B1 QUANTITY=-40 HARGA=300.00 HRG_RATA=260.00 OPERATOR=N01",
                  "NOMOR=STOP20260315 TANGGAL=20260315 KODE=C1 QUANTITY=12 HARGA=200.00 HRG_RATA=0.00 OPERATOR=N01"}))
        << "run " << run;
    EXPECT_EQ(Rows("STOKBRG", {"KODE", "JUMLAH", "HRG_BELI", "HRG_POKOK", "HRG_RATA"}),
              (std::vector<std::string>{"KODE=A1 JUMLAH=55 HRG_BELI=420.00 HRG_POKOK=500.00 HRG_RATA=420.00",
                                        "KODE=B1 JUMLAH=0 HRG_BELI=260.00 HRG_POKOK=300.00 HRG_RATA=260.00",
                                        "KODE=D1 JUMLAH=10 HRG_BELI=90.00 HRG_POKOK=100.00 HRG_RATA=90.00",
                                        "KODE=C1 JUMLAH=12 HRG_BELI=0.00 HRG_POKOK=200.00 HRG_RATA=0.00"}));
  }
  // The goods master follows the warehouse rows; the stock-taking date closes the earlier days.
  EXPECT_EQ(Rows("MASTBRJ", {"KODE", "JUMLAH"}),
            (std::vector<std::string>{"KODE=A1 JUMLAH=55", "KODE=B1 JUMLAH=0", "KODE=C1 JUMLAH=12", "KODE=D1 JUMLAH=10"}));
  EXPECT_EQ(Rows("SETUP", {"SETUP", "KET"}), std::vector<std::string>{"SETUP=ADJUSTMENT KET=15-03-2026"});
}

}  // namespace
}  // namespace stock

namespace stock {
namespace {

TEST_F(OpnameTest, TheVarianceReportSetsTheCountAgainstTheStockAtTheDate) {
  CloseAll();
  // Every answer as offered (the date of the first tag), then the copy to a file.
  rig.term.AddKeys(support::Keys({{'\r', '\r', '\r', '\r'}, {'C'}, support::Line("varian"), support::Line(copies.path()),
                                  {'y'}, {27}, {27}}));
  ASSERT_TRUE(CVARIAN(rig.session, {}).ok());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  const std::vector<std::string> lines = testing::FileLines(copies.File("varian"));
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[0], "VARIANCE STOCK FISIK vs DATA STOCK KOMPUTER");
  EXPECT_EQ(lines[1], "TANGGAL STOCK OPNAME : 15-03-2026");
  EXPECT_EQ(lines[2], std::string(157, '='));
  // Computer, physical and variance in pieces, cartons of ten (A1 only) and value at HARGA4; D1 was
  // counted right, C1 only counted, B1 not counted at all.
  const std::string lead = std::string(26, ' ');
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 6, lines.end()),
            (std::vector<std::string>{
                "A1        " + lead + "500.00 G1            70        65        -5         7      6.50     -0.50"
                "          35,000          32,500          -2,500",
                "B1        " + lead + "300.00 G1            40         0       -40         0      0.00      0.00"
                "          12,000               0         -12,000",
                "D1        " + lead + "100.00 G1            10        10         0         0      0.00      0.00"
                "           1,000           1,000               0",
                "C1        " + lead + "200.00 G1             0        12        12         0      0.00      0.00"
                "               0           2,400           2,400",
                std::string(157, '='),
                "JUMLAH" + std::string(50, ' ') + "120        87       -33         7      6.50     -0.50"
                "          48,000          35,900         -12,100"}));
}

}  // namespace
}  // namespace stock
