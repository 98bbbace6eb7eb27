// The sales order screen typed through the scripted terminal on a demonstration folder: what a save
// writes into the order, note, receivable, stock and customer tables, and the delivery-note split.
#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "sales/sales.h"
#include "sales/sales_site_helpers.h"
#include "frame/login.h"
#include "site/all_procedures.h"
#include "site/demo_data.h"
#include "support/damaged_tables.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using support::Keys;
using support::Line;
using support::Shown;

std::string Pad(std::string_view text, int width) { return xbase::PadR(text, width); }

using IjualTest = OrderScreenTest;

TEST_F(IjualTest, PartialDeliveryWritesOrderNoteReceivableStockAndBalance) {
  // The second line's stock in the shop warehouse is exactly what it orders: only whole cartons leave.
  site.Put("STOKBRG", "STOKBRG2", "GDG02 SC0003", "JUMLAH", xbase::Value::Num(250));
  Run(Keys({HeaderKeys("SO-1", "J0003", "02", "S001"), LineKeys({"SC0001", 2, 3, 5}),
            LineKeys({"SC0003", 2, 5, 0, "GDG02"}), SaveKeys({"SJ-1"})}));

  EXPECT_TRUE(Shown(rig.term, "INPUT SALES ORDER + SURAT JALAN"));
  EXPECT_TRUE(Shown(rig.term, "CV. MAJU JAYA GROSIR"));
  EXPECT_TRUE(Shown(rig.term, " 1 GDG01  SC0001     BUKU TULIS 38 LBR         2      3           5         435"));
  // Wholesale price level 1 with the group's line discounts 3 % and 1 %, order discount 1 %.
  EXPECT_TRUE(Shown(rig.term, "Netto :      2,603,959.08"));
  // The next order's footer covers every figure of the saved one.
  EXPECT_EQ(console::ScriptedTerminal::Text(rig.term.screens().back(), 23, 55), "Netto : " + std::string(17, '.'));

  const std::string order = Pad("SO-1", 20);
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "RELASI"), "J0003     ");
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "KDCB"), "JKT001");
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "DISCOUNT"), "  1.00");
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "OPERATOR"), "KASIR01   ");
  EXPECT_EQ(site.Number("SLSODR2", "SLSODR23", order + Pad("SC0001", 10), "QTY_KIRIM"), 435);
  EXPECT_EQ(site.Number("SLSODR2", "SLSODR23", order + Pad("SC0003", 10), "QUANTITY"), 250);
  EXPECT_EQ(site.Number("SLSODR2", "SLSODR23", order + Pad("SC0003", 10), "QTY_KIRIM"), 200);
  EXPECT_EQ(site.Number("SLSODR2", "SLSODR23", order + Pad("SC0003", 10), "HARGA"), 6300);
  EXPECT_EQ(site.Field("SLSODR2", "SLSODR23", order + Pad("SC0003", 10), "URUT"), "  2");

  const std::string note = Pad("SJ-1", 20);
  EXPECT_EQ(site.Count("SRTJLN1"), 1u);
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", note, "NOMOR"), Pad("SO-1", 15));
  // Type 02 for a wholesaler: the "HARI02GROS" row makes the note due 45 days after its date.
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", note, "TEMPO"), "22-01-2027");
  EXPECT_EQ(site.Number("SRTJLN1", "SRTJLN11", note, "TERM"), 0);
  const std::string first = note + "  1";
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN23", first, "Q_BOX"), 2);
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN23", first, "Q_PAK"), 3);
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN23", first, "Q_PCS"), 5);
  const std::string second = note + "  2";
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN23", second, "QUANTITY"), 200);
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN23", second, "Q_BOX"), 2);
  EXPECT_EQ(site.Number("SRTJLN2", "SRTJLN23", second, "Q_PAK"), 0);
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN23", second, "GUDANG"), "GDG02 ");
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN23", second, "URUTAN"), "  2");

  EXPECT_EQ(site.Field("PIUTDBT", "PIUTDBT1", note, "DEBET"), "      2603959.08");
  EXPECT_EQ(site.Field("PIUTDBT", "PIUTDBT1", note, "TEMPO"), "22-01-2027");
  EXPECT_DOUBLE_EQ(site.BalanceMoved("J0003"), 2603959.08);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000 - 435);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG02 SC0003", "JUMLAH"), 50);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0001", "JUMLAH"), 4600 - 435);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), 1700 - 200);
  EXPECT_EQ(site.Count("BMONITOR"), 0u);
  site.ExpectSoundIndexes();
}

