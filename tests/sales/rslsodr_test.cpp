// The sales-order revision and the order print: delivered quantities stay with their lines, each
// goods code once, freed rows reused with fresh line numbers, an order gone meanwhile refused, two
// workstations revising two orders at once and one order each, and the order form's rows.
#include <thread>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "sales/note_lines.h"
#include "sales/order_revision.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "sales/sales_site_helpers.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using console::key::kDel;
using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;
using console::key::kLeft;
using console::key::kRight;
using support::Keys;
using support::Line;
using support::N;
using support::Shown;
using support::T;

const std::string kOrder = xbase::PadR("SO-0101", 20);

// The order number, then the rest of the header as loaded.
std::vector<int> OrderHeaderKeys() { return Keys({Line("SO-0101"), std::vector<int>(11, kEnter)}); }

using RslsodrTest = OrderScreenTest;

TEST_F(RslsodrTest, DeliveredLinesKeepTheirGoodsAndFreedRowsAreReused) {
  // 100 of the drawing books on line 1 were delivered.
  site.Put("SLSODR2", "SLSODR23", kOrder + xbase::PadR("SC0003", 10), "QTY_KIRIM", N(100));
  RunEntry(RSLSODR, Keys({OrderHeaderKeys(), {kDel, ' ', kRight}, Line("SC0001"), {' ', kEsc},
                          std::vector<int>(5, kRight), Line("600"), {kDown}, std::vector<int>(7, kLeft),
                          Line("OF0003"), {' ', kEsc}, Line("SC0001"), {kDown, kDel, kF10, kEnter}}));

  EXPECT_TRUE(Shown(rig.term, "RALAT SALES ORDER"));
  EXPECT_TRUE(Shown(rig.term, "Barang SC0003 sudah dikirim 100 pcs, tidak boleh dihapus"));
  EXPECT_TRUE(Shown(rig.term, "Barang baris ini sudah dikirim 100 pcs, kodenya tidak boleh diganti"));
  EXPECT_TRUE(Shown(rig.term, "kode OF0003 telah diisikan pada urutan ke 3"));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "KODE"),
            (std::vector<std::string>{xbase::PadR("SC0003", 10), xbase::PadR("SC0001", 10)}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"), (std::vector<std::string>{"600.00", "400.00"}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QTY_KIRIM"), (std::vector<std::string>{"100.00", "0.00"}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "HARGA"), (std::vector<std::string>{"6500.00", "3500.00"}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "URUT"), (std::vector<std::string>{"  1", "  2"}));

  // A new line takes the freed row with the next number the order never used.
  RunEntry(RSLSODR, Keys({OrderHeaderKeys(), {kDown, kDown, kRight}, Line("WR0001"), Line("1"),
                          {kF10, kEnter}}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "URUT"), (std::vector<std::string>{"  1", "  2", "  4"}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"),
            (std::vector<std::string>{"600.00", "400.00", "144.00"}));
  EXPECT_EQ(site.Count("SLSODR2"), 0u);
  EXPECT_EQ(rig.term.keys_left(), 0u);
  site.ExpectSoundIndexes();
}

// Loads an order for revision in a session of its own.
NoteDocument Loaded(frame::Session& session, std::string_view order) {
  NoteDocument doc;
  doc.header.order = xbase::PadR(order, 15);
  EXPECT_TRUE(LCGETSALESORDER(session, &doc));
  return doc;
}

TEST_F(RslsodrTest, AnOrderGoneMeanwhileIsRefusedAndNothingWritten) {
  site.LogIn(rig.session);
  ASSERT_TRUE(OPENDATA(rig.session));
  NoteDocument doc = Loaded(rig.session, "SO-0101");
  note::SetFigure(&doc.lines[0], note::kQuantity, 900);
  site.Put("SLSODR1", "SLSODR11", "SO-0101", "NOMOR", T("SO-0101-X"));
  rig.term.AddKeys({' '});
  EXPECT_FALSE(WriteOrderRevision(rig.session, doc));
  EXPECT_TRUE(Shown(rig.term, "Nomor Sales Order SO-0101 tidak terdaftar"));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"),
            (std::vector<std::string>{"500.00", "288.00", "240.00"}));
  rig.session.CloseTables();
}

TEST_F(RslsodrTest, EscAtALockOfTheRevisionWritesNothing) {
  site.LogIn(rig.session);
  ASSERT_TRUE(OPENDATA(rig.session));
  NoteDocument doc = Loaded(rig.session, "SO-0101");
  note::SetFigure(&doc.lines[0], note::kQuantity, 900);
  {
    support::OtherWorkstation other(site.data());
    other.HoldAppend("SLSODR2");
    rig.term.AddKeys({kEsc, ' ', ' '});
    EXPECT_FALSE(WriteOrderRevision(rig.session, doc));
    EXPECT_TRUE(Shown(rig.term, "Mencoba menambah record file SLSODR2.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"),
              (std::vector<std::string>{"500.00", "288.00", "240.00"}));
  }
  EXPECT_TRUE(WriteOrderRevision(rig.session, doc));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"),
            (std::vector<std::string>{"900.00", "288.00", "240.00"}));
  rig.session.CloseTables();
}

