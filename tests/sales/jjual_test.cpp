// Further delivery notes for a saved order, typed through the scripted terminal on the demonstration
// folder: what is still open is offered, and each note moves the stock, the order's delivered
// quantities, the receivable and the customer balance.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "sales/sales.h"
#include "sales/sales_site_helpers.h"
#include "site/demo_data.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using console::key::kEnter;
using console::key::kF10;
using support::Keys;
using support::Line;
using support::N;
using support::Shown;
using support::T;

std::string Pad(std::string_view text, int width) { return xbase::PadR(text, width); }

const std::vector<int> kSave = {kF10, kEnter};

using JjualTest = OrderScreenTest;

TEST_F(JjualTest, FurtherNotesDeliverTheRestOfAnOrder) {
  // The demo order SO-0101: 500 drawing books, 288 blue pens and 240 plastic folders, nothing delivered.
  RunEntry(JJUAL, Keys({NoteHeaderKeys("SJ-0101", "SO-0101"), FirstQuantityKeys(300), kSave}));
  EXPECT_TRUE(Shown(rig.term, "INPUT SURAT JALAN BARU"));

  const std::string order = Pad("SO-0101", 20);
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", order, "QTY_KIRIM"),
            (std::vector<std::string>{"300.00", "288.00", "240.00"}));
  const std::string first = Pad("SJ-0101", 20);
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", first, "KODE"),
            (std::vector<std::string>{Pad("SC0003", 10), Pad("WR0002", 10), Pad("OF0003", 10)}));
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", first, "URUTAN"), (std::vector<std::string>{"  1", "  2", "  3"}));
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", first, "Q_BOX"), (std::vector<std::string>{"3.00", "2.00", "1.00"}));
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", first, "NOMOR"), Pad("SO-0101", 15));
  // No due-date rule for type 01 and a retail shop: the customer's 30 days, with no term on top.
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", first, "TEMPO"), "07-01-2027");
  EXPECT_EQ(site.Number("SRTJLN1", "SRTJLN11", first, "TERM"), 0);
  EXPECT_EQ(site.Field("PIUTDBT", "PIUTDBT1", first, "TEMPO"), "07-01-2027");
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", first, "DEBET"), 300 * 6500 + 288 * 2500 + 240 * 2000);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0003", "JUMLAH"), 1200);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), 1400);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 OF0003", "JUMLAH"), 2160);

  // The second note offers the 200 drawing books still open; a third finds nothing left.
  RunEntry(JJUAL, Keys({NoteHeaderKeys("SJ-0102", "SO-0101"), kSave, Line("SJ-0101"), {' '},
                        NoteHeaderKeys("SJ-0103", "SO-0101"), {kF10, ' ', console::key::kEsc}}));
  EXPECT_TRUE(Shown(rig.term, "Nomor Surat Jalan SJ-0101 sudah terdaftar"));
  EXPECT_TRUE(Shown(rig.term, "Tidak ada barang yang dikirim"));
  const std::string second = Pad("SJ-0102", 20);
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", second, "QUANTITY"), (std::vector<std::string>{"200.00"}));
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", second, "Q_BOX"), (std::vector<std::string>{"2.00"}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", order, "QTY_KIRIM"),
            (std::vector<std::string>{"500.00", "288.00", "240.00"}));
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", second, "DEBET"), 1300000);
  EXPECT_EQ(site.BalanceMoved("J0001"), 4450000);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0003", "JUMLAH"), 1000);
  EXPECT_EQ(site.Count("SRTJLN1"), 2u);
  site.ExpectSoundIndexes();
}

TEST_F(JjualTest, TheSameGoodsOnTwoLinesAndMoreThanEighteenLines) {
  // Line 1 of SC0001 is delivered; line 2 of the same goods and 18 lines of other goods are open.
  site.Add("SLSODR1", {{{"NOMOR", T("SO-2")}, {"RELASI", T("J0002")}, {"TANGGAL", xbase::Value::FromDate(kToday)},
                        {"TIPE", T("01")}, {"SALES", T("S001")}, {"CODE_ID", T("0")}, {"INCLUDE", xbase::Value::Logical(true)}}});
  std::vector<support::Row> lines = {
      {{"NOMOR", T("SO-2")}, {"KODE", T("SC0001")}, {"GUDANG", T("GDG01")}, {"QUANTITY", N(10)},
       {"QTY_KIRIM", N(10)}, {"HARGA", N(3500)}, {"URUT", T("  1")}},
      {{"NOMOR", T("SO-2")}, {"KODE", T("SC0001")}, {"GUDANG", T("GDG01")}, {"QUANTITY", N(20)},
       {"QTY_KIRIM", N(0)}, {"HARGA", N(3500)}, {"URUT", T("  2")}}};
  for (int i = 1; i <= 18; ++i) {
    lines.push_back({{"NOMOR", T("SO-2")}, {"KODE", T(site::DemoGoodsList()[static_cast<size_t>(i)].kode)},
                     {"GUDANG", T("GDG01")}, {"QUANTITY", N(1)}, {"HARGA", N(1000)},
                     {"URUT", T(xbase::PadL(std::to_string(i + 2), 3))}});
  }
  site.Add("SLSODR2", lines);
  RunEntry(JJUAL, Keys({NoteHeaderKeys("SJ-A", "SO-2"), {kF10, kEnter}, Line("SJ-B"), {kEnter}}));

  EXPECT_TRUE(Shown(rig.term, "Data Surat Jalan"));
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", Pad("SJ-A", 20), "URUT").size(), 18u);
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", Pad("SJ-B", 20), "KODE"), (std::vector<std::string>{Pad("WR0005", 10)}));
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", Pad("SJ-B", 20), "URUTAN"), (std::vector<std::string>{" 20"}));
  // The 20 pieces went onto line 2, which they came from.
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR23", Pad("SO-2", 20) + Pad("SC0001", 10), "QTY_KIRIM"),
            (std::vector<std::string>{"10.00", "20.00"}));
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", Pad("SJ-A", 20), "DEBET"), 20 * 3500 + 17 * 1000);
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", Pad("SJ-B", 20), "DEBET"), 1000);
  EXPECT_EQ(site.BalanceMoved("J0002"), 88000);
  site.ExpectSoundIndexes();
}

}  // namespace
}  // namespace sales
