// Negotiation minutes saved, refused and saved again in place, and approved at head office.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "returns/negotiation_helpers.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "console/keys.h"
#include "documents/field_values.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

using namespace returns::testing;
using Rows = std::vector<std::string>;

class NegotiationTest : public ::testing::Test {
 protected:
  // Saves the two-product minute as 0000000042.
  Minute SaveNew() {
    Minute minute = TwoProductMinute(5);
    bool numbered = false;
    EXPECT_TRUE(SaveMinute(site.rig.session, site.tables, &minute, &numbered).ok());
    EXPECT_TRUE(numbered);
    EXPECT_EQ(minute.number, "0000000042");
    return minute;
  }

  NegotiationSite site;
};

TEST_F(NegotiationTest, ANewMinuteIsNumberedFromItsBranchCounterWithEveryList) {
  SaveNew();
  EXPECT_EQ(site.Contents("BAC_N1"),
            Rows{"0000000042|JKT001|20261208|C0001||||PT. MAJU JAYA|||||S|S|0|0|P|F|0|0|||||F|PEC1|20261208|ADMIN01"});
  EXPECT_EQ(site.Contents("BAC_N2"), (Rows{"0000000042|PANEL LISTRIK||2|UNIT|5000000|  1|12.500000|0||",
                                           "0000000042|KABEL NYY||3|ROL|1000000|  2|0|0||"}));
  EXPECT_EQ(site.Contents("BAC_N21"), (Rows{"0000000042|  1|UKURAN    80 X 60 CM", "0000000042|  1|WARNA     ABU-ABU",
                                            "0000000042|  2|TIPE      4X16"}));
  EXPECT_EQ(site.Contents("BAC_N22"), Rows{"0000000042|  1|20261220|5"});
  // 30 % of an order worth 13,000,000.
  EXPECT_EQ(site.Contents("BAC_N3"), Rows{"0000000042|20261215|  1|30|DP||3900000|UANG MUKA"});
  EXPECT_EQ(site.Contents("BAC_N6"), Rows{"0000000042|SEGERA"});
  EXPECT_EQ(site.Contents("SETUP")[0], "NEGOJKT001|0000000042");
}

TEST_F(NegotiationTest, AScheduleOverTheOrderedQuantityIsRefusedWithNothingWritten) {
  Minute minute = TwoProductMinute(6);
  const xbase::Status s = SaveMinute(site.rig.session, site.tables, &minute);
  EXPECT_EQ(s.message(), "jumlah kirim lebih besar dari jumlah order");
  EXPECT_TRUE(site.Contents("BAC_N1").empty());
  EXPECT_TRUE(site.Contents("BAC_N2").empty());
  EXPECT_EQ(site.Contents("SETUP")[0], "NEGOJKT001|0000000041");
}

TEST_F(NegotiationTest, EscAtAStoredProductRowLeavesTheWholeMinuteAsItWas) {
  Minute minute = SaveNew();
  const Rows products = site.Contents("BAC_N2");
  const Rows payments = site.Contents("BAC_N3");
  site.rig.session.CloseTables();
  support::SettleSmallFolder(site.folder.path());
  site.Reopen();
  minute.products[0].quantity = 4;
  minute.payments[0].notes = "DP KEDUA";
  support::OtherWorkstation other(site.folder.path());
  other.Hold("BAC_N2", 1);
  site.rig.term.AddKeys({console::key::kEsc, ' ', ' '});
  EXPECT_TRUE(SaveMinute(site.rig.session, site.tables, &minute).IsLocked());
  EXPECT_TRUE(support::Shown(site.rig.term, "Mencoba mengunci record 1 file "));
  EXPECT_EQ(site.Message(), "Tidak ada yang tersimpan");
  EXPECT_EQ(site.rig.term.keys_left(), 0u);
  EXPECT_EQ(site.Contents("BAC_N2"), products);
  EXPECT_EQ(site.Contents("BAC_N3"), payments);

  other.Release();
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &minute).ok());
  EXPECT_EQ(site.Contents("BAC_N2")[0], "0000000042|PANEL LISTRIK||4|UNIT|5000000|  1|12.500000|0||");
  EXPECT_EQ(site.Contents("BAC_N3")[0].substr(site.Contents("BAC_N3")[0].rfind('|')), "|DP KEDUA");
  site.rig.session.CloseTables();
  support::ExpectVerified(site.folder.path());
}