// Two workstations revise the same order: the one saving after the other's save is refused, the other's
// lines stay, and loaded again his revision saves.
TEST_F(RslsodrTest, AnOrderSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  site.LogIn(rig.session);
  ASSERT_TRUE(OPENDATA(rig.session));
  NoteDocument doc = Loaded(rig.session, "SO-0101");
  note::SetFigure(&doc.lines[0], note::kQuantity, 900);
  {
    UnattendedTerminal terminal;
    console::ManualClock clock({kToday, 9 * 3600});
    console::Console con(terminal, clock);
    frame::ProcedureRegistry registry;
    frame::Session other(con, registry, "WS-OTHER");
    site.LogIn(other);
    ASSERT_TRUE(OPENDATA(other));
    NoteDocument first = Loaded(other, "SO-0101");
    note::SetFigure(&first.lines[1], note::kQuantity, 700);
    EXPECT_TRUE(WriteOrderRevision(other, first));
    other.CloseTables();
  }
  rig.term.AddKeys({' '});
  EXPECT_FALSE(WriteOrderRevision(rig.session, doc));
  EXPECT_TRUE(Shown(rig.term, "Sales Order SO-0101 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_FALSE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"),
            (std::vector<std::string>{"500.00", "700.00", "240.00"}));

  doc = Loaded(rig.session, "SO-0101");
  note::SetFigure(&doc.lines[0], note::kQuantity, 900);
  EXPECT_TRUE(WriteOrderRevision(rig.session, doc));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"),
            (std::vector<std::string>{"900.00", "700.00", "240.00"}));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  rig.session.CloseTables();
  site.ExpectSoundIndexes();
}

// One workstation revising one order again and again: line 1 takes the round's quantity, and a
// line of SC0001 is added in odd rounds and removed in even ones.
void ReviseOrder(const SalesSite& site, std::string_view order, int rounds) {
  UnattendedTerminal terminal;
  console::ManualClock clock({kToday, 9 * 3600});
  console::Console con(terminal, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, "WS-" + std::string(order));
  site.LogIn(session);
  ASSERT_TRUE(OPENDATA(session));
  for (int round = 1; round <= rounds; ++round) {
    NoteDocument doc = Loaded(session, order);
    ASSERT_FALSE(doc.lines.empty());
    note::SetFigure(&doc.lines[0], note::kQuantity, 100 + round);
    if (round % 2 == 1) {
      xbase::Value code = xbase::Value::Text(xbase::PadR("SC0001", 10));
      const int line = static_cast<int>(doc.lines.size());
      ASSERT_TRUE(CheckNoteCell(session, &code, note::kCode, &doc, line));
      doc.lines.back()[note::kCode - 1] = code;
    } else {
      doc.lines.erase(doc.lines.end() - 2);  // the line added in the round before
    }
    EXPECT_TRUE(WriteOrderRevision(session, doc));
  }
  session.CloseTables();
}

TEST(RslsodrConcurrencyTest, TwoWorkstationsReviseTwoOrdersAtOnce) {
  SalesSite site;
  site.Add("SLSODR1", {{{"NOMOR", T("SO-0202")}, {"RELASI", T("J0002")}, {"TIPE", T("01")}, {"SALES", T("S001")},
                        {"CODE_ID", T("0")}}});
  site.Add("SLSODR2", {{{"NOMOR", T("SO-0202")}, {"KODE", T("WR0001")}, {"GUDANG", T("GDG01")}, {"QUANTITY", N(10)},
                        {"HARGA", N(2500)}, {"URUT", T("  1")}},
                       {{"NOMOR", T("SO-0202")}, {"KODE", T("WR0003")}, {"GUDANG", T("GDG01")}, {"QUANTITY", N(5)},
                        {"HARGA", N(3000)}, {"URUT", T("  2")}}});
  constexpr int kRounds = 12;
  std::thread a([&] { ReviseOrder(site, "SO-0101", kRounds); });
  std::thread b([&] { ReviseOrder(site, "SO-0202", kRounds); });
  a.join();
  b.join();

  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QUANTITY"),
            (std::vector<std::string>{"112.00", "288.00", "240.00"}));
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", xbase::PadR("SO-0202", 20), "QUANTITY"),
            (std::vector<std::string>{"112.00", "5.00"}));
  // One row appended for each order, then reused round after round.
  EXPECT_EQ(site.Count("SLSODR2"), 2u + 2u);
  site.ExpectSoundIndexes();
}

TEST_F(RslsodrTest, TheOrderFormPrintsPricesWithoutVat) {
  site.Put("SLSODR2", "SLSODR23", kOrder + xbase::PadR("SC0003", 10), "HARGA", N(111));
  site.LogIn(rig.session);
  ASSERT_TRUE(OPENDATA(rig.session));
  const NoteDocument doc = Loaded(rig.session, "SO-0101");
  const std::vector<frame::ReportLine> rows = OrderFormRows(rig.session, doc);
  // Ten rows of the sheet's heading, the title, seven rows of the customer, the column heads, three
  // items, the totals, one empty row and 15 more for the unused item rows, then the words.
  ASSERT_GE(rows.size(), 44u);
  EXPECT_EQ(rows[10].text, std::string(34, ' ') + "S A L E S   O R D E R" + std::string(15, ' ') + "Nomor : SO-0101        ");
  EXPECT_EQ(rows[10].controls, "SH");
  EXPECT_EQ(rows[11].text, xbase::PadR("Kepada Yth .", 70) + "Tanggal : 07-12-2026");
  EXPECT_EQ(rows[12].text, "TB. SINAR ILMU (J0001)");
  EXPECT_EQ(rows[21].text,
            "SC0003     BUKU GAMBAR A4            5      0     500     100.00   0.00   0.00        50,000.00");
  // 288 pens at 2,500 and 240 folders at 2,000, VAT of 11 % taken out.
  EXPECT_EQ(rows[25].text, std::string(69, ' ') + "JUMLAH :      1,131,081.08");
  EXPECT_EQ(rows[26].text, std::string(63, ' ') + "JUMLAH NETTO :      1,131,081.08");
  EXPECT_EQ(rows[42].text, "");
  EXPECT_EQ(rows[43].text.substr(0, 12), "Terbilang : ");
  rig.session.CloseTables();
}

}  // namespace
}  // namespace sales
