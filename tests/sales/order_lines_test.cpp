// The cell checks of the order lines on a demonstration folder: what a code, a quantity, a delivered
// quantity, a warehouse or a discount fills in or refuses, with the messages the screen shows.
#include <gtest/gtest.h>

#include "sales/sales_order.h"
#include "sales/sales_site_helpers.h"
#include "support/scripted_session.h"

namespace sales {
namespace {

using support::Shown;

class OrderLinesTest : public ::testing::Test {
 protected:
  OrderLinesTest() {
    // A warehouse that holds none of the goods.
    site.Add("MASTGDG", {{{"GUDANG", support::T("GDG03")}, {"KDCB", support::T("JKT001")}}});
    site.LogIn(rig.session);
    EXPECT_TRUE(OPENDATA(rig.session));
    // The wholesaler J0003: price level 1, the group's line discounts 3 and 1, the order's 1 and 0.
    OrderHeader& header = order.header;
    header.customer = "J0003     ";
    header.group = "GROS";
    header.price_level = 1;
    header.ceilings = {3, 1, 1, 0};
    header.discount1 = 1;
    ADD_REC(&order.lines, 3, 1, "GDG01");
  }

  // Checks `value` typed into `column` of line `line`; a message waits for the key queued here.
  bool Type(OrderColumn column, xbase::Value value, int line = 1) {
    rig.term.AddKeys({' '});
    typed = value;
    const bool ok = CHKIJUAL(rig.session, &typed, column, &order, line);
    if (ok) order.lines[static_cast<size_t>(line - 1)][static_cast<size_t>(column - 1)] = typed;
    return ok;
  }
  bool Code(std::string code, int line = 1) { return Type(kCode, xbase::Value::Text(code.append(10 - code.size(), ' ')), line); }
  bool Count(OrderColumn column, double value, int line = 1) { return Type(column, xbase::Value::Num(value), line); }
  double At(OrderColumn column, int line = 1) const { return Figure(order.lines[static_cast<size_t>(line - 1)], column); }

