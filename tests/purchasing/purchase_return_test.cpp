// Purchase returns: the line checks against the receipt and the warehouse, the numbering, the stock
// taken out on saving and put back when a line goes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "console/keys.h"
#include "purchasing/purchase_return.h"
#include "purchasing/purchasing.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

namespace key = console::key;
using support::AddRows;
using support::Keys;
using support::Line;
using support::N;
using support::Open;
using support::T;

class PurchaseReturnTest : public ::testing::Test {
 protected:
  PurchaseReturnTest() {
    frame::Session& s = rig.session;
    s.SetSearchPath(folder.path());
    s.MMEMBER.nik = "ADM01";
    s.MMEMBER.warehouse = "G1";
    AddRows(Open(s, "SETUP"), {{{"SETUP", T("RTBLCB01  ")}, {"KET", T("0000000015")}}});
    AddRows(Open(s, "MASTGDG"), {{{"GUDANG", T("G1")}, {"KDCB", T("CB01")}}});
    AddRows(Open(s, "MASTBRJ"), {{{"KODE", T("A1")}, {"NAMA", T("BUKU TULIS")}, {"JUMLAH", N(30)}, {"DOS", N(10)},
                                  {"PAK", N(5)}}});
    AddRows(Open(s, "STOKBRG"), {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(30)}}});
    AddRows(Open(s, "BPBELI1"), {{{"NO_BPB", T("R1")}, {"KDCB", T("CB01")}, {"DISCOUNT", N(5)}, {"CODE_ID", T("01")}},
                                 {{"NO_BPB", T("R2")}, {"KDCB", T("CB01")}, {"DISCOUNT", N(5)}, {"DISCOUNT2", N(3)}}});
    AddRows(Open(s, "BPBELI2"), {{{"NO_BPB", T("R1")}, {"KODE", T("A1")}, {"GUDANG", T("G1")}, {"QUANTITY", N(100)},
                                  {"HARGA", N(1000)}, {"DISCOUNT", N(10)}, {"URUTAN", T("  1")}, {"HRG_RATA", N(900)}}});
    AddRows(Open(s, "RTBELI1"), {{{"NOMOR", T("0000000016")}}});
    EXPECT_TRUE(s.tables().CloseAll().ok());
    tables = OpenReturnTables(s);
    EXPECT_TRUE(tables);
    ret.date = xbase::Date::FromYmd(2026, 12, 8);
    ret.lines.push_back(BlankReturnLine(1, "G1"));
  }

  // Types `value` into cell `column` of line `row`; true when the check takes it.
  bool Type(int row, int column, xbase::Value value) {
    const bool taken = CheckReturnCell(rig.session, tables, &ret, row, column, &value);
    if (taken) ret.lines[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)] = value;
    return taken;
  }
  // Saves the return typed so far, then damages the index of its lines as another program would
  // while the tables are open.
  void SaveThenDamageItsLines() {
    ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());
    ASSERT_NO_FATAL_FAILURE(Reopen());
    support::DamageIndexPages(folder.path(), "RTBELI2");
  }
  // The tables opened again, so that no index page is read before a damage.
  void Reopen() {
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
    tables = OpenReturnTables(rig.session);
    ASSERT_TRUE(tables);
  }
  double Cell(int row, int column) { return ret.lines[static_cast<size_t>(row - 1)][static_cast<size_t>(column - 1)].number(); }
  double Stock() {
    xbase::WorkArea& stock = *rig.session.tables().Area("stokbrg");
    EXPECT_TRUE(stock.GoTo(1).ok());
    return stock.Number("JUMLAH");
  }

  support::TempDataFolder folder{{"SETUP", "MASTGDG", "MASTBRJ", "STOKBRG", "BPBELI1", "BPBELI2", "MASTSUP", "RTBELI1",
                                  "RTBELI2", "PERUSH"}};
  support::SessionRig rig;
  frame::OpenedTables tables;
  PurchaseReturn ret;
};

