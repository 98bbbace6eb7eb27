// The delivery-note revision typed through the scripted terminal: every stored line taken back and
// the corrected lines posted, so that stock, the order's delivered quantities, the receivable and
// both customers' balances end as if the corrected note had been saved; a note another workstation
// saved meanwhile refused; and the notes it refuses.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "sales/note_revision.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "sales/sales_site_helpers.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using console::key::kDel;
using console::key::kDown;
using console::key::kEnter;
using console::key::kEsc;
using console::key::kF10;
using support::Keys;
using support::Line;
using support::N;
using support::Shown;

const std::string kNote = xbase::PadR("SJ-0101", 20);
const std::string kOrder = xbase::PadR("SO-0101", 20);
const std::vector<int> kSave = {kF10, kEnter};

class RsrtjlnTest : public OrderScreenTest {
 protected:
  // The whole demo order SO-0101 delivered on SJ-0101: 500 drawing books, 288 blue pens, 240 folders.
  void SetUp() override { RunEntry(JJUAL, Keys({NoteHeaderKeys("SJ-0101", "SO-0101"), kSave})); }

  void ExpectStock(double books, double pens, double folders) {
    EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0003", "JUMLAH"), books);
    EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 WR0002", "JUMLAH"), pens);
    EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 OF0003", "JUMLAH"), folders);
  }
};

TEST_F(RsrtjlnTest, RevisionsLowerRaiseMoveAndEmptyANote) {
  RunEntry(RSRTJLN, Keys({RevisionHeaderKeys("SJ-0101"), FirstQuantityKeys(300), kSave}));
  EXPECT_TRUE(Shown(rig.term, "RALAT SURAT JALAN"));
  ExpectStock(1200, 2592, 2160);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), 1400);
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QTY_KIRIM"),
            (std::vector<std::string>{"300.00", "288.00", "240.00"}));
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", kNote, "Q_BOX"), (std::vector<std::string>{"3.00", "2.00", "1.00"}));
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", kNote, "DEBET"), 3150000);
  EXPECT_EQ(site.BalanceMoved("J0001"), 3150000);

  // Only 100 pens are left in the warehouse; the note's own 288 count as available again.
  site.Put("STOKBRG", "STOKBRG2", "GDG01 WR0002", "JUMLAH", N(100));
  RunEntry(RSRTJLN, Keys({RevisionHeaderKeys("SJ-0101"), {kDown}, FirstQuantityKeys(300), kSave}));
  ExpectStock(1200, 88, 2160);
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QTY_KIRIM"),
            (std::vector<std::string>{"300.00", "300.00", "240.00"}));
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", kNote, "DEBET"), 3180000);

  // Another customer takes the note: the amount moves from one balance to the other.
  RunEntry(RSRTJLN, Keys({Line("SJ-0101"), Line("J0002"), std::vector<int>(14, kEnter), kSave}));
  EXPECT_EQ(site.Field("SRTJLN1", "SRTJLN11", kNote, "RELASI"), "J0002     ");
  EXPECT_EQ(site.Field("PIUTDBT", "PIUTDBT1", kNote, "RELASI"), "J0002     ");
  EXPECT_EQ(site.BalanceMoved("J0001"), 0);
  EXPECT_EQ(site.BalanceMoved("J0002"), 3180000);
  ExpectStock(1200, 88, 2160);

  // Every line removed: all goods come back, nothing stays delivered, the receivable stays at 0.
  RunEntry(RSRTJLN, Keys({RevisionHeaderKeys("SJ-0101"), {kDel, kDel, kDel}, kSave}));
  ExpectStock(1500, 388, 2400);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0003", "JUMLAH"), 1700);
  EXPECT_TRUE(site.Fields("SRTJLN2", "SRTJLN21", kNote, "KODE").empty());
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QTY_KIRIM"),
            (std::vector<std::string>{"0.00", "0.00", "0.00"}));
  EXPECT_EQ(site.Field("PIUTDBT", "PIUTDBT1", kNote, "DEBET"), "            0.00");
  EXPECT_EQ(site.BalanceMoved("J0002"), 0);
  EXPECT_EQ(rig.term.keys_left(), 0u);
  site.ExpectSoundIndexes();
}

// Two clerks revise SJ-0101 at once: the one saving after the other's save is refused with nothing
// written, and stock, the order's delivered quantities and the receivable stay as the other left them.
TEST_F(RsrtjlnTest, ANoteSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  console::ManualClock clock({kToday, 9 * 3600});
  // This clerk lowers the books to 300 while the other, the note loaded, is about to go to the pens.
  support::DamagingTerminal term(
      Keys({RevisionHeaderKeys("SJ-0101"), {kDown}, FirstQuantityKeys(100), kSave, {' ', kEsc, 'Y', kEsc}}), &clock,
      [&] { RunEntry(RSRTJLN, Keys({RevisionHeaderKeys("SJ-0101"), FirstQuantityKeys(300), kSave})); }, 8);
  console::Console con(term, clock);
  frame::ProcedureRegistry registry;
  frame::Session other(con, registry, "WS-OTHER");
  site.LogIn(other);
  ASSERT_TRUE(RSRTJLN(other, {}).ok());
  EXPECT_EQ(term.keys_left(), 0u);
  EXPECT_EQ(term.overruns(), 0);
  EXPECT_TRUE(Shown(term, "SJ SJ-0101 diubah di komputer lain, panggil ulang datanya"));
  ExpectStock(1200, 2592, 2160);
  EXPECT_EQ(site.Fields("SLSODR2", "SLSODR21", kOrder, "QTY_KIRIM"),
            (std::vector<std::string>{"300.00", "288.00", "240.00"}));
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", kNote, "QUANTITY"),
            (std::vector<std::string>{"300.00", "288.00", "240.00"}));
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", kNote, "DEBET"), 3150000);
  EXPECT_EQ(site.BalanceMoved("J0001"), 3150000);
  site.ExpectSoundIndexes();
}

