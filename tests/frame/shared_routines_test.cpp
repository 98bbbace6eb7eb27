// The order-line and customer-balance postings, the trade discount, the supervisor override and
// amounts in English words.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/scripted_terminal.h"
#include "data_folder_helpers.h"
#include "frame/londo.h"
#include "frame/permition.h"
#include "frame/shared_postings.h"
#include "frame/trade_discount.h"
#include "session_rig.h"
#include "xbase/password.h"

namespace frame {
namespace {

double Number(xbase::WorkArea& area, uint32_t recno, const std::string& field) {
  EXPECT_TRUE(area.GoTo(recno).ok());
  xbase::Value value;
  EXPECT_TRUE(area.Get(field, &value).ok());
  return value.number();
}

class SharedRoutinesTest : public ::testing::Test {
 protected:
  SharedRoutinesTest() { rig.session.SetSearchPath(folder.path().string()); }
  TempDataFolder folder{{"SLSODR2", "MASTCUS", "SETUP", "TRANSAK", "DOLLAR"}};
  SessionRig rig;
};

TEST_F(SharedRoutinesTest, UpSalesOrderMovesTheDeliveredQuantityOfTheRightLine) {
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

TEST_F(SharedRoutinesTest, UpSaldoMastcusMovesTheBalanceOfTheRightCustomer) {
  xbase::WorkArea& customers = Open(rig.session, "MASTCUS");
  AddRows(customers, {{{"RELASI", T("C0001")}, {"SALDO", N(1000)}}, {{"RELASI", T("C00011")}, {"SALDO", N(50)}}});
  ASSERT_TRUE(UPSALDOMASTCUS(rig.session, "C0001", 250.5, 100).ok());
  EXPECT_DOUBLE_EQ(Number(customers, 1, "SALDO"), 1150.5);
  EXPECT_EQ(Number(customers, 2, "SALDO"), 50);
  EXPECT_FALSE(UPSALESORDER(rig.session, "SO-1", "B1", 1, 0).ok());  // slsodr2 not open
}

TEST_F(SharedRoutinesTest, TradeDiscountTakesTheGroupRowOverTheCustomersOwn) {
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

TEST_F(SharedRoutinesTest, PermitionWantsTheRightsCodeBeforeThePassword) {
  AddRows(Open(rig.session, "TRANSAK"),
          {{{"USER_ID", T("SPV01")}, {"KODEPROG", T("/SPV\\EDP")}, {"PASS_ID", T(xbase::TransformPassword("rahasia"))}},
           {{"USER_ID", T("KASIR")}, {"KODEPROG", T("/KSR")}, {"PASS_ID", T(xbase::TransformPassword("rahasia"))}}});
  const auto keys = [](std::string nik, std::string password) {
    std::vector<int> k = console::ScriptedTerminal::Typed(nik);
    k.push_back(console::key::kEnter);
    for (int c : console::ScriptedTerminal::Typed(password)) k.push_back(c);
    k.push_back(console::key::kEnter);
    return k;
  };
  rig.term.AddKeys(keys("SPV01", "rahasia"));
  EXPECT_TRUE(PERMITION(rig.session));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(rig.term.Text(17, 23, 19), "     Isi Password :");
  EXPECT_EQ(console::ScriptedTerminal::Text(rig.term.screens()[3], 17, 42, 4), "***_");

  rig.term.AddKeys(keys("SPV01", "salah"));
  EXPECT_FALSE(PERMITION(rig.session));
  // The rights text lacks the code: refused before the password is asked.
  rig.term.AddKeys(keys("KASIR", "rahasia"));
  EXPECT_FALSE(PERMITION(rig.session));
  EXPECT_EQ(rig.term.keys_left(), 8u);
}

TEST_F(SharedRoutinesTest, LondoReadsTheGroupsWithTheTablesWords) {
  static const char* kWords[] = {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten"};
  std::vector<Row> rows;
  for (int k = 1; k <= 99; ++k) rows.push_back({{"TERBILANG", T(k <= 10 ? kWords[k - 1] : "n" + std::to_string(k))}});
  xbase::WorkArea& dollar = Open(rig.session, "DOLLAR");
  AddRows(dollar, rows);
  AmountLines lines;
  ASSERT_TRUE(LONDO(dollar, 1203045.29, &lines).ok());
  EXPECT_EQ(lines.first, "#One millions two hundreds three thausands and n45 point n29#");
  ASSERT_TRUE(LONDO(dollar, 2100000000, &lines).ok());
  EXPECT_EQ(lines.first, "#Two billions one hundrer millions .#");
  ASSERT_TRUE(LONDO(dollar, -7.5, &lines).ok());
  EXPECT_EQ(lines.first, "#(MINUS) And seven point n50#");
  EXPECT_EQ(lines.second, std::string(lines.first.size(), '-'));
  ASSERT_TRUE(LONDO(dollar, 5, &lines, 10).ok());
  EXPECT_EQ(lines.first, "#And five -");
  EXPECT_EQ(lines.second, ".#");
}

}  // namespace
}  // namespace frame