  SalesSite site;
  support::SessionRig rig;
  SalesOrder order;
  xbase::Value typed;
};

TEST_F(OrderLinesTest, CodeFillsNameCostPriceAndCartonsMakeTheQuantityThatLeaves) {
  ASSERT_TRUE(Code("SC0001"));
  EXPECT_EQ(Word(order.lines[0], kName), "BUKU TULIS 38 LBR   ");
  EXPECT_EQ(At(kPrice), 3400);    // HARGA1
  EXPECT_EQ(At(kAverage), 2650);  // HRG_RATA
  EXPECT_EQ(At(kDelivered), 0);
  ASSERT_TRUE(Count(kCartons, 2));
  ASSERT_TRUE(Count(kPacks, 3));
  ASSERT_TRUE(Count(kPieces, 5));
  EXPECT_EQ(At(kQuantity), 435);
  EXPECT_EQ(At(kDelivered), 435);  // 4,000 in stock
  EXPECT_DOUBLE_EQ(At(kAmount), 435 * 3400 * 0.97 * 0.99);
  EXPECT_EQ(rig.term.tones().size(), 0u);
}

TEST_F(OrderLinesTest, ShortStockDeliversWholeCartonsAndTwoLinesShareIt) {
  site.Put("STOKBRG", "STOKBRG2", "GDG01 OF0007", "JUMLAH", xbase::Value::Num(45));  // 20 to a carton
  ASSERT_TRUE(Code("OF0007"));
  ASSERT_TRUE(Count(kPieces, 45));
  EXPECT_EQ(At(kDelivered), 40);  // stock equal to the order: only the whole cartons of it
  ASSERT_TRUE(Count(kPieces, 44));
  EXPECT_EQ(At(kDelivered), 44);
  ADD_REC(&order.lines, 3, 1, "GDG01");
  ASSERT_TRUE(Code("OF0007", 2));
  ASSERT_TRUE(Count(kPieces, 5, 2));
  EXPECT_EQ(At(kDelivered, 2), 0);  // one piece left: no whole carton
  ASSERT_TRUE(Count(kPieces, 30));
  ASSERT_TRUE(Count(kPieces, 5, 2));
  EXPECT_EQ(At(kDelivered, 2), 5);
}

TEST_F(OrderLinesTest, DeliveredAboveTheFreeStockIsCutToItWithAMessage) {
  ASSERT_TRUE(Code("OF0007"));
  ASSERT_TRUE(Count(kPieces, 100));
  EXPECT_EQ(At(kDelivered), 40);
  ADD_REC(&order.lines, 3, 1, "GDG01");
  ASSERT_TRUE(Code("OF0007", 2));
  ASSERT_TRUE(Count(kPieces, 10, 2));
  ASSERT_TRUE(Count(kDelivered, 30));
  EXPECT_FALSE(Count(kDelivered, 15, 2));
  EXPECT_TRUE(Shown(rig.term, "Stock Tidak Cukup"));
  EXPECT_EQ(typed.number(), 10);  // the cell shows what may leave
  EXPECT_EQ(At(kDelivered, 2), 0);
  ASSERT_TRUE(Count(kDelivered, 10, 2));
  EXPECT_DOUBLE_EQ(At(kAmount, 2), 10 * 92150 * 0.97 * 0.99);  // HARGA1
  EXPECT_FALSE(Count(kDelivered, -1, 2));
  EXPECT_TRUE(Shown(rig.term, "Quantity tidak boleh minus"));
}

TEST_F(OrderLinesTest, CodeOutsideTheWarehouseIsRefusedAndZeroesTheLine) {
  ASSERT_TRUE(Code("SC0001"));
  ASSERT_TRUE(Count(kCartons, 1));
  EXPECT_FALSE(Code("XX01"));
  EXPECT_TRUE(Shown(rig.term, "Kode XX01 di gudang GDG01 tidak terdaftar"));
  EXPECT_EQ(Word(order.lines[0], kCode), "SC0001    ");
  EXPECT_EQ(At(kQuantity), 0);
  EXPECT_EQ(At(kCartons), 0);
  EXPECT_EQ(At(kAmount), 0);
  EXPECT_FALSE(Count(kCartons, -2));
  EXPECT_TRUE(Shown(rig.term, "Quantity tidak boleh minus"));
}

TEST_F(OrderLinesTest, ChangedWarehouseChecksTheCodeAndStockAgain) {
  ASSERT_TRUE(Code("SC0004"));  // 2,000 in GDG01, none in GDG02
  ASSERT_TRUE(Count(kPieces, 100));
  EXPECT_EQ(At(kDelivered), 100);
  EXPECT_FALSE(Type(kWarehouse, xbase::Value::Text("ZZ    ")));
  EXPECT_TRUE(Shown(rig.term, "Gudang ZZ tidak terdaftar"));
  EXPECT_FALSE(Type(kWarehouse, xbase::Value::Text("GDG03 ")));
  EXPECT_TRUE(Shown(rig.term, "Kode SC0004 di gudang GDG03 tidak terdaftar"));
  EXPECT_EQ(Word(order.lines[0], kWarehouse), "GDG01 ");
  EXPECT_EQ(At(kDelivered), 100);
  ASSERT_TRUE(Type(kWarehouse, xbase::Value::Text("GDG02 ")));
  EXPECT_EQ(At(kDelivered), 0);
  EXPECT_EQ(At(kAmount), 0);
}

TEST_F(OrderLinesTest, DiscountsStayWithinTheGroupsCeilingAndZeroToHundred) {
  ASSERT_TRUE(Code("SC0002"));
  ASSERT_TRUE(Count(kPieces, 10));
  EXPECT_FALSE(Count(kDisc1, 150));
  EXPECT_TRUE(Shown(rig.term, "Discount harus antara 0 sampai 100"));
  EXPECT_FALSE(Count(kDisc1, -1));
  const size_t keys = rig.term.keys_left();
  EXPECT_FALSE(Count(kDisc1, 3.5));  // above the ceiling of 3: refused without a message
  EXPECT_EQ(rig.term.keys_left(), keys + 1);
  EXPECT_EQ(At(kDisc1), 3);
  ASSERT_TRUE(Count(kDisc1, 2));
  ASSERT_TRUE(Count(kDisc2, 0));
  EXPECT_DOUBLE_EQ(At(kAmount), 10 * 4850 * 0.98);
}

TEST_F(OrderLinesTest, ZeroPriceOfTheCustomersLevelIsRefused) {
  site.Put("MASTBRJ", "MASTBRJ1", "SC0005", "HARGA1", xbase::Value::Num(0));
  EXPECT_FALSE(Code("SC0005"));
  EXPECT_TRUE(Shown(rig.term, "Harga 1 masih kosong, minta property ke pusat"));
  // Name and price went on the line before the test.
  EXPECT_EQ(Word(order.lines[0], kName), "RAUTAN PENSIL       ");
  EXPECT_EQ(At(kPrice), 0);
}

TEST_F(OrderLinesTest, ModernMarketPricesHaveTheVatTakenOut) {
  order.header.group = "MODN";
  order.header.price_level = 3;  // HPP: 3,000 x 0.92
  ASSERT_TRUE(Code("SC0006"));
  EXPECT_DOUBLE_EQ(At(kPrice), 2750 / 1.11);
  order.header.group = "INST";
  order.header.include = false;
  ASSERT_TRUE(Code("SC0005"));
  EXPECT_DOUBLE_EQ(At(kPrice), 2300 * 1.11);
}

TEST(NotesNeededTest, EighteenDeliveredLinesGoOnANote) {
  console::ValueTable lines;
  auto delivered = [&](int count) {
    lines.clear();
    for (int i = 0; i < count; ++i) {
      ADD_REC(&lines, 0, 0, "GDG01");
      lines.back()[kCode - 1] = xbase::Value::Text("B1        ");
      SetFigure(&lines.back(), kDelivered, 1);
    }
    return NotesNeeded(lines);
  };
  EXPECT_EQ(delivered(0), 0);
  EXPECT_EQ(delivered(18), 1);
  EXPECT_EQ(delivered(19), 2);
  EXPECT_EQ(delivered(36), 2);
  // Lines without a code or without anything leaving now do not count.
  EXPECT_EQ(delivered(19), 2);
  ADD_REC(&lines, 0, 0, "GDG01");
  SetFigure(&lines.back(), kDelivered, 5);
  EXPECT_EQ(NotesNeeded(lines), 2);
  SetFigure(&lines[1], kDelivered, 0);
  EXPECT_EQ(NotesNeeded(lines), 1);
}

}  // namespace
}  // namespace sales