TEST_F(IjualTest, NineteenDeliveredLinesNeedTwoNotesAndTwoReceivables) {
  std::vector<int> keys = HeaderKeys("SO-19", "J0001", "01", "S002", "BM01");
  double first_note = 0;
  for (size_t i = 0; i < 19; ++i) {
    const site::DemoGoods& goods = site::DemoGoodsList()[i];
    keys = Keys({keys, LineKeys({goods.kode, 0, 0, 1})});
    if (i < 18) first_note += goods.harga;
  }
  Run(Keys({keys, SaveKeys({"SJ-A", "SJ-B"})}));

  EXPECT_TRUE(Shown(rig.term, "Sj  2 : "));
  EXPECT_EQ(site.Count("SLSODR2"), 19u);
  EXPECT_EQ(site.Count("SRTJLN1"), 2u);
  EXPECT_EQ(site.Count("SRTJLN2"), 19u);
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN23", Pad("SJ-A", 20) + " 18", "KODE"), Pad("WR0004", 10));
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN23", Pad("SJ-B", 20) + "  1", "KODE"), Pad("WR0005", 10));
  EXPECT_EQ(site.Field("SRTJLN2", "SRTJLN23", Pad("SJ-B", 20) + "  1", "URUTAN"), " 19");
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", Pad("SJ-A", 20), "DEBET"), first_note);
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", Pad("SJ-B", 20), "DEBET"), 7000);
  EXPECT_EQ(site.BalanceMoved("J0001"), first_note + 7000);
  // No due-date row for retail: the note date and the customer's 30 days.
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", Pad("SJ-B", 20), "TEMPO"), "08-12-2026");
  EXPECT_EQ(site.Number("SRTJLN1", "SRTJLN11", Pad("SJ-B", 20), "TERM"), 30);
  EXPECT_EQ(site.Field("BMONITOR", "BMONITOR", Pad("SJ-B", 20), "KODEBM"), Pad("BM01", 10));
  EXPECT_EQ(site.Count("BMONITOR"), 2u);
  site.ExpectSoundIndexes();
}

TEST_F(IjualTest, BookClosingGuardKeepsOutAllButSupervisors) {
  site.LogIn(rig.session);
  rig.session.ZTGLBATAS = xbase::Date::FromYmd(2027, 1, 11);  // past 31-12-2026 + 10 days
  rig.term.AddKeys({' ', console::key::kEsc});
  ASSERT_TRUE(IJUAL(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Harus lakukan proses tutup buku dulu..."));
  EXPECT_FALSE(Shown(rig.term, "INPUT SALES ORDER + SURAT JALAN"));
  rig.session.MMEMBER.rights = "/SPV";
  ASSERT_TRUE(IJUAL(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "INPUT SALES ORDER + SURAT JALAN"));
  EXPECT_EQ(rig.session.tables().Area("slsodr1"), nullptr);  // closed again
}

TEST_F(IjualTest, OrderNumberAlreadyKeptIsRefusedWhenTyped) {
  site.Add("SLSODR1", {{{"NOMOR", support::T("SO-OLD")}}});
  Run(Keys({Line("SO-OLD"), {' ', console::key::kEsc}}));
  EXPECT_TRUE(Shown(rig.term, "Nomor Sales Order SO-OLD sudah terdaftar"));
}

TEST_F(IjualTest, DeletedLineLeavesTheOthersNumberedAgain) {
  using console::key::kUp;
  Run(Keys({HeaderKeys("SO-D", "J0002", "01", "S001"), LineKeys({"SC0001", 0, 0, 1}), LineKeys({"SC0002", 0, 0, 2}),
            LineKeys({"SC0003", 0, 0, 3}), {kUp, kUp, kUp, console::key::kDel}, SaveKeys({"SJ-D"})}));
  const std::string order = Pad("SO-D", 20);
  EXPECT_EQ(site.Count("SLSODR2"), 2u);
  EXPECT_EQ(site.Field("SLSODR2", "SLSODR23", order + Pad("SC0002", 10), "URUT"), "  1");
  EXPECT_EQ(site.Field("SLSODR2", "SLSODR23", order + Pad("SC0003", 10), "URUT"), "  2");
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000);
}

TEST_F(IjualTest, ACharacterTypedPastAFullHeaderFieldLandsNowhere) {
  // Each full field gets one character more (7, 5, 9, 7): each is refused with the bell and the
  // field after it stays as it was.
  Run(Keys({Line("SO-0000000000427"), Line("J0003"), {console::key::kEnter, console::key::kEnter, console::key::kEnter,
                                                       console::key::kEnter},
            Line("025"), Line("S0019"), {console::key::kEnter}, Line("000507"), std::vector<int>(5, console::key::kEnter),
            LineKeys({"SC0001", 2, 3, 5}), SaveKeys({"SJ-1"})}));
  EXPECT_EQ(rig.term.tones().size(), 4u);
  const std::string order = Pad("SO-000000000042", 20);
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "RELASI"), "J0003     ");
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "TIPE"), "02");
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "SALES"), "S001");
  EXPECT_EQ(site.Field("SLSODR1", "SLSODR11", order, "DISCOUNT"), "  0.50");
  EXPECT_EQ(site.Number("SLSODR1", "SLSODR11", order, "DISCOUNT2"), 0);
  EXPECT_EQ(site.Number("SLSODR2", "SLSODR23", order + Pad("SC0001", 10), "QUANTITY"), 435);
}