TEST_F(PurchaseReturnTest, ALineTakesTheReceiptLineAndCannotTakeMoreThanTheWarehouseHolds) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  EXPECT_EQ(ret.cash1, 5);  // the receipt's cash discounts, branch and company come along
  EXPECT_EQ(ret.branch, "CB01  ");
  EXPECT_EQ(ret.code_id, "01  ");
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  EXPECT_EQ(Cell(1, kPrice), 1000);
  EXPECT_EQ(Cell(1, kDisc1), 10);
  EXPECT_EQ(Cell(1, kAverage), 900);
  EXPECT_EQ(ret.lines[0][kPosition - 1].text(), "  1");

  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(Type(1, kQuantity, N(31)));
  EXPECT_TRUE(support::Shown(rig.term, "Stock Tidak Cukup"));
  // Two cartons and a pack: 25 pieces.
  ASSERT_TRUE(Type(1, kBoxes, N(2)));
  ASSERT_TRUE(Type(1, kPacks, N(1)));
  EXPECT_EQ(Cell(1, kQuantity), 25);
  EXPECT_EQ(Cell(1, kValue), 22500);
  // A second line of the same goods has 5 pieces left.
  ret.lines.push_back(BlankReturnLine(2, "G1"));
  ASSERT_TRUE(Type(2, kCode, T("A1")));
  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(Type(2, kQuantity, N(6)));
  EXPECT_TRUE(Type(2, kQuantity, N(5)));

  // A receipt whose second cash discount differs is refused, though the first is the same.
  ret.lines.push_back(BlankReturnLine(3, "G1"));
  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(Type(3, kReceipt, T("R2")));
  EXPECT_TRUE(support::Shown(rig.term, "Cash discount, tidak sama"));
}

TEST_F(PurchaseReturnTest, SavingTakesTheGoodsOutAndADeletedLinePutsThemBack) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  ASSERT_TRUE(Type(1, kQuantity, N(20)));
  EXPECT_DOUBLE_EQ(ReturnNet(ret), 20 * 1000 * 0.9 * 0.95);
  ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_EQ(ret.number, "0000000017");  // 16 is taken
  EXPECT_EQ(Stock(), 10);
  xbase::WorkArea& line = *rig.session.tables().Area("rtbeli2");
  ASSERT_TRUE(line.GoTo(1).ok());
  EXPECT_EQ(line.Text("NOMOR").substr(0, 10), "0000000017");
  EXPECT_EQ(line.Text("NO_BPB").substr(0, 2), "R1");
  EXPECT_EQ(line.Text("URUT"), "  1");
  EXPECT_EQ(line.Number("QUANTITY"), 20);
  EXPECT_EQ(line.Number("HRG_RATA"), 900);
  xbase::WorkArea& setup = *rig.session.tables().Area("setup");
  ASSERT_TRUE(setup.GoTo(1).ok());
  EXPECT_EQ(setup.Text("KET").substr(0, 10), "0000000017");

  // Loaded again, the stored 20 pieces count as available; the line deleted puts them back.
  PurchaseReturn stored;
  bool found = false;
  ASSERT_TRUE(LoadReturn(rig.session, tables, "0000000017", &stored, &found).ok());
  ASSERT_TRUE(found);
  ASSERT_EQ(stored.lines.size(), 2u);  // with a blank line after the stored one
  EXPECT_EQ(stored.cash1, 5);
  ret = stored;
  EXPECT_TRUE(Type(1, kQuantity, N(30)));
  ret.lines.erase(ret.lines.begin());
  ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_EQ(Stock(), 30);
  ASSERT_TRUE(line.GoTo(1).ok());
  EXPECT_TRUE(line.deleted());
}

// A branch without its counter row is told by the counter's key and saves nothing.
TEST_F(PurchaseReturnTest, ABranchWithoutItsCounterIsToldByNameAndNothingIsSaved) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  ASSERT_TRUE(Type(1, kQuantity, N(20)));
  ret.branch = "CB09  ";
  rig.term.AddKeys({key::kEnter});
  EXPECT_FALSE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_TRUE(support::ShownWhole(rig.term, "Setup RTBLCB09   belum dibuat, hub. admin"))
      << console::ScriptedTerminal::Dump(rig.term.screens().back());
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(xbase::IsBlank(ret.number));
  EXPECT_EQ(Stock(), 30);
  EXPECT_EQ(rig.session.tables().Area("rtbeli2")->table().record_count(), 0u);
}

