// The customer check of a sales document: refusals with their messages, and the terms, limits and
// discounts handed back.
#include "documents/customer_check.h"

#include <array>

#include <gtest/gtest.h>

#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/sample_customers.h"
#include "support/scripted_session.h"

namespace documents {

using support::SessionRig;
using support::Shown;
using support::ShownOnRow;
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

// The outlet group's rows give the customer's trade discounts: a row that cannot be read refuses the
// customer with the failure on row 24, rather than accepting it on its own discount or calling its
// group wrong.
TEST_F(CustomerCheckTest, OutletGroupRowsThatCannotBeReadRefuseTheCustomer) {
  CustomerCheck check;
  check.code = "B2230001";
  // The group's "OUDISCAB" row is the last record: cut, the earlier rows still read.
  support::CutWithinRecord(folder.path(), "SETUP", 5);
  rig.term.AddKeys({' '});
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "SETUP.dbf: file ends at 597, before 653"));
  EXPECT_TRUE(check.branch.empty());

  // Every row out of reach: the group itself cannot be checked.
  support::DamageOpenIndexPages(folder.path(), "SETUP");
  rig.term.AddKeys({' '});
  check = {};
  check.code = "B2230001";
  EXPECT_FALSE(GETCUSTOMER(rig.session, &check));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(ShownOnRow(rig.term, 24, "SETUP.ntx: page at 1024: item count 65535 above 50"));
  EXPECT_FALSE(Shown(rig.term, "kelompok relasi Salah"));
}

}  // namespace
}  // namespace documents
