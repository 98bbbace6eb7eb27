// The goods-receipt postings: quantities and the moving average cost of the warehouse row and of the
// goods master, new rows, zero prices, full discounts and reversals.
#include <gtest/gtest.h>

#include "purchasing/purchasing.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace purchasing {
namespace {

using support::AddRows;
using support::N;
using support::Open;
using support::T;

class ReceiptStockTest : public ::testing::Test {
 protected:
  ReceiptStockTest() : stock(OpenIn()), goods(Open(rig.session, "MASTBRJ")), logistics(Open(rig.session, "PEB_MST")) {
    AddRows(stock, {{{"KODE", T("A1")}, {"GUDANG", T("G1")}, {"JUMLAH", N(50)}, {"HRG_BELI", N(700)},
                     {"HRG_POKOK", N(750)}, {"HRG_RATA", N(800)}},
                    {{"KODE", T("A2")}, {"GUDANG", T("G1")}, {"JUMLAH", N(0)}, {"HRG_RATA", N(640)}}});
    AddRows(goods, {{{"KODE", T("A1")}, {"JUMLAH", N(50)}, {"HRG_BELI", N(700)}, {"HRG_RATA", N(800)}}});
    AddRows(logistics, {{{"KODE", T("N1")}, {"NAMA", T("PENSIL WARNA 12")}, {"GOLONGAN", T("WRITING")},
                         {"HARGA", N(15000)}, {"DOS", N(48)}, {"PAK", N(12)}}});
  }
  xbase::WorkArea& OpenIn() {
    rig.session.SetSearchPath(folder.path());
    return Open(rig.session, "STOKBRG");
  }
  // The row of `recno` in `area`.
  xbase::WorkArea& At(xbase::WorkArea& area, uint32_t recno) {
    EXPECT_TRUE(area.GoTo(recno).ok());
    return area;
  }

