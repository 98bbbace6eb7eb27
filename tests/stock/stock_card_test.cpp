// The stock card: the opening balance before the date, the running balance and prices of every later
// movement, the group's sums, and its pages.
#include "stock/stock_card.h"

#include "console/keys.h"
#include "frame/open_table.h"
#include "stock/movements.h"
#include "stock/stock_rows_helpers.h"
#include "stock/stock_screens.h"
#include "xbase/text_functions.h"

namespace stock {
namespace {

using support::N;
using support::T;
using testing::Day;

class StockCardTest : public testing::StockTest {
 protected:
  StockCardTest() {
    frame::Session& s = rig.session;
    support::AddRows(support::Open(s, "MASTBRJ"), {{{"KODE", T("A1")}, {"NAMA", T("PENSIL")}}});
    support::AddRows(support::Open(s, "MASTGDG"), {{{"GUDANG", T("G1")}, {"NAMA", T("GUDANG SATU")}}});
    support::AddRows(support::Open(s, "MASTSUP"), {{{"KODE", T("S1")}, {"NAMA", T("SUPLAI JAYA")}}});
    support::AddRows(support::Open(s, "MASTCUS"), {{{"RELASI", T("C1")}, {"NAMA", T("TOKO SATU")}}});
    support::AddRows(support::Open(s, "STOKBRG"), {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(82)}}});
    Document("BPBELI", "BP1", Day(2026, 3, 1), {{"A1", "G1", 100, 1000, 1000}}, {{"SUPLIER", T("S1")}});
    // 2,000 less 10 % on the line and 5 % on the note: 1,710.
    Document("SRTJLN", "SJ1", Day(2026, 3, 5), {{"A1", "G1", 30, 2000, 1000, 10}},
             {{"RELASI", T("C1")}, {"DISCOUNT", N(5)}});
    Adjustment("ADJ1", Day(2026, 3, 10), {"A1", "G1", 5, 900, 1000});
    Document("MTSDBT", "MT1", Day(2026, 3, 12), {{"A1", "G1", 7, 0, 1000, 0, "DARI G2"}});
    CloseAll();
    std::vector<frame::TableUse> tables = {{"MASTBRJ"}, {"MASTGDG"}, {"STOKBRG"}};
    for (const std::string_view name : MovementTables()) tables.push_back({name});
    opened = frame::OpenTables(rig.session, tables);
    EXPECT_TRUE(opened);
  }

  std::vector<std::string> Page(const frame::ReportPages& pages, size_t n) {
    std::vector<std::string> lines;
    for (const frame::ReportLine& line : pages.at(n)) lines.push_back(line.text);
    return lines;
  }

  frame::OpenedTables opened;
};

const std::string kRule(129, '=');
const std::string kColumns =
    "TANGGAL    NOMOR                RELASI     KETERANGAN                         DEBET    KREDIT     SALDO        "
    "HARGA     HRG RATA";

TEST_F(StockCardTest, OpensWithTheBalanceBeforeTheDateAndRunsThroughEveryLaterMovement) {
  frame::ReportPages pages;
  ASSERT_TRUE(
      StockCardPages(rig.session, opened, {"A1", "A1", "G1", xbase::Date::FromYmd(2026, 3, 5), 3}, &pages).ok());
  ASSERT_EQ(pages.size(), 2u);
  const std::string heading = "KARTU STOCK/KODE/GUDANG dari Tanggal : 05-03-2026";
  EXPECT_EQ(Page(pages, 0),
            (std::vector<std::string>{
                heading, kRule, kColumns, kRule,
                "Kode Barang : A1         PENSIL              , Gudang : G1     GUDANG SATU         ",
                "04-03-2026" + std::string(53, ' ') + "Saldo Awal       100         0       100     1,000.00     1,000.00",
                "05-03-2026 SJ1                  C1         TOKO SATU                              0        30        70"
                "     1,710.00     1,000.00",
                "10-03-2026 ADJ1                            Adjust                                 5         0        75"
                "       900.00     1,000.00"}));
  // The fourth counted row passed the three rows of a page.
  EXPECT_EQ(Page(pages, 1),
            (std::vector<std::string>{
                heading, kRule, kColumns, kRule,
                "12-03-2026 MT1                             DARI G2                                7         0        82"
                "         0.00     1,000.00",
                std::string(58, ' ') + "** Jumlah **           12        30        82", ""}));
  EXPECT_EQ(pages[0][4].controls, "Cy");
  EXPECT_EQ(pages[0][5].controls, "C");
}

TEST_F(StockCardTest, ACardStartingAfterEveryMovementShowsOnlyTheClosingBalance) {
  frame::ReportPages pages;
  ASSERT_TRUE(StockCardPages(rig.session, opened, {"A", "A", "", xbase::Date::FromYmd(2026, 4, 1), 55}, &pages).ok());
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].size(), 8u);
  EXPECT_EQ(pages[0][5].text,
            "31-03-2026" + std::string(53, ' ') + "Saldo Awal        82         0        82     1,000.00     1,000.00");
  EXPECT_EQ(pages[0][6].text, std::string(58, ' ') + "** Jumlah **            0         0        82");
}

// The box of "Rekap Kartu Stock" keeps its column heads inside its border.
TEST_F(StockCardTest, TheRecapBoxKeepsItsHeadsInsideTheBorder) {
  CloseAll();
  rig.term.AddKeys({console::key::kNone, console::key::kEsc});
  ASSERT_TRUE(REKKSTOCK(rig.session, {}).ok());
  const console::CellGrid& box = rig.term.screens().back();
  for (int row = 15; row <= 17; ++row) {
    EXPECT_EQ(console::ScriptedTerminal::Text(box, row, 77, 1), console::ScriptedTerminal::Text(box, 6, 77, 1))
        << console::ScriptedTerminal::Dump(box);
  }
  EXPECT_EQ(console::ScriptedTerminal::Text(box, 15, 4, 15), "SALDO AWAL  PEM");
}

}  // namespace
}  // namespace stock
