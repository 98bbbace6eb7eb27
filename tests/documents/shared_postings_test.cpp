// The order-line and customer-balance postings and the trade discount.
#include <gtest/gtest.h>

#include "documents/shared_postings.h"
#include "documents/trade_discount.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace documents {

using support::AddRows;
using support::N;
using support::Open;
using support::SessionRig;
using support::T;
using support::TempDataFolder;

namespace {

double Number(xbase::WorkArea& area, uint32_t recno, const std::string& field) {
  EXPECT_TRUE(area.GoTo(recno).ok());
  return area.Number(field);
}

class SharedPostingsTest : public ::testing::Test {
 protected:
  SharedPostingsTest() { rig.session.SetSearchPath(folder.path()); }
  TempDataFolder folder{{"SLSODR2", "MASTCUS", "SETUP"}};
  SessionRig rig;
};

TEST_F(SharedPostingsTest, UpSalesOrderMovesTheDeliveredQuantityOfTheRightLine) {
  xbase::WorkArea& lines = Open(rig.session, "SLSODR2");
  AddRows(lines, {{{"NOMOR", T("SO-1")}, {"KODE", T("B1")}, {"QTY_KIRIM", N(5)}},
                  {{"NOMOR", T("SO-10")}, {"KODE", T("B1")}, {"QTY_KIRIM", N(1)}},
                  {{"NOMOR", T("SO-1")}, {"KODE", T("B10")}, {"QTY_KIRIM", N(2)}}});
  ASSERT_TRUE(UPSALESORDER(rig.session, "SO-1", "B1", 10, 3).ok());
  EXPECT_EQ(Number(lines, 1, "QTY_KIRIM"), 12);
  EXPECT_EQ(Number(lines, 2, "QTY_KIRIM"), 1);
  EXPECT_EQ(Number(lines, 3, "QTY_KIRIM"), 2);
  ASSERT_TRUE(UPSALESORDER(rig.session, "SO-2", "B1", 10, 0).ok());
  EXPECT_TRUE(lines.table().locked_records().empty());
}

TEST_F(SharedPostingsTest, UpSaldoMastcusMovesTheBalanceOfTheRightCustomer) {
  xbase::WorkArea& customers = Open(rig.session, "MASTCUS");
  AddRows(customers, {{{"RELASI", T("C0001")}, {"SALDO", N(1000)}}, {{"RELASI", T("C00011")}, {"SALDO", N(50)}}});
  ASSERT_TRUE(UPSALDOMASTCUS(rig.session, "C0001", 250.5, 100).ok());
  EXPECT_DOUBLE_EQ(Number(customers, 1, "SALDO"), 1150.5);
  EXPECT_EQ(Number(customers, 2, "SALDO"), 50);
  EXPECT_FALSE(UPSALESORDER(rig.session, "SO-1", "B1", 1, 0).ok());  // slsodr2 not open
}

TEST_F(SharedPostingsTest, TradeDiscountTakesTheGroupRowOverTheCustomersOwn) {
  AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("C1")}, {"KELOMPOK", T("AB")}, {"DISC", N(2.5)}},
                                         {{"RELASI", T("C2")}, {"KELOMPOK", T("ZZ")}, {"DISC", N(4)}}});
  AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("OUDISCAB")}, {"KET", T("10.00   5.50   0      1.25")}},
                                       {{"SETUP", T("OUDISCXXXX")}, {"KET", T("1      2      3      4")}}});
  double d[4] = {9, 9, 9, 9};
  ASSERT_TRUE(TRADEDISCOUNT(rig.session, "C1", &d[0], &d[1], &d[2], &d[3]).ok());
  EXPECT_EQ(std::vector<double>(d, d + 4), (std::vector<double>{10, 5.5, 0, 1.25}));
  ASSERT_TRUE(TRADEDISCOUNT(rig.session, "C2", &d[0], &d[1], &d[2], &d[3]).ok());
  EXPECT_EQ(std::vector<double>(d, d + 4), (std::vector<double>{4, 0, 0, 0}));
  ASSERT_TRUE(TRADEDISCOUNT(rig.session, "C9", &d[0], &d[1], &d[2], &d[3]).ok());
  EXPECT_EQ(std::vector<double>(d, d + 4), (std::vector<double>{1, 2, 3, 4}));
  EXPECT_TRUE(CHKTRADE(1e9, 0));
  EXPECT_TRUE(CHKTRADE(10, 10));
  EXPECT_FALSE(CHKTRADE(10.01, 10));
}

}  // namespace
}  // namespace documents