// Two clerks correct the same return: the one saving after the other's save is refused, and the
// other's lines and stock stay.
TEST_F(PurchaseReturnTest, AReturnSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  ASSERT_TRUE(Type(1, kQuantity, N(20)));
  ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());
  PurchaseReturn first, second;
  bool found = false;
  ASSERT_TRUE(LoadReturn(rig.session, tables, "0000000017", &first, &found).ok() && found);
  ASSERT_TRUE(LoadReturn(rig.session, tables, "0000000017", &second, &found).ok() && found);
  ret = first;
  ASSERT_TRUE(Type(1, kQuantity, N(25)));
  ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_EQ(Stock(), 5);

  ret = second;
  ASSERT_TRUE(Type(1, kQuantity, N(22)));
  rig.term.AddKeys({' '});
  EXPECT_FALSE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Retur 0000000017 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_FALSE(support::Shown(rig.term, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(Stock(), 5);
  xbase::WorkArea& line = *rig.session.tables().Area("rtbeli2");
  ASSERT_TRUE(line.GoTo(1).ok());
  EXPECT_EQ(line.Number("QUANTITY"), 25);
}

TEST_F(PurchaseReturnTest, EscAtTheStockLockWritesNeitherReturnNorCounter) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  tables = OpenReturnTables(rig.session);
  ASSERT_TRUE(tables);
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  ASSERT_TRUE(Type(1, kQuantity, N(20)));
  support::OtherWorkstation other(folder.path());
  other.Hold("STOKBRG", 1);
  rig.term.AddKeys({key::kEsc, ' ', ' '});
  EXPECT_FALSE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file "));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(xbase::IsBlank(ret.number));
  EXPECT_EQ(Stock(), 100);  // the receipt R1 brought 100 pieces
  EXPECT_EQ(rig.session.tables().Area("rtbeli1")->table().record_count(), 1u);
  EXPECT_EQ(rig.session.tables().Area("rtbeli2")->table().record_count(), 0u);
  xbase::WorkArea& setup = *rig.session.tables().Area("setup");
  ASSERT_TRUE(setup.GoTo(1).ok());
  EXPECT_EQ(setup.Text("KET").substr(0, 10), "0000000015");

  other.Release();
  ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());
  EXPECT_EQ(ret.number, "0000000017");
  EXPECT_EQ(Stock(), 80);
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(PurchaseReturnTest, AStoredReturnReadsBackEveryFieldItsSaveWrote) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  ASSERT_TRUE(Type(1, kBoxes, N(1)));
  ASSERT_TRUE(Type(1, kPieces, N(2)));
  ret.lines[0][kDisc2 - 1] = xbase::Value::Num(1.5, 6, 2);
  ret.lines[0][kValue - 1] = xbase::Value::Num(10638, 14, 2);  // 12 x 1,000 less 10 % and 1.5 %
  ret.supplier = "S01";
  ret.notes = "KEMASAN RUSAK";
  ret.cash2 = 2.5;
  ASSERT_TRUE(SaveReturn(rig.session, tables, &ret).ok());

  PurchaseReturn stored;
  bool found = false;
  ASSERT_TRUE(LoadReturn(rig.session, tables, "0000000017", &stored, &found).ok());
  ASSERT_TRUE(found);
  EXPECT_EQ(xbase::RTrim(stored.number), "0000000017");
  EXPECT_EQ(xbase::RTrim(stored.supplier), "S01");
  EXPECT_EQ(xbase::RTrim(stored.branch), "CB01");
  EXPECT_EQ(stored.date, xbase::Date::FromYmd(2026, 12, 8));
  EXPECT_EQ(xbase::RTrim(stored.notes), "KEMASAN RUSAK");
  EXPECT_EQ(stored.cash1, 5);
  EXPECT_EQ(stored.cash2, 2.5);
  EXPECT_EQ(xbase::RTrim(stored.code_id), "01");
  EXPECT_EQ(stored.stored, (std::map<std::string, double>{{"A1        G1    ", 12}}));
  ASSERT_EQ(stored.lines.size(), 2u);
  // Every cell as typed, numbers in the widths the grid edits them in.
  const console::ValueRow blank = BlankReturnLine(1, "G1");
  for (int column = kLineNo; column <= kReturnColumns; ++column) {
    const size_t at = static_cast<size_t>(column - 1);
    const xbase::Value& read = stored.lines[0][at];
    if (blank[at].is_number()) {
      EXPECT_NEAR(read.number(), ret.lines[0][at].number(), 1e-9) << "column " << column;
      EXPECT_EQ(read.number_info().width, blank[at].number_info().width) << "column " << column;
      EXPECT_EQ(read.number_info().decimals, blank[at].number_info().decimals) << "column " << column;
    } else {
      EXPECT_EQ(read.text(), ret.lines[0][at].text()) << "column " << column;
    }
  }
}