// The note's sales manager comes from its BMONITOR link and is saved with the revision: a link that
// cannot be read refuses the note with the failure, never loads it without its manager.
TEST_F(RsrtjlnTest, ANoteWhoseManagerLinkCannotBeReadIsNotLoaded) {
  support::DamageIndexPages(site.data(), "BMONITOR");
  RunEntry(RSRTJLN, Keys({Line("SJ-0101"), {' '}}));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "BMONITOR"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
}

// Without the manager links open the note's manager cannot be known: the note is not loaded (so never
// saved with a blank manager), the failure naming the table is on row 24 and nothing is written.
TEST_F(RsrtjlnTest, WithoutTheManagerLinksOpenANoteIsNotLoaded) {
  site.LogIn(rig.session);
  ASSERT_TRUE(OPENDATA(rig.session));
  ASSERT_TRUE(rig.session.tables().Close("bmonitor").ok());
  NoteRevision rev;
  rev.doc.invoice = kNote;
  rig.term.AddKeys({' '});
  EXPECT_FALSE(LCGERSURATJALAN(rig.session, &rev));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: bmonitor"));
  EXPECT_TRUE(rev.doc.lines.empty());
  rig.session.CloseTables();
  ExpectStock(1000, 2592, 2160);
  EXPECT_EQ(site.Fields("SRTJLN2", "SRTJLN21", kNote, "QUANTITY"),
            (std::vector<std::string>{"500.00", "288.00", "240.00"}));
}

TEST_F(RsrtjlnTest, NotesThatMayNotBeRevisedAreRefusedWithTheirMessages) {
  site.Put("SRTJLN1", "SRTJLN11", "SJ-0002", "BATAL", xbase::Value::Logical(true));
  site.Put("SRTJLN1", "SRTJLN11", "SJ-0003", "NOMOR", support::T("FREE GOODS"));
  site.Put("SRTJLN1", "SRTJLN11", "SJ-0004", "PROFORMA", xbase::Value::Logical(true));
  site.Put("PIUTDBT", "PIUTDBT1", "SJ-0101", "KREDIT", N(4000000));
  for (const char* note : {"SJ-NONE", "SJ-0002", "SJ-0003", "SJ-0004"}) RunEntry(RSRTJLN, Keys({Line(note), {' '}}));
  // The demo's printed note is shown, but may not be saved.
  RunEntry(RSRTJLN, Keys({Line("SJ-0001"), {kEnter}, std::vector<int>(15, kEnter), {kF10, kEnter, kEsc, 'Y'}}));
  // Payments of 4,000,000 were settled on SJ-0101.
  RunEntry(RSRTJLN, Keys({RevisionHeaderKeys("SJ-0101"), FirstQuantityKeys(300), kSave, {' ', kEsc, 'Y'}}));
  RunEntry(RSRTJLN, Keys({Line("SJ-0101"), Line("J0002"), std::vector<int>(14, kEnter), kSave, {' ', kEsc, 'Y'}}));
  EXPECT_TRUE(Shown(rig.term, "Nomor Sj SJ-NONE tidak terdaftar"));
  EXPECT_TRUE(Shown(rig.term, "Surat jalan SJ-0002 sudah dibatalkan, tidak bisa diralat"));
  EXPECT_TRUE(Shown(rig.term, "Surat jalan SJ-0003 adalah free goods, tidak bisa diralat"));
  EXPECT_TRUE(Shown(rig.term, "sj dari Proforma tidak boleh dikorekasi"));
  EXPECT_TRUE(Shown(rig.term, "Surat jalan ini sudah dicetak"));
  EXPECT_TRUE(Shown(rig.term, "surat jalan ini sudah tidak boleh diralat lagi"));
  EXPECT_TRUE(Shown(rig.term, "Nilai surat jalan 3,150,000.00 kurang dari yang sudah dibayar 4,000,000.00"));
  EXPECT_TRUE(Shown(rig.term, "Piutang SJ SJ-0101 sudah dibayar, relasi tidak boleh diganti"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  ExpectStock(1000, 2592, 2160);
  EXPECT_EQ(site.Number("PIUTDBT", "PIUTDBT1", kNote, "DEBET"), 4450000);
  EXPECT_EQ(site.Field("PIUTDBT", "PIUTDBT1", kNote, "RELASI"), "J0001     ");
  EXPECT_EQ(site.BalanceMoved("J0001"), 4450000);
  // The printed note's lines were not touched.
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000);
}

}  // namespace
}  // namespace sales
