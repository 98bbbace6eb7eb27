// The save of the order screen: the delivery-note numbers refused before anything is written, numbers
// taken by another workstation while the clerk confirms, a lock given up that writes nothing, and two
// workstations saving orders of the same goods at once.
#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "console/terminal.h"
#include "sales/sales.h"
#include "schema/open_table.h"
#include "xbase/search_path.h"
#include "sales/sales_order.h"
#include "sales/sales_site_helpers.h"
#include "site/demo_data.h"
#include "support/fuse_mounts.h"
#include "support/programs.h"
#include "support/scripted_session.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using console::key::kEsc;
using console::key::kF10;
using support::Keys;
using support::Line;
using support::Shown;
using support::T;

class OrderSaveTest : public OrderScreenTest {
 protected:
  // Logs in, opens the screen's tables and gives order SO-F of J0001 with 4 pieces of SC0002 from GDG01,
  // its lines checked as the screen checks them.
  SalesOrder FourPiecesOrder() {
    site.LogIn(rig.session);
    EXPECT_TRUE(OPENDATA(rig.session));
    SalesOrder order;
    order.header.order = xbase::PadR("SO-F", 15);
    order.header.customer = xbase::PadR("J0001", 10);
    order.header.note_date = kToday;
    ADD_REC(&order.lines, 0, 0, "GDG01");
    xbase::Value code = xbase::Value::Text(xbase::PadR("SC0002", 10));
    EXPECT_TRUE(CHKIJUAL(rig.session, &code, kCode, &order, 1));
    order.lines[0][kCode - 1] = code;
    xbase::Value pieces = xbase::Value::Num(4);
    EXPECT_TRUE(CHKIJUAL(rig.session, &pieces, kPieces, &order, 1));
    order.lines[0][kPieces - 1] = pieces;
    return order;
  }
};

// F10 and the note numbers, then a key for the message that refuses them.
// F10, the note numbers, and the key that takes the refusal's message away.
std::vector<int> RefusedSave(const std::vector<std::string>& notes, int dismiss = ' ') {
  std::vector<int> keys = {kF10};
  for (const std::string& note : notes) keys = Keys({keys, Line(note)});
  return Keys({keys, {dismiss}});
}

TEST_F(OrderSaveTest, NoteNumbersAreCheckedBeforeAnythingIsWritten) {
  const uint32_t demo_receivables = site.Count("PIUTDBT");  // the demo company's unpaid invoices
  site.Add("SRTJLN1", {{{"INVOICE", T("SJ-OLD")}}});
  site.Add("PIUTDBT", {{{"NOTA", T("SJ-P")}, {"DEBET", support::N(5)}}});
  std::vector<int> keys = HeaderKeys("SO-R", "J0001", "01", "S002");
  for (size_t i = 0; i < 19; ++i) keys = Keys({keys, LineKeys({site::DemoGoodsList()[i].kode, 0, 0, 1})});
  keys = Keys({keys, RefusedSave({"", "SJ-B"}), RefusedSave({"SJ-A", "SJ-A"}), RefusedSave({"SJ-OLD", "SJ-B"}),
               // F10 on the last refusal asks for the numbers again at once.
               RefusedSave({"SJ-P", "SJ-B"}, kF10), Line("SJ-A"), Line("SJ-B"), {'T'}, {kEsc, 'Y'}});
  Run(keys);

  EXPECT_TRUE(Shown(rig.term, "nomor sj ke 1 belum diisi"));
  EXPECT_TRUE(Shown(rig.term, "nomor sj SJ-A telah diisikan pada urutan ke 1"));
  EXPECT_TRUE(Shown(rig.term, "nomor sj SJ-OLD sudah digunakan"));
  EXPECT_TRUE(Shown(rig.term, "nomor sj SJ-P sudah ada di piutang"));
  EXPECT_TRUE(Shown(rig.term, "Yakin data akan disimpan ?"));
  EXPECT_TRUE(Shown(rig.term, "Yakin akan diCancel (Y/T)"));
  EXPECT_EQ(site.Count("SLSODR1"), 0u);
  EXPECT_EQ(site.Count("SLSODR2"), 0u);
  EXPECT_EQ(site.Count("SRTJLN1"), 1u);
  EXPECT_EQ(site.Count("PIUTDBT"), demo_receivables + 1);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000);
  EXPECT_EQ(site.BalanceMoved("J0001"), 0);
}

