// The stock posting routines on a warehouse stock table opened with its index files in the catalog's
// order (code + warehouse first) and on a goods master: the quantities, the fields a posting adds,
// and the rows a save names.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "documents/save_scope.h"
#include "documents/stock_posting.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace documents {
namespace {

using support::AddRows;
using support::N;
using support::Open;
using support::T;

class StockPostingTest : public ::testing::Test {
 protected:
  StockPostingTest() : stock(OpenIn()), goods(Open(rig.session, "MASTBRJ")) {
    AddRows(stock, {{{"KODE", T("B1")}, {"GUDANG", T("G2")}, {"JUMLAH", N(7)}},
                    {{"KODE", T("B1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(100)}},
                    {{"KODE", T("B10")}, {"GUDANG", T("G1")}, {"JUMLAH", N(3)}}});
    AddRows(goods, {{{"KODE", T("B1")}, {"JUMLAH", N(107)}}, {{"KODE", T("B10")}, {"JUMLAH", N(3)}}});
  }
  xbase::WorkArea& OpenIn() {
    rig.session.SetSearchPath(folder.path());
    return Open(rig.session, "STOKBRG");
  }
  double Quantity(xbase::WorkArea& area, uint32_t recno) {
    EXPECT_TRUE(area.GoTo(recno).ok());
    return area.Number("JUMLAH");
  }

  support::TempDataFolder folder{{"STOKBRG", "MASTBRJ"}};
  support::SessionRig rig;
  xbase::WorkArea& stock;
  xbase::WorkArea& goods;
};

TEST_F(StockPostingTest, FindsTheRowOfWarehouseAndCodeWhateverOrderControls) {
  ASSERT_EQ(stock.OrderNumber(), 1);  // code + warehouse
  ASSERT_TRUE(UPMASTERBARANG(rig.session, "B1", "G1", 0, 30).ok());
  EXPECT_EQ(Quantity(stock, 2), 70);
  EXPECT_EQ(Quantity(stock, 1), 7);
  EXPECT_EQ(Quantity(goods, 1), 77);
  EXPECT_EQ(Quantity(goods, 2), 3);
  EXPECT_EQ(stock.table().record_count(), 3u);
  // The controlling orders are given back and no lock is left behind.
  EXPECT_EQ(stock.OrderNumber(), 1);
  ASSERT_TRUE(goods.SetOrder(2).ok());
  ASSERT_TRUE(UPMASTERBARANG(rig.session, "B10", "G1", 5, 5).ok());
  EXPECT_EQ(goods.OrderNumber(), 2);
  EXPECT_EQ(Quantity(stock, 3), 3);
  EXPECT_EQ(Quantity(goods, 2), 3);
  EXPECT_TRUE(stock.table().locked_records().empty());
  EXPECT_TRUE(goods.table().locked_records().empty());
}

TEST_F(StockPostingTest, AMissingRowIsAppendedAndMissingGoodsMoveOnlyTheWarehouse) {
  ASSERT_TRUE(UPMASTERBARANG(rig.session, "B1", "G3", 0, 12).ok());
  ASSERT_EQ(stock.table().record_count(), 4u);
  EXPECT_EQ(Quantity(stock, 4), -12);
  EXPECT_EQ(stock.Text("GUDANG"), "G3    ");
  EXPECT_EQ(Quantity(goods, 1), 95);
  ASSERT_TRUE(UPMASTERBARANG(rig.session, "X9", "G1", 4, 0).ok());
  EXPECT_EQ(Quantity(stock, 5), 4);
  EXPECT_EQ(goods.table().record_count(), 2u);
  // The appended rows are found through both index files.
  ASSERT_TRUE(stock.SetOrder("STOKBRG1").ok());
  ASSERT_TRUE(stock.Seek("X9        G1").ok());
  EXPECT_EQ(stock.recno(), 5u);
  ASSERT_TRUE(UPMASTERBARANG(rig.session, "X9", "G1", 0, 1).ok());
  EXPECT_EQ(Quantity(stock, 5), 3);
  EXPECT_EQ(stock.table().record_count(), 5u);
}

TEST_F(StockPostingTest, TablesThatAreNotOpenAreNamed) {
  ASSERT_TRUE(rig.session.tables().Close("MASTBRJ").ok());
  const xbase::Status s = UPMASTERBARANG(rig.session, "B1", "G1", 1, 0);
  EXPECT_EQ(s.message(), "table not open: mastbrj");
}

TEST_F(StockPostingTest, APostingAddsItsFieldsMadeFromTheQuantityBeforeIt) {
  std::vector<std::string> calls;
  const StockRowFields price = [&](const xbase::WorkArea& row, bool found, double before) {
    calls.push_back(std::string(found ? "found " : "new ") + std::to_string(static_cast<int>(before)) + " " +
                    std::string(xbase::RTrim(row.Text("KODE"))));
    return FieldValues{{"HRG_RATA", xbase::Value::Num(before + 0.25)}};
  };
  ASSERT_TRUE(PostWarehouseRow(rig.session.console(), stock, "B1", "G1", 5, 15, price).ok());
  ASSERT_TRUE(PostWarehouseRow(rig.session.console(), stock, "B1", "G7", 9, 0, price).ok());
  EXPECT_EQ(Quantity(stock, 2), 90);
  EXPECT_EQ(stock.Number("HRG_RATA"), 100.25);
  ASSERT_EQ(stock.table().record_count(), 4u);
  EXPECT_EQ(Quantity(stock, 4), 9);
  EXPECT_EQ(stock.Text("GUDANG"), "G7    ");
  EXPECT_EQ(stock.Number("HRG_RATA"), 0.25);
  // The goods row takes its fields the same way; goods that are not there are reported and left alone.
  bool found = false;
  ASSERT_TRUE(PostGoodsRow(rig.session.console(), goods, "B10", 2, 0, price, &found).ok());
  EXPECT_TRUE(found);
  EXPECT_EQ(Quantity(goods, 2), 5);
  EXPECT_EQ(goods.Number("HRG_RATA"), 3.25);
  ASSERT_TRUE(PostGoodsRow(rig.session.console(), goods, "X9", 2, 0, price, &found).ok());
  EXPECT_FALSE(found);
  EXPECT_EQ(goods.table().record_count(), 2u);
  // A new row is offered standing at the end, where its fields read blank.
  EXPECT_EQ(calls, (std::vector<std::string>{"found 100 B1", "new 0 ", "found 3 B10"}));
  EXPECT_TRUE(stock.table().locked_records().empty());
  EXPECT_TRUE(goods.table().locked_records().empty());
}

TEST_F(StockPostingTest, ASaveNamesTheWarehouseRowOrAnAppendAndTheGoodsWhenThere) {
  SaveScope save(rig.session.console());
  ASSERT_TRUE(NameStockMove(save, rig.session, "B10", "G1").ok());
  ASSERT_TRUE(NameStockMove(save, rig.session, "X9", "G1").ok());   // a new row, goods unknown
  ASSERT_TRUE(NameWarehouseRow(save, stock, "B1", "G2").ok());
  ASSERT_TRUE(save.Lock().ok());
  EXPECT_EQ(stock.table().locked_records(), (std::vector<uint32_t>{1, 3}));
  EXPECT_EQ(goods.table().locked_records(), (std::vector<uint32_t>{2}));
  EXPECT_EQ(stock.OrderNumber(), 1);
  ASSERT_TRUE(save.BeginWrites().ok());
  xbase::Status s = UPMASTERBARANG(rig.session, "B10", "G1", 0, 3);
  if (s.ok()) s = UPMASTERBARANG(rig.session, "X9", "G1", 6, 0);
  ASSERT_TRUE(save.CommitWrites(s).ok());
  EXPECT_EQ(Quantity(stock, 3), 0);
  EXPECT_EQ(Quantity(stock, 4), 6);
  EXPECT_EQ(Quantity(goods, 2), 0);
  EXPECT_TRUE(stock.table().locked_records().empty());
}

}  // namespace
}  // namespace documents
