// The customer check of a sales document: refusals with their messages, and the terms, limits and
// discounts handed back.
#include "documents/customer_check.h"

#include <array>

#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace documents {

using support::AddRows;
using support::N;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::T;
using support::TempDataFolder;

namespace {

class CustomerCheckTest : public ::testing::Test {
 protected:
  CustomerCheckTest() {
    rig.session.SetSearchPath(folder.path());
    AddRows(Open(rig.session, "MASTCUS"),
            {{{"RELASI", T("B2230001")}, {"NAMA", T("ZETA JAYA")}, {"KELOMPOK", T("AB")}, {"DISC", N(2)},
              {"TEMPO2", N(30)}, {"TEMPO3", N(990)}, {"SALDO", N(500)}, {"SALES", N(9000)}, {"TERIMA", N(2)}},
             {{"RELASI", T("B2990002")}, {"NAMA", T("ALFA MART")}, {"KELOMPOK", T("AB")}, {"TEMPO3", N(991)}},
             {{"RELASI", T("B2990003")}, {"NAMA", T("BETA")}, {"KELOMPOK", T("")}},
             {{"RELASI", T("B2990004")}, {"NAMA", T("GAMMA")}, {"KELOMPOK", T("AB")}, {"OUTLET", T("OVER")}},
             {{"RELASI", T("B2990005")}, {"NAMA", T("DELTA")}, {"KELOMPOK", T("AB")}}});
    AddRows(Open(rig.session, "RELASI_EXT"), {{{"RELASI", T("B2230001")}}, {{"RELASI", T("B2990002")}}});
    AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("CABANGB223")}, {"KET", T("000223CABANG DUA TIGA")}},
                                         {{"SETUP", T("OUTLETAB")}, {"KET", T("30 GROSIR")}},
                                         {{"SETUP", T("OUDISCAB")}, {"KET", T("10     5      2.5    1")}}});
  }

  TempDataFolder folder{{"MASTCUS", "RELASI_EXT", "SETUP"}};
  SessionRig rig;
};

TEST_F(CustomerCheckTest, CustomerCheckRefusals) {
  CustomerCheck check;
  check.code = "B2990002";  // TEMPO3 991
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));
  EXPECT_TRUE(Shown(rig.term, "Relasi tersebut telah diblacklist"));
  check.accept_blocked = true;
  EXPECT_TRUE(GETCUSTOMER(rig.session, &check));

  check = {};
  check.code = "B2990003";
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));
  EXPECT_TRUE(Shown(rig.term, "kelompok relasi Salah"));
  check.code = "B2990005";
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));
  EXPECT_TRUE(Shown(rig.term, "Data relasi harus dilengkapi"));
  check.code = "B2990004";
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));
  check.accept_over = true;
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));  // passes the blacklist, lacks extended data
  check.code = "B2230001";
  check.required_code = "B2990002";
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));
  EXPECT_TRUE(Shown(rig.term, "kode relasi harus B2990002"));
}

TEST_F(CustomerCheckTest, CustomerCheckHandsBackTermsAndDiscounts) {
  CustomerCheck check;
  check.code = "B2230001";
  check.show = true;
  ASSERT_TRUE(GETCUSTOMER(rig.session, &check));
  EXPECT_EQ(check.branch, "000223");
  EXPECT_EQ(check.term, 1020);
  EXPECT_EQ(check.balance, 500);
  EXPECT_EQ(check.credit_limit, 9000);
  EXPECT_EQ(check.price_level, 2);
  EXPECT_EQ(check.discounts, (std::array<double, 4>{10, 5, 2.5, 1}));
  EXPECT_EQ(rig.con.Text(5, 0, 9), "ZETA JAYA");
  check.term = 14;
  ASSERT_TRUE(GETCUSTOMER(rig.session, &check));
  EXPECT_EQ(check.term, 14);
}

}  // namespace
}  // namespace documents