TEST_F(NegotiationTest, AMissingCounterRowStopsTheSave) {
  Minute minute = TwoProductMinute(5);
  minute.branch = "BDG001";
  EXPECT_FALSE(SaveMinute(site.rig.session, site.tables, &minute).ok());
  EXPECT_TRUE(support::Shown(site.rig.term, "Setup Nomerator NEGOBDG001 belum dibuat, Hubungi Admin"));
  EXPECT_TRUE(site.Contents("BAC_N1").empty());
}

TEST_F(NegotiationTest, ANumberInUseIsRefused) {
  Minute first = TwoProductMinute(5);
  first.branch = "JKT001";
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &first).ok());
  // The counter is put back below the stored minute.
  xbase::WorkArea& setup = site.tables["SETUP"];
  bool found = false;
  ASSERT_TRUE(SeekExact(setup, "SETUP", "SETUP", "NEGOJKT001", &found).ok() && found);
  ASSERT_TRUE(Rewrite(site.rig.session, setup, {{"KET", documents::T("0000000041")}}).ok());
  Minute second = TwoProductMinute(5);
  EXPECT_FALSE(SaveMinute(site.rig.session, site.tables, &second).ok());
  EXPECT_TRUE(support::Shown(site.rig.term, "Berita Acara Negosiasi 0000000042 Sudah terdaftar"));
  EXPECT_EQ(site.Contents("BAC_N1").size(), 1u);
}

TEST_F(NegotiationTest, ASaveRewritesEachListInPlaceAndDetailsFollowTheirProduct) {
  Minute minute = SaveNew();
  // The panel goes: the cable moves to the first place with its details.
  minute.products.erase(minute.products.begin());
  minute.schedule[0].quantity = 3;
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &minute).ok());
  EXPECT_EQ(site.Contents("BAC_N2"), (Rows{"0000000042|KABEL NYY||3|ROL|1000000|  1|0|0||",
                                           "*0000000042|KABEL NYY||3|ROL|1000000|  2|0|0||"}));
  EXPECT_EQ(site.Contents("BAC_N21"), (Rows{"0000000042|  1|TIPE      4X16", "*0000000042|  1|WARNA     ABU-ABU",
                                            "*0000000042|  2|TIPE      4X16"}));
  // A new product takes the freed rows again.
  MinuteProduct trafo;
  trafo.name = xbase::PadR("TRAFO", 30);
  trafo.quantity = 1;
  trafo.details = {xbase::PadR("DAYA      100 KVA", 100)};
  minute.products.push_back(trafo);
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &minute).ok());
  EXPECT_EQ(site.Contents("BAC_N2"), (Rows{"0000000042|KABEL NYY||3|ROL|1000000|  1|0|0||",
                                           "0000000042|TRAFO||1||0|  2|0|0||"}));
  EXPECT_EQ(site.Contents("BAC_N21"), (Rows{"0000000042|  1|TIPE      4X16", "0000000042|  2|DAYA      100 KVA",
                                            "*0000000042|  2|TIPE      4X16"}));
  EXPECT_EQ(site.Contents("SETUP")[0], "NEGOJKT001|0000000042");
}

