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

// Every field of a minute and of its approval is stored as given and read back as stored: a minute
// and an approval loaded and saved again leave every record as it was.
TEST_F(NegotiationTest, EveryFieldOfAMinuteAndItsApprovalIsStoredAndLoadedBack) {
  site.rig.session.CloseTables();
  support::SettleSmallFolder(site.folder.path());
  site.Reopen();
  Minute minute = TwoProductMinute(5);
  minute.offer_head = xbase::PadR("SPH-1", 10);
  minute.offer_branch = xbase::PadR("SPC-1", 10);
  minute.calculation = xbase::PadR("KAL-1", 10);
  minute.contact = xbase::PadR("BUDI", 50);
  minute.address = xbase::PadR("JL. MERDEKA 1 BLOK A", 100);
  minute.phone = xbase::PadR("0251-123", 50);
  minute.town = xbase::PadR("BOGOR", 15);
  minute.vat_included = "B";
  minute.pph22_included = "T";
  minute.vat = 11;
  minute.pph22 = 1.5;
  minute.freight = "B";
  minute.commission = true;
  minute.commission_percent = 2.5;
  minute.commission_amount = 250000;
  minute.maker = xbase::PadR("E001", 10);
  minute.acknowledger = xbase::PadR("E002", 10);
  minute.approver1 = xbase::PadR("E003", 10);
  minute.approver2 = xbase::PadR("E004", 10);
  minute.products[0].ex_bac = xbase::PadR("0000000040", 10);
  minute.products[0].brand = xbase::PadR("VOLTA", 10);
  minute.products[0].margin2 = 3.25;
  minute.products[0].urut = "  7";
  minute.payments[0].proof = xbase::PadR("BKM-1", 20);
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &minute).ok()) << site.Message();
  EXPECT_EQ(site.Contents("BAC_N1"),
            Rows{"0000000042|JKT001|20261208|C0001|SPH-1|SPC-1|KAL-1|PT. MAJU JAYA|BUDI|JL. MERDEKA 1 BLOK A|"
                 "0251-123|BOGOR|B|T|11|1.500000|B|T|2.500000|250000|E001|E002|E003|E004|F|PEC1|20261208|ADMIN01"});
  EXPECT_EQ(site.Contents("BAC_N2"), (Rows{"0000000042|PANEL LISTRIK|VOLTA|2|UNIT|5000000|  1|12.500000|3.250000|0000000040|  7",
                                           "0000000042|KABEL NYY||3|ROL|1000000|  2|0|0||"}));
  EXPECT_EQ(site.Contents("BAC_N22"), Rows{"0000000042|  1|20261220|5"});
  EXPECT_EQ(site.Contents("BAC_N3"), Rows{"0000000042|20261215|  1|30|DP|BKM-1|3900000|UANG MUKA"});

  Minute loaded;
  bool found = false;
  ASSERT_TRUE(LoadMinute(site.tables, "0000000042", &loaded, &found).ok() && found);
  EXPECT_EQ(loaded.number, "0000000042");
  EXPECT_EQ(loaded.address, minute.address);
  EXPECT_EQ(loaded.pph22_included, "T");
  EXPECT_DOUBLE_EQ(loaded.pph22, 1.5);
  EXPECT_TRUE(loaded.commission);
  EXPECT_DOUBLE_EQ(loaded.commission_amount, 250000);
  EXPECT_EQ(loaded.approver2, minute.approver2);
  EXPECT_EQ(loaded.entered, xbase::Date::FromYmd(2026, 12, 8));
  EXPECT_EQ(loaded.entered_by, xbase::PadR("ADMIN01", 10));
  ASSERT_EQ(loaded.products.size(), 2u);
  EXPECT_EQ(loaded.products[0].ex_bac, minute.products[0].ex_bac);
  EXPECT_DOUBLE_EQ(loaded.products[0].margin2, 3.25);
  EXPECT_EQ(loaded.products[0].urut, "  7");
  EXPECT_EQ(loaded.products[0].details, minute.products[0].details);
  ASSERT_EQ(loaded.payments.size(), 1u);
  EXPECT_EQ(loaded.payments[0].proof, minute.payments[0].proof);
  EXPECT_EQ(loaded.schedule[0].date, xbase::Date::FromYmd(2026, 12, 20));
  const auto minute_tables = [&] {
    std::vector<Rows> rows;
    for (const char* table : {kMinuteHeaders, kMinuteProducts, kMinuteDetails, kMinuteSchedule, kMinutePayments,
                              kMinuteNotes}) {
      rows.push_back(site.Contents(table));
    }
    return rows;
  };
  const std::vector<Rows> stored = minute_tables();
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &loaded).ok()) << site.Message();
  EXPECT_EQ(minute_tables(), stored);

  MinuteApproval approval = PrefillApproval(loaded, xbase::Date::FromYmd(2026, 12, 9));
  approval.notes = xbase::PadR("HARGA KHUSUS", 50);
  approval.goods[0].jos = xbase::PadR("J1", 10);
  approval.goods[0].code = xbase::PadR("NEW01", 10);
  approval.goods[0].group = xbase::PadR("G1", 10);
  approval.goods[0].price1 = 4900000;
  approval.goods[0].price2 = 4800000;
  approval.goods[0].price4 = 4500000;
  approval.goods[0].pak = 2;
  approval.goods[0].dos = 4;
  ASSERT_TRUE(SaveApproval(site.rig.session, site.tables, approval).ok()) << site.Message();
  EXPECT_EQ(site.Contents("BAC_NAP"), Rows{"0000000042|20261209|T|HARGA KHUSUS"});
  EXPECT_EQ(site.Contents("BAC_NPP")[0],
            "0000000042|J1|NEW01|G1|01|PANEL LISTRIK|PANEL LISTRIK|UNIT|5000000|4900000|4800000|4500000|2|4|2");
  EXPECT_EQ(site.Contents("MASTBRJ")[1],
            "NEW01|G1||PANEL LISTRIK|PANEL LISTRIK|UNIT|0|5000000|4900000|4800000|2|4|0|0|4500000|4500000|4500000|"
            "20261208|ADMIN01|0|0|0|0|0");
  MinuteApproval reloaded;
  ASSERT_TRUE(LoadApproval(site.tables, "0000000042", &reloaded, &found).ok() && found);
  EXPECT_EQ(reloaded.date, xbase::Date::FromYmd(2026, 12, 9));
  EXPECT_TRUE(reloaded.property);
  EXPECT_EQ(reloaded.notes, approval.notes);
  ASSERT_EQ(reloaded.goods.size(), 1u);  // the row without a goods code is not stored
  EXPECT_EQ(reloaded.goods[0].product, approval.goods[0].product);
  EXPECT_DOUBLE_EQ(reloaded.goods[0].price2, 4800000);
  EXPECT_DOUBLE_EQ(reloaded.goods[0].ordered, 2);
  const Rows approved = site.Contents("BAC_NPP");
  const Rows goods = site.Contents("MASTBRJ");
  ASSERT_TRUE(SaveApproval(site.rig.session, site.tables, reloaded).ok()) << site.Message();
  EXPECT_EQ(site.Contents("BAC_NAP"), Rows{"0000000042|20261209|T|HARGA KHUSUS"});
  EXPECT_EQ(site.Contents("BAC_NPP"), approved);
  EXPECT_EQ(site.Contents("MASTBRJ"), goods);
  site.rig.session.CloseTables();
  support::ExpectVerified(site.folder.path());
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

TEST_F(NegotiationTest, AMinuteNumberForAPrintOrACopyIsLoadedOrRefused) {
  SaveNew();
  Minute minute;
  std::string number = "42";
  EXPECT_FALSE(TakeStoredMinute(site.rig.session, site.tables, &number, &minute));
  EXPECT_TRUE(support::Shown(site.rig.term, "Nomor 42 tidak ada"));
  number = "0000000042";
  ASSERT_TRUE(TakeStoredMinute(site.rig.session, site.tables, &number, &minute));
  EXPECT_EQ(minute.number, "0000000042");
  EXPECT_EQ(minute.products.size(), 2u);
  Minute untouched;
  number = "";
  EXPECT_TRUE(TakeStoredMinute(site.rig.session, site.tables, &number, &untouched));
  EXPECT_EQ(number, std::string(10, ' '));
  EXPECT_TRUE(untouched.products.empty());
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
