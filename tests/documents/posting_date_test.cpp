// The posting-date window at the edges of each rule, the adjustment date and the supervisor exemption.
#include "documents/posting_date.h"

#include <gtest/gtest.h>

#include "support/scripted_session.h"

namespace documents {

using support::SessionRig;
using support::Shown;

namespace {

xbase::Date D(int day, int month, int year) { return xbase::Date::FromYmd(year, month, day); }

class PostingDateTest : public ::testing::Test {
 protected:
  PostingDateTest() {
    rig.session.ZHARIBATAS = "3 ";
    rig.session.ZHARICETAK = "2 ";
  }
  bool Second(xbase::Date date, bool mode, xbase::Date earliest = {}) {
    result = {};
    return CECKTANGGAL(rig.session, date, mode, earliest, &result, 7);
  }
  SessionRig rig;
  xbase::Date result;
};

TEST_F(PostingDateTest, SecondFormInModeTrueCountsFromTheLastStartDate) {
  rig.session.ZTGLBATAS = D(10, 3, 2024);
  EXPECT_FALSE(Second(D(7, 3, 2024), true));
  EXPECT_TRUE(result.empty());
  EXPECT_TRUE(Second(D(8, 3, 2024), true));
  EXPECT_EQ(result, D(15, 3, 2024));
  EXPECT_TRUE(Second(D(13, 3, 2024), true));
  EXPECT_FALSE(Second(D(14, 3, 2024), true));
  EXPECT_FALSE(Shown(rig.term, "Tg transaksi"));
}

TEST_F(PostingDateTest, SecondFormInModeFalseCountsFromTheEarliestDateAndTheProcessMonthEnd) {
  rig.session.ZTGPROSES = D(31, 1, 2024);
  EXPECT_FALSE(Second(D(14, 1, 2024), false, D(15, 1, 2024)));
  EXPECT_TRUE(Second(D(15, 1, 2024), false, D(15, 1, 2024)));
  EXPECT_TRUE(Second(D(3, 2, 2024), false, D(15, 1, 2024)));
  EXPECT_FALSE(Second(D(4, 2, 2024), false, D(15, 1, 2024)));
}

TEST_F(PostingDateTest, SecondFormRefusesTheAdjustmentDateWithItsMessage) {
  rig.session.ZTGLBATAS = D(10, 3, 2024);
  rig.session.TGAJUSMENT = D(9, 3, 2024);
  EXPECT_FALSE(Second(D(9, 3, 2024), true));
  EXPECT_TRUE(Shown(rig.term, "Tg transaksi harus lebih besar dari Tg stock Opname (09-03-2024)"));
  EXPECT_TRUE(Second(D(10, 3, 2024), true));
}

TEST_F(PostingDateTest, SupervisorPostsAnyDate) {
  rig.session.ZTGLBATAS = D(10, 3, 2024);
  rig.session.ZTGPROSES = D(29, 2, 2024);
  rig.session.TGAJUSMENT = D(9, 3, 2024);
  rig.session.MMEMBER.rights = "EDP/SPV ACC";
  EXPECT_TRUE(Second(D(1, 1, 2020), true));
  EXPECT_EQ(result, D(8, 1, 2020));
  EXPECT_TRUE(CEKTGKIRIM(rig.session, D(9, 3, 2024)));
  EXPECT_TRUE(CEKTGKIRIM(rig.session, D(1, 1, 2030)));
}

TEST_F(PostingDateTest, FirstFormWithTheProcessMonthOpen) {
  rig.session.ZTGPROSES = D(31, 1, 2024);
  rig.session.ZTGLBATAS = D(5, 2, 2024);
  EXPECT_FALSE(CEKTGKIRIM(rig.session, D(30, 1, 2024)));
  EXPECT_TRUE(CEKTGKIRIM(rig.session, D(31, 1, 2024)));
  EXPECT_TRUE(CEKTGKIRIM(rig.session, D(3, 2, 2024)));
  EXPECT_FALSE(CEKTGKIRIM(rig.session, D(4, 2, 2024)));
}

TEST_F(PostingDateTest, FirstFormWithTheProcessMonthClosed) {
  rig.session.ZTGPROSES = D(31, 1, 2024);
  rig.session.ZTGLBATAS = D(20, 1, 2024);
  EXPECT_FALSE(CEKTGKIRIM(rig.session, D(31, 12, 2023)));
  EXPECT_TRUE(CEKTGKIRIM(rig.session, D(1, 1, 2024)));
  EXPECT_TRUE(CEKTGKIRIM(rig.session, D(23, 1, 2024)));
  EXPECT_FALSE(CEKTGKIRIM(rig.session, D(24, 1, 2024)));
  rig.session.TGAJUSMENT = D(10, 1, 2024);
  EXPECT_FALSE(CEKTGKIRIM(rig.session, D(10, 1, 2024)));
  EXPECT_TRUE(Shown(rig.term, "Tg transaksi harus lebih besar dari Tg adjusment"));
  EXPECT_TRUE(CEKTGKIRIM(rig.session, D(11, 1, 2024)));
}

TEST_F(PostingDateTest, CheckTglWantsTheProcessMonth) {
  rig.session.STP.date = D(15, 3, 2024);
  EXPECT_TRUE(CHECKTGL(rig.session, D(1, 3, 2024)));
  EXPECT_TRUE(CHECKTGL(rig.session, D(31, 3, 2024)));
  EXPECT_FALSE(Shown(rig.term, "isian tanggal"));
  EXPECT_FALSE(CHECKTGL(rig.session, D(1, 3, 2023)));
  EXPECT_TRUE(Shown(rig.term, "isian tanggal harus sesuai dengan tgl proses"));
}

}  // namespace
}  // namespace documents