  support::TempDataFolder folder{{"STOKBRG", "MASTBRJ", "PEB_MST"}};
  support::SessionRig rig;
  xbase::WorkArea& stock;
  xbase::WorkArea& goods;
  xbase::WorkArea& logistics;
};

TEST_F(ReceiptStockTest, WarehouseRowTakesTheMovingAverageOfAReceipt) {
  ASSERT_TRUE(UPSTOCKGUDANG(rig.session, "A1", "G1", 100, 0, 1000).ok());
  EXPECT_EQ(At(stock, 1).Number("JUMLAH"), 150);
  EXPECT_EQ(At(stock, 1).Number("HRG_RATA"), 933.33);  // (50 x 800 + 100 x 1,000) / 150, two decimals
  EXPECT_EQ(At(stock, 1).Number("HRG_BELI"), 700);
  EXPECT_EQ(At(stock, 1).Number("HRG_POKOK"), 750);
  // A row holding nothing takes the price itself.
  ASSERT_TRUE(UPSTOCKGUDANG(rig.session, "A2", "G1", 10, 0, 512.5).ok());
  EXPECT_EQ(At(stock, 2).Number("HRG_RATA"), 512.5);
  // A reversal of all that is there leaves an average of 0.
  ASSERT_TRUE(UPSTOCKGUDANG(rig.session, "A2", "G1", 0, 10, 512.5).ok());
  EXPECT_EQ(At(stock, 2).Number("JUMLAH"), 0);
  EXPECT_EQ(At(stock, 2).Number("HRG_RATA"), 0);
  // A price of 0 moves the quantity only.
  ASSERT_TRUE(UPSTOCKGUDANG(rig.session, "A1", "G1", 0, 30, 0).ok());
  EXPECT_EQ(At(stock, 1).Number("JUMLAH"), 120);
  EXPECT_EQ(At(stock, 1).Number("HRG_RATA"), 933.33);
  // A warehouse without the goods gets a row with the price in all three price fields.
  ASSERT_TRUE(UPSTOCKGUDANG(rig.session, "A1", "G2", 5, 0, 910.25).ok());
  ASSERT_EQ(stock.table().record_count(), 3u);
  EXPECT_EQ(At(stock, 3).Text("GUDANG"), "G2    ");
  EXPECT_EQ(At(stock, 3).Number("JUMLAH"), 5);
  EXPECT_EQ(At(stock, 3).Number("HRG_BELI"), 910.25);
  EXPECT_EQ(At(stock, 3).Number("HRG_POKOK"), 910.25);
  EXPECT_EQ(At(stock, 3).Number("HRG_RATA"), 910.25);
  EXPECT_EQ(stock.OrderNumber(), 1);
  EXPECT_TRUE(stock.table().locked_records().empty());
  // Found the same under the warehouse + code order, which is given back.
  ASSERT_TRUE(stock.SetOrder(2).ok());
  ASSERT_TRUE(UPSTOCKGUDANG(rig.session, "A1", "G2", 5, 0, 910.25).ok());
  EXPECT_EQ(stock.table().record_count(), 3u);
  EXPECT_EQ(At(stock, 3).Number("JUMLAH"), 10);
  EXPECT_EQ(stock.OrderNumber(), 2);
}

TEST_F(ReceiptStockTest, ReceiptLineAveragesTheMasterAndTheWarehouseOnTheNetPrice) {
  double average = 0;
  // 1,250 less 20 % and 4 %: 960 net.
  ASSERT_TRUE(UPSTOCK(rig.session, "G1", "A1", 100, 0, 1250, 20, 4, 0, 0, &average).ok());
  EXPECT_DOUBLE_EQ(average, (50 * 800 + 100 * 960) / 150.0);
  EXPECT_EQ(At(goods, 1).Number("JUMLAH"), 150);
  EXPECT_EQ(At(goods, 1).Number("HRG_RATA"), 906.67);
  EXPECT_EQ(At(goods, 1).Number("HRG_BELI"), 700);
  EXPECT_EQ(At(stock, 1).Number("HRG_RATA"), 906.67);
  // A full discount: the master takes the average on a net price of 0, the warehouse row keeps its own.
  ASSERT_TRUE(UPSTOCK(rig.session, "G1", "A1", 50, 0, 1000, 100, 0, 0, 0, &average).ok());
  EXPECT_EQ(At(goods, 1).Number("HRG_RATA"), 680);  // 150 x 906.67 / 200
  EXPECT_EQ(At(goods, 1).Number("JUMLAH"), 200);
  EXPECT_EQ(At(stock, 1).Number("HRG_RATA"), 906.67);
  EXPECT_EQ(At(stock, 1).Number("JUMLAH"), 200);
  // A price of 0 leaves both averages; the average handed back is computed all the same.
  ASSERT_TRUE(UPSTOCK(rig.session, "G1", "A1", 0, 100, 0, 0, 0, 0, 0, &average).ok());
  EXPECT_DOUBLE_EQ(average, 200 * 680 / 100.0);
  EXPECT_EQ(At(goods, 1).Number("HRG_RATA"), 680);
  EXPECT_EQ(At(goods, 1).Number("JUMLAH"), 100);
}

TEST_F(ReceiptStockTest, NewGoodsComeFromTheLogisticsMasterOrBlank) {
  double average = 0;
  // 10,000 less 10 %, 5 %, cash 2 % and 1 %.
  ASSERT_TRUE(UPSTOCK(rig.session, "G1", "N1", 24, 0, 10000, 10, 5, 2, 1, &average).ok());
  EXPECT_DOUBLE_EQ(average, 10000 * 0.9 * 0.95 * 0.98 * 0.99);
  ASSERT_EQ(goods.table().record_count(), 2u);
  xbase::WorkArea& added = At(goods, 2);
  EXPECT_EQ(added.Text("NAMA"), "PENSIL WARNA 12     ");
  EXPECT_EQ(added.Text("GOLONGAN"), "WRITING   ");
  EXPECT_EQ(added.Number("HARGA"), 15000);
  EXPECT_EQ(added.Number("DOS"), 48);
  EXPECT_EQ(added.Number("HRG_BELI"), 8295.21);
  EXPECT_EQ(added.Number("HRG_RATA"), 8295.21);
  EXPECT_EQ(added.Number("JUMLAH"), 24);
  EXPECT_EQ(At(stock, 3).Number("HRG_POKOK"), 8295.21);
  // Goods the logistics master lacks are made all the same, with blank descriptions and a 0 price.
  ASSERT_TRUE(UPSTOCK(rig.session, "G1", "Z9", 6, 0, 0, 0, 0, 0, 0, &average).ok());
  xbase::WorkArea& blank = At(goods, 3);
  EXPECT_EQ(blank.Text("KODE"), "Z9        ");
  EXPECT_EQ(blank.Text("NAMA"), std::string(20, ' '));
  EXPECT_EQ(blank.Number("DOS"), 0);
  EXPECT_EQ(blank.Number("HRG_RATA"), 0);
  EXPECT_EQ(At(stock, 4).Number("HRG_BELI"), 0);
  EXPECT_EQ(At(stock, 4).Number("JUMLAH"), 6);
  EXPECT_TRUE(goods.table().locked_records().empty());
}

}  // namespace
}  // namespace purchasing
