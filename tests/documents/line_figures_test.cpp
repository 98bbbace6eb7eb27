// The figures of document lines: values after discounts, the carton split and the selling price of
// each price level for each kind of customer.
#include <gtest/gtest.h>

#include "documents/line_value.h"
#include "documents/selling_price.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace documents {
namespace {

TEST(LineFiguresTest, ValuesAfterDiscountsAndTheCartonSplit) {
  EXPECT_DOUBLE_EQ(LineValue(435, 3400, 3, 1), 1420283.7);
  EXPECT_DOUBLE_EQ(AfterDiscounts(1000, 10, 5), 855);
  EXPECT_EQ(LineValue(7, 1500, 100, 0), 0);
  const CartonSplit split = SplitCartons(435, 200, 10);
  EXPECT_EQ(split.cartons, 2);
  EXPECT_EQ(split.packs, 3);
  EXPECT_EQ(split.pieces, 5);
  // Sizes of 0 give none of their unit.
  const CartonSplit loose = SplitCartons(435, 0, 0);
  EXPECT_EQ(loose.cartons, 0);
  EXPECT_EQ(loose.packs, 0);
  EXPECT_EQ(loose.pieces, 435);
  EXPECT_EQ(WholeTimes(199, 100), 1);
  EXPECT_EQ(WholeTimes(5, 0), 0);
}

TEST(LineFiguresTest, SellingPriceOfEveryLevelForEveryKindOfCustomer) {
  support::TempDataFolder folder({"MASTBRJ"});
  support::SessionRig rig;
  rig.session.SetSearchPath(folder.path());
  xbase::WorkArea& goods = support::Open(rig.session, "MASTBRJ");
  support::AddRows(goods, {{{"KODE", support::T("B1")}, {"HARGA", support::N(1110)}, {"HARGA1", support::N(999)},
                            {"HARGA2", support::N(888)}, {"HPP", support::N(777)}, {"HARGA4", support::N(0)}}});
  ASSERT_TRUE(goods.GoTo(1).ok());
  const double prices[] = {1110, 999, 888, 777};
  for (int level = 0; level < 4; ++level) {
    EXPECT_DOUBLE_EQ(PriceForCustomer(goods, level, "RETL", true, 11).price, prices[level]);
    EXPECT_DOUBLE_EQ(PriceForCustomer(goods, level, "RETL", false, 11).price, prices[level] * 1.11);
    // An outlet group beginning with "M" buys without VAT, whatever the document says.
    EXPECT_DOUBLE_EQ(PriceForCustomer(goods, level, "MODN", true, 11).price, prices[level] / 1.11);
    EXPECT_DOUBLE_EQ(PriceForCustomer(goods, level, "MODN", false, 11).price, prices[level] / 1.11);
    EXPECT_FALSE(PriceForCustomer(goods, level, "RETL", true, 11).missing);
  }
  EXPECT_TRUE(PriceForCustomer(goods, 4, "RETL", true, 11).missing);
  EXPECT_EQ(MissingPriceMessage(4), "Harga 4 masih kosong, minta property ke pusat");
  // Another level takes HARGA for every group.
  EXPECT_DOUBLE_EQ(PriceForCustomer(goods, 7, "MODN", false, 11).price, 1110 * 1.11);
  EXPECT_FALSE(PriceForCustomer(goods, 7, "MODN", false, 11).missing);
  EXPECT_EQ(LevelPriceField(3), "HPP");
}

}  // namespace
}  // namespace documents