TEST_F(NegotiationTest, AProductOfAnEarlierMinuteIsCopiedWithItsDetails) {
  SaveNew();
  MinuteProduct copied;
  copied.quantity = 7;
  ASSERT_TRUE(CopyEarlierProduct(site.rig.session, site.tables, "0000000042", "1", &copied));
  EXPECT_EQ(copied.ex_bac, "0000000042");
  EXPECT_EQ(copied.name, xbase::PadR("PANEL LISTRIK", 30));
  EXPECT_EQ(copied.unit, xbase::PadR("UNIT", 6));
  EXPECT_EQ(copied.price, 5000000);
  EXPECT_EQ(copied.margin, 12.5);
  EXPECT_EQ(copied.quantity, 7);
  EXPECT_EQ(copied.details, (std::vector<std::string>{xbase::PadR("UKURAN    80 X 60 CM", 100),
                                                    xbase::PadR("WARNA     ABU-ABU", 100)}));
  EXPECT_FALSE(CopyEarlierProduct(site.rig.session, site.tables, "0000000042", "9", &copied));
}

TEST_F(NegotiationTest, ADuplicateIsANewUnapprovedMinuteOfTheSameBranchWithEveryList) {
  Minute old = SaveNew();
  ASSERT_TRUE(Rewrite(site.rig.session, site.tables["BAC_N1"], {{"APPROVAL", documents::L(true)}}).ok());
  bool found = false;
  ASSERT_TRUE(LoadMinute(site.tables, "0000000042", &old, &found).ok() && found);
  Minute copy = DuplicateOf(old, xbase::Date::FromYmd(2026, 12, 10));
  copy.offer_head = xbase::PadR("SPH-2", 10);
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &copy).ok());
  EXPECT_EQ(copy.number, "0000000043");
  EXPECT_EQ(site.Contents("BAC_N1")[1],
            "0000000043|JKT001|20261210|C0001|SPH-2|||PT. MAJU JAYA|||||S|S|0|0|P|F|0|0|||||F|PEC1|20261208|ADMIN01");
  EXPECT_EQ(site.Contents("BAC_N2")[3], "0000000043|KABEL NYY||3|ROL|1000000|  2|0|0||");
  EXPECT_EQ(site.Contents("BAC_N21").size(), 6u);
  EXPECT_EQ(site.Contents("BAC_N3")[1], "0000000043|20261215|  1|30|DP||3900000|UANG MUKA");
}

TEST_F(NegotiationTest, AnApprovalAddsNewGoodsAndUpdatesAnExistingItemWithoutItsCosts) {
  const Minute minute = SaveNew();
  MinuteApproval approval = PrefillApproval(minute, xbase::Date::FromYmd(2026, 12, 9));
  ASSERT_EQ(approval.goods.size(), 2u);
  approval.goods[0].jos = xbase::PadR("J1", 10);
  approval.goods[0].code = xbase::PadR("BRG01", 10);
  approval.goods[0].group = xbase::PadR("G1", 10);
  approval.goods[0].dos = 1;
  approval.goods[0].pak = 1;
  approval.goods[1].jos = xbase::PadR("J2", 10);
  approval.goods[1].code = xbase::PadR("NEW01", 10);
  ASSERT_TRUE(SaveApproval(site.rig.session, site.tables, approval).ok()) << site.Message();
  EXPECT_EQ(site.Contents("MASTBRJ"),
            (Rows{"BRG01|G1||PANEL LISTRIK|PANEL LISTRIK|UNIT|0|5000000|5000000|5000000|1|1|0|0|5000000|700|650|20261208|APPBAC|0|0|0|0|0",
                  "NEW01|||KABEL NYY|KABEL NYY|ROL|0|1000000|1000000|1000000|0|0|0|0|1000000|1000000|1000000|20261208|ADMIN01|0|0|0|0|0"}));
  EXPECT_EQ(site.Contents("BAC_NPP"),
            (Rows{"0000000042|J1|BRG01|G1|01|PANEL LISTRIK|PANEL LISTRIK|UNIT|5000000|5000000|5000000|5000000|1|1|2",
                  "0000000042|J2|NEW01||02|KABEL NYY|KABEL NYY|ROL|1000000|1000000|1000000|1000000|0|0|3"}));
  EXPECT_EQ(site.Contents("BAC_NAP"), Rows{"0000000042|20261209|T|"});
  EXPECT_EQ(site.Contents("BAC_N1")[0].substr(0, 17), "0000000042|JKT001");
  EXPECT_NE(site.Contents("BAC_N1")[0].find("|T|PEC1|"), std::string::npos);
}