TEST_F(OrderSaveTest, NumbersTakenWhileTheClerkConfirmsRefuseTheSave) {
  const uint32_t demo_receivables = site.Count("PIUTDBT");
  // Another workstation writes the note number, then the order number, while the confirmation waits.
  int confirmations = 0;
  rig.con.set_idle([&](console::Console& con) {
    bool asked = false;
    for (int row = 0; row < console::kRows && !asked; ++row) {
      asked = con.Text(row, 0, console::kCols).find("Yakin data akan disimpan ?") != std::string::npos;
    }
    if (!asked) return;
    if (++confirmations == 1) site.Add("SRTJLN1", {{{"INVOICE", T("SJ-7")}}});
    if (confirmations == 2) site.Add("SLSODR1", {{{"NOMOR", T("SO-7")}}});
  });
  Run(Keys({HeaderKeys("SO-7", "J0002", "01", "S001"), LineKeys({"WR0001", 1, 0, 0}), {kF10}, Line("SJ-7"),
            {console::key::kEnter, ' '}, {kF10}, Line("SJ-8"), {console::key::kEnter, ' '}, {kEsc, 'Y'}}));

  EXPECT_TRUE(Shown(rig.term, "salah satu no sj sudah terdaftar"));
  EXPECT_TRUE(Shown(rig.term, "Nomor Sales Order SO-7 sudah terdaftar"));
  EXPECT_EQ(site.Count("SLSODR1"), 1u);  // the other workstation's
  EXPECT_EQ(site.Count("SLSODR2"), 0u);
  EXPECT_EQ(site.Count("SRTJLN1"), 1u);
  EXPECT_EQ(site.Count("SRTJLN2"), 0u);
  EXPECT_EQ(site.Count("PIUTDBT"), demo_receivables);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 WR0001", "JUMLAH"), 2880);
}

TEST_F(OrderSaveTest, EscAtALockWaitWritesNothingAndTheSameSaveLaterWritesAll) {
  const uint32_t demo_receivables = site.Count("PIUTDBT");
  const SalesOrder order = FourPiecesOrder();
  // Another workstation holds the customer's record; the clerk gives up waiting for it with Esc.
  xbase::Session other(xbase::SearchPath({site.data()}));
  xbase::WorkArea* customers = nullptr;
  ASSERT_TRUE(schema::UseWithIndexes(other, "MASTCUS", "", xbase::OpenMode::kShared, &customers).ok());
  ASSERT_TRUE(customers->Seek("J0001").ok());
  ASSERT_TRUE(customers->Lock().ok());
  rig.term.AddKeys({kEsc, ' ', ' '});

  EXPECT_FALSE(WriteSalesOrder(rig.session, order, {xbase::PadR("SJ-F", 20)}));
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 1 file MASTCUS.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(Shown(rig.term, "MASTCUS.dbf: record 1 is locked by another user"));
  EXPECT_TRUE(Shown(rig.term, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(site.Count("SLSODR1"), 0u);
  EXPECT_EQ(site.Count("SLSODR2"), 0u);
  EXPECT_EQ(site.Count("SRTJLN1"), 0u);
  EXPECT_EQ(site.Count("SRTJLN2"), 0u);
  EXPECT_EQ(site.Count("PIUTDBT"), demo_receivables);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 3000);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0002", "JUMLAH"), 3400);
  // Nothing of the save is left locked: the other workstation writes the tables it would have written.
  site.Put("MASTBRJ", "MASTBRJ1", "SC0002", "NAMA2", T("DIPERIKSA"));
  site.Put("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH", support::N(3000));

  // Once the record is free the same save writes everything, the balance with the receivable.
  ASSERT_TRUE(customers->Unlock().ok());
  EXPECT_TRUE(WriteSalesOrder(rig.session, order, {xbase::PadR("SJ-F", 20)}));
  EXPECT_EQ(site.Count("SLSODR1"), 1u);
  EXPECT_EQ(site.Count("SRTJLN2"), 1u);
  EXPECT_EQ(site.Count("PIUTDBT"), demo_receivables + 1);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 2996);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0002", "JUMLAH"), 3396);
  const double debit = site.Number("PIUTDBT", "PIUTDBT1", "SJ-F", "DEBET");
  EXPECT_GT(debit, 0);
  EXPECT_EQ(site.BalanceMoved("J0001"), debit);
  // The order and note tables are free again.
  site.Put("SLSODR1", "SLSODR11", "SO-F", "KTR1", T("DIPERIKSA"));
  site.Put("SRTJLN1", "SRTJLN11", "SJ-F", "KTR1", T("DIPERIKSA"));
  site.Put("MASTCUS", "MASTCUS1", "J0001", "KOTA", T("DIPERIKSA"));
}

