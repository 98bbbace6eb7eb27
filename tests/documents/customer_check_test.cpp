// The customer check of a sales document: refusals with their messages, and the terms, limits and
// discounts handed back.
#include "documents/customer_check.h"

#include <array>

#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "support/sample_customers.h"
#include "support/scripted_session.h"

namespace documents {

using support::SessionRig;
using support::Shown;
using support::TempDataFolder;

namespace {

class CustomerCheckTest : public ::testing::Test {
 protected:
  CustomerCheckTest() {
    rig.session.SetSearchPath(folder.path());
    support::AddSampleCustomers(rig.session);
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