TEST_F(IjualTest, HeaderDiscountOutsideZeroToHundredIsRefused) {
  Run(Keys({Line("SO-H"), Line("J0003"), {console::key::kEnter, console::key::kEnter, console::key::kEnter,
                                          console::key::kEnter},
            Line("02"), Line("S001"), {console::key::kEnter}, Line("150"), {' '}}));
  EXPECT_TRUE(Shown(rig.term, "Discount harus antara 0 sampai 100"));
  EXPECT_EQ(site.Count("SLSODR1"), 0u);
}

// A change of customer shows the new customer's discounts at once: the modern-market group's 2 % and
// 1 %, then none for a retail customer without a group row.
TEST_F(IjualTest, AChangeOfCustomerShowsTheNewCustomersDiscounts) {
  Run(Keys({Line("SO-C"), Line("J0005"), {console::key::kUp}, Line("J0001")}));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 5, "Disc. 1 :   2.00"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 6, "Disk. 2 :   1.00"));
  const console::CellGrid& after = rig.term.screens().back();
  EXPECT_EQ(console::ScriptedTerminal::Text(after, 3, 13, 10), "J0001     ");
  EXPECT_EQ(console::ScriptedTerminal::Text(after, 5, 30, 16), "Disc. 1 :   0.00");
  EXPECT_EQ(console::ScriptedTerminal::Text(after, 6, 30, 16), "Disk. 2 :   0.00");
  EXPECT_EQ(site.Count("SLSODR1"), 0u);
}

// The customer table is cut short while the screen has it open: the customer typed names the damaged
// file instead of reading as a blank record ("kelompok relasi Salah"), and nothing is saved.
TEST(IjualDamageTest, ACustomerTableCutShortWhileOpenIsNamed) {
  SalesSite site;
  const std::string customers = site.data() + "/MASTCUS.dbf";
  console::ManualClock clock({kToday, 9 * 3600});
  support::DamagingTerminal term(Keys({Line("SO-X"), Line("J0005"), {' ', console::key::kEsc, console::key::kEsc}}), &clock,
                        [&] { std::filesystem::resize_file(customers, 1500); });
  console::Console con(term, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, "WS-TEST");
  site.LogIn(session);
  ASSERT_TRUE(IJUAL(session, {}).ok());
  EXPECT_TRUE(Shown(term, customers + ": file ends at 1500, before 2901"));
  EXPECT_FALSE(Shown(term, "kelompok relasi Salah"));
  EXPECT_EQ(site.Count("SLSODR1"), 0u);
}

TEST(IjualMenuTest, DemoCashierReachesTheScreenFromTheMenu) {
  SalesSite site;
  const std::string ini = site.data() + "/../Palunda.ini";
  ASSERT_TRUE(frame::WriteConnectionSettings({"localhost", "", "", site.data()}, ini).ok());
  support::SessionRig rig(Keys({support::Login(site::kDemoNik, site::kDemoPassword), {console::key::kRight},
                                {console::key::kEnter, console::key::kEsc, console::key::kEsc, 'Y'}}));
  site::RegisterAllProcedures(rig.registry);
  frame::MULAI(rig.session, ini);
  EXPECT_TRUE(Shown(rig.term, "-= GRUP MENU PENJUALAN =-"));
  EXPECT_TRUE(Shown(rig.term, "INPUT SALES ORDER + SURAT JALAN"));
  EXPECT_TRUE(Shown(rig.term, "No. Order  : "));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

}  // namespace
}  // namespace sales
