// The negotiation minute entry typed as a clerk types it: the header, a product with a
// detail, the terms, a schedule first over the order and then within it, a payment of 30 %,
// a note and a signatory, then the save.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/keys.h"
#include "console/scripted_terminal.h"
#include "returns/negotiation_helpers.h"
#include "returns/return_procedures.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

using namespace returns::testing;
namespace key = console::key;
using support::Keys;
using support::Line;
using support::Shown;
using Rows = std::vector<std::string>;

TEST(NegotiationScreenTest, AClerkEntersAMinute) {
  NegotiationSite site;
  site.rig.session.CloseTables();
  site.rig.term.AddKeys(Keys({
      // Header: a new minute, branch, date, PEC (first an unknown one), the numbers, the customer.
      {key::kEnter},
      Line("JKT001"),
      {key::kEnter},
      Line("PEC9"),
      {key::kEnter, key::kHome},
      Line("PEC1"),
      Line("KAL-01"),
      Line("SPH-P"),
      Line("SPH-C"),
      Line("C0001"),
      {key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter},
      // Products: name, brand, quantity, unit, price, margin; Enter on the margin opens the
      // details, where a label and a text are typed.
      {key::kRight},
      Line("PANEL LISTRIK"),
      Line("ABB"),
      Line("4"),
      Line("UNIT"),
      Line("2500000"),
      Line("10"),
      {key::kEnter},
      Line("UKURAN"),
      Line("80 X 60 CM"),
      {key::kEsc},
      {key::kF10},
      // Terms: VAT included, PPh 22 none, freight by the buyer, no commission.
      Line("S"),
      Line("T"),
      Line("B"),
      Line("T"),
      // Schedule: 5 is over the order of 4 and cannot be left; 4 can.
      Line("20122026"),
      Line("5"),
      {key::kF10},
      {key::kEnter},
      Line("4"),
      {key::kF10},
      // Payments: a date and 30 % of 10,000,000.
      Line("15122026"),
      Line("30"),
      {key::kF10},
      // Notes, signatories, the save.
      Line("KIRIM BERTAHAP"),
      {key::kPgDn},
      Line("E001"),
      {key::kPgDn},
      {key::kEnter},
      {key::kEnter},
      {key::kEsc},
  }));
  ASSERT_TRUE(BACN1(site.rig.session, {}).ok());
  EXPECT_EQ(site.rig.term.keys_left(), 0u);
  EXPECT_TRUE(Shown(site.rig.term, "PEC No PEC9, belum terdaftar"));
  EXPECT_TRUE(Shown(site.rig.term, "jumlah kirim lebih besar dari jumlah order"));
  EXPECT_TRUE(Shown(site.rig.term, "Nomor Nomor NEGOSIASI PENAWARAN INI : 0000000042"));
  site.Reopen();
  EXPECT_EQ(site.Contents("BAC_N1"),
            Rows{"0000000042|JKT001|20261208|C0001|SPH-P|SPH-C|KAL-01|PT. MAJU JAYA|BUDI|JL. MERDEKA 1 BLOK A|0251-123|"
                 "BOGOR|S|T|0|0|B|F|0|0|E001||||F|PEC1|20261208|ADMIN01"});
  EXPECT_EQ(site.Contents("BAC_N2"), Rows{"0000000042|PANEL LISTRIK|ABB|4|UNIT|2500000|  1|10|0||"});
  EXPECT_EQ(site.Contents("BAC_N21"), Rows{"0000000042|  1|UKURAN    80 X 60 CM"});
  EXPECT_EQ(site.Contents("BAC_N22"), Rows{"0000000042|  1|20261220|4"});
  EXPECT_EQ(site.Contents("BAC_N3"), Rows{"0000000042|20261215|  1|30|||3000000|"});
  EXPECT_EQ(site.Contents("BAC_N6"), Rows{"0000000042|KIRIM BERTAHAP"});
}

TEST(NegotiationScreenTest, AStoredMinuteKeepsWhatWasTypedForItsCustomer) {
  NegotiationSite site;
  Minute minute = TwoProductMinute(5);
  minute.company = xbase::PadR("CV. LAIN", 50);
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &minute).ok());
  site.rig.session.CloseTables();
  site.rig.term.AddKeys(Keys({Line("0000000042"),
                              std::vector<int>(12, key::kEnter),
                              {key::kF10},
                              std::vector<int>(4, key::kEnter),
                              {key::kF10, key::kF10, key::kPgDn, key::kPgDn, key::kEnter, key::kEsc}}));
  ASSERT_TRUE(BACN1(site.rig.session, {}).ok());
  EXPECT_EQ(site.rig.term.keys_left(), 0u);
  site.Reopen();
  EXPECT_EQ(site.Contents("BAC_N1"),
            Rows{"0000000042|JKT001|20261208|C0001||||CV. LAIN|||||S|S|0|0|P|F|0|0|||||F|PEC1|20261208|ADMIN01"});
}

}  // namespace
}  // namespace returns