// The notes' due date may come from SETUP ("TGJT" / "HARI" + type + group): SETUP out of reach stops
// the save before anything is written, never a save on the customer's term.
TEST_F(OrderSaveTest, ADueDateRuleThatCannotBeReadWritesNothing) {
  const uint32_t demo_receivables = site.Count("PIUTDBT");
  const SalesOrder order = FourPiecesOrder();
  ASSERT_TRUE(rig.session.tables().Close("SETUP").ok());
  rig.term.AddKeys({' '});

  EXPECT_FALSE(WriteSalesOrder(rig.session, order, {xbase::PadR("SJ-F", 20)}));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: setup"));
  EXPECT_EQ(site.Count("SLSODR1"), 0u);
  EXPECT_EQ(site.Count("SLSODR2"), 0u);
  EXPECT_EQ(site.Count("SRTJLN1"), 0u);
  EXPECT_EQ(site.Count("SRTJLN2"), 0u);
  EXPECT_EQ(site.Count("PIUTDBT"), demo_receivables);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 3000);
  EXPECT_EQ(site.BalanceMoved("J0001"), 0);
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(site.data());
}

// The two take the goods in opposite orders: the save's locks go in one order all the same, so
// neither waits on the other for ever.
TEST(OrderSaveConcurrencyTest, TwoWorkstationsSavingTheSameGoodsLoseNoStockMovement) {
  SalesSite site;
  constexpr int kOrders = 25;
  std::thread a([&] { SaveOrders(site, 'A', kOrders, 7, false); });
  std::thread b([&] { SaveOrders(site, 'B', kOrders, 11, true); });
  a.join();
  b.join();

  EXPECT_EQ(site.Count("SLSODR1"), 2u * kOrders);
  EXPECT_EQ(site.Count("SRTJLN2"), 4u * kOrders);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 3000 - kOrders * (7 + 11));
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0002", "JUMLAH"), 3400 - kOrders * (7 + 11));
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0001", "JUMLAH"), 4000 - 2 * kOrders);
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0001", "JUMLAH"), 4600 - 2 * kOrders);
  // The customer's own 2 % on every line.
  EXPECT_DOUBLE_EQ(site.BalanceMoved("J0002"), kOrders * ((7 + 11) * 5000 + 2 * 3500) * 0.98);
  site.ExpectSoundIndexes();
  support::ExpectVerified(site.data());
}

// The same with the demo folder made on a file server that two workstations reach through mounts that
// cache nothing: every order, stock movement and balance is there, and the folder checks sound.
TEST(OrderSaveConcurrencyTest, TwoWorkstationsOnAFileServerLoseNothing) {
  support::FuseMounts mounts;
  ASSERT_FUSE_MOUNTED(mounts);
  SalesSite site(mounts.first() + "/data");
  constexpr int kOrders = 6;
  std::thread a([&] { SaveOrders(site, 'A', kOrders, 7, false, mounts.first() + "/data"); });
  std::thread b([&] { SaveOrders(site, 'B', kOrders, 11, true, mounts.second() + "/data"); });
  a.join();
  b.join();

  EXPECT_EQ(site.Count("SLSODR1"), 2u * kOrders);
  EXPECT_EQ(site.Count("SRTJLN2"), 4u * kOrders);
  EXPECT_EQ(site.Number("STOKBRG", "STOKBRG2", "GDG01 SC0002", "JUMLAH"), 3000 - kOrders * (7 + 11));
  EXPECT_EQ(site.Number("MASTBRJ", "MASTBRJ1", "SC0002", "JUMLAH"), 3400 - kOrders * (7 + 11));
  EXPECT_DOUBLE_EQ(site.BalanceMoved("J0002"), kOrders * ((7 + 11) * 5000 + 2 * 3500) * 0.98);
  int status = 0;
  const std::string check = support::RunProgram("dbtool", {"check", mounts.second() + "/data"}, &status);
  EXPECT_EQ(status, 0) << check;
  support::ExpectVerified(site.data());
}

}  // namespace
}  // namespace sales