// A read that fails on the way to a figure or a decision is told once on row 24 and takes nothing:
// never a receipt not on file (no cash discounts), goods not in the warehouse, or a stock of 0.
TEST_F(PurchaseReturnTest, AReadThatFailsIsToldAndTakesNothing) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  support::DamageIndexPages(folder.path(), "STOKBRG");
  rig.term.AddKeys({' '});
  EXPECT_FALSE(Type(1, kQuantity, N(5)));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "STOKBRG2.ntx"));
  EXPECT_FALSE(support::Shown(rig.term, "Stock Tidak Cukup"));
  EXPECT_EQ(Cell(1, kQuantity), 0);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(Type(1, kBoxes, N(1)));
  EXPECT_EQ(Cell(1, kBoxes), 0);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(Type(1, kWarehouse, T("G1")));
  EXPECT_FALSE(support::Shown(rig.term, "tidak ada di gudang"));

  ASSERT_NO_FATAL_FAILURE(Reopen());
  support::DamageIndexPages(folder.path(), "BPBELI1");
  ret.cash1 = 0;
  ret.branch.clear();
  ret.lines.push_back(BlankReturnLine(2, "G1"));
  rig.term.AddKeys({' '});
  EXPECT_FALSE(Type(2, kReceipt, T("R2")));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "BPBELI11.ntx"));
  EXPECT_EQ(ret.cash1, 0);
  EXPECT_EQ(ret.branch, "");

  ASSERT_NO_FATAL_FAILURE(Reopen());
  support::DamageIndexPages(folder.path(), "BPBELI2");
  rig.term.AddKeys({' '});
  EXPECT_FALSE(Type(1, kCode, T("A1")));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "BPBELI23.ntx"));
  EXPECT_FALSE(support::Shown(rig.term, "tidak terdaftar"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(rig.session.tables().Area("rtbeli1")->table().record_count(), 1u);
  EXPECT_EQ(rig.session.tables().Area("rtbeli2")->table().record_count(), 0u);
}

// A stored return whose lines cannot be read is not opened for correction: saved again, it would
// free the lines left out and put their goods back into stock.
TEST_F(PurchaseReturnTest, AReturnWhoseLinesCannotBeReadIsNotOpenedForCorrection) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  ASSERT_TRUE(Type(1, kQuantity, N(5)));
  ret.lines.push_back(BlankReturnLine(2, "G1"));
  ASSERT_TRUE(Type(2, kReceipt, T("R1")));
  ASSERT_TRUE(Type(2, kCode, T("A1")));
  ASSERT_TRUE(Type(2, kQuantity, N(3)));
  ASSERT_NO_FATAL_FAILURE(SaveThenDamageItsLines());

  rig.term.AddKeys(Keys({Line("0000000017"), {' ', key::kEsc}}));
  ASSERT_TRUE(RTBELI(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, ".ntx"));
  // The number stays refused: the header form never shows the stored return's cash discount.
  EXPECT_FALSE(support::ShownOnRow(rig.term, 4, "Discount :   5.00"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

// The form of a return whose lines cannot be read is not printed in part: the failure is told and
// the number asked again.
TEST_F(PurchaseReturnTest, AReturnWhoseLinesCannotBeReadIsNotPrinted) {
  ASSERT_TRUE(Type(1, kReceipt, T("R1")));
  ASSERT_TRUE(Type(1, kCode, T("A1")));
  ASSERT_TRUE(Type(1, kQuantity, N(5)));
  ASSERT_NO_FATAL_FAILURE(SaveThenDamageItsLines());

  rig.term.AddKeys(Keys({Line("0000000017"), {' ', key::kEsc}}));
  ASSERT_TRUE(CRTBELI(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, ".ntx"));
  EXPECT_FALSE(support::Shown(rig.term, "Printer Dot Matrix"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace purchasing