TEST_F(NegotiationTest, EscAtTheGoodsRowOfAnApprovalWritesNoPartOfIt) {
  site.rig.session.CloseTables();
  support::SettleSmallFolder(site.folder.path());
  site.Reopen();
  const Minute minute = SaveNew();
  const Rows goods = site.Contents("MASTBRJ");
  MinuteApproval approval = PrefillApproval(minute, xbase::Date::FromYmd(2026, 12, 9));
  approval.goods[0].jos = xbase::PadR("J1", 10);
  approval.goods[0].code = xbase::PadR("BRG01", 10);
  approval.goods[1].jos = xbase::PadR("J2", 10);
  approval.goods[1].code = xbase::PadR("NEW01", 10);
  support::OtherWorkstation other(site.folder.path());
  other.Hold("MASTBRJ", 1);
  site.rig.term.AddKeys({console::key::kEsc, ' ', ' '});
  EXPECT_TRUE(SaveApproval(site.rig.session, site.tables, approval).IsLocked());
  EXPECT_EQ(site.Message(), "Tidak ada yang tersimpan");
  EXPECT_EQ(site.rig.term.keys_left(), 0u);
  EXPECT_EQ(site.Contents("MASTBRJ"), goods);
  EXPECT_TRUE(site.Contents("BAC_NPP").empty());
  EXPECT_TRUE(site.Contents("BAC_NAP").empty());
  EXPECT_EQ(site.Contents("BAC_N1")[0].find("|T|PEC1|"), std::string::npos);

  other.Release();
  ASSERT_TRUE(SaveApproval(site.rig.session, site.tables, approval).ok()) << site.Message();
  EXPECT_EQ(site.Contents("BAC_NAP"), Rows{"0000000042|20261209|T|"});
  EXPECT_EQ(site.Contents("MASTBRJ").size(), 2u);
  site.rig.session.CloseTables();
  support::ExpectVerified(site.folder.path());
}

TEST_F(NegotiationTest, JosNumbersAreRefusedTwiceInTheListOrWhenRegistered) {
  const Minute minute = SaveNew();
  support::AddRows(support::Open(site.rig.session, "JOS"), {{{"NOMOR", support::T("J9")}}});
  MinuteApproval approval = PrefillApproval(minute, xbase::Date::FromYmd(2026, 12, 9));
  approval.goods[0].jos = xbase::PadR("J1", 10);
  approval.goods[1].jos = xbase::PadR("J1", 10);
  EXPECT_EQ(CheckApprovedGoods(site.tables, approval, 1).message(), "nomor JOS J1 telah diisikan pada urutan ke 1");
  approval.goods[1].jos = xbase::PadR("J9", 10);
  EXPECT_EQ(CheckApprovedGoods(site.tables, approval, 1).message(), "nomor jos J9 sudah terdaftar");
  approval.goods[1].group = xbase::PadR("XX", 10);
  approval.goods[1].jos = std::string(10, ' ');
  EXPECT_EQ(CheckApprovedGoods(site.tables, approval, 1).message(), "Golongan XX tidak terdaftar");
  EXPECT_FALSE(SaveApproval(site.rig.session, site.tables, approval).ok());
  EXPECT_TRUE(site.Contents("BAC_NAP").empty());
}

TEST_F(NegotiationTest, HeadOfficeApprovalsNeedTheRightEdp) {
  site.rig.session.MMEMBER.rights = "/SPV AAO";
  site.rig.session.CloseTables();
  ASSERT_TRUE(APPBAC(site.rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(site.rig.term, "anda tidak berhak menjalankan menu ini"));
  ASSERT_TRUE(IAPPBAC(site.rig.session, {}).ok());
  EXPECT_EQ(site.rig.session.tables().Area("BAC_N1"), nullptr);
}

}  // namespace
}  // namespace returns
