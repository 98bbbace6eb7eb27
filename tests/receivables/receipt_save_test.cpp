// Saving payment receipts: the settled totals follow the live lines through every kind of change,
// stored rows are reused, numbering skips taken numbers, and lines that would settle nothing are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "console/clock.h"
#include "console/keys.h"
#include "console/terminal.h"
#include "receivables/receipt.h"
#include "receivables/receivables_test_helpers.h"
#include "support/fuse_mounts.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

class ReceiptSaveTest : public ::testing::Test {
 protected:
  ReceiptSaveTest() {
    rig.session.SetSearchPath(folder.path());
    rig.session.MMEMBER.nik = "KASIR01";
    tables = OpenReceiptTables(rig.session);
    EXPECT_TRUE(tables);
    AddSettlementCodes(rig.session);
    AddSetting(rig.session, "NOTT" + kBranch, "0000000000");
    for (const char* nota : {"INV1", "INV2", "INV3"}) AddInvoice(rig.session, nota, "J0001", 1000, kDay);
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 5000, kDay);
    AddInstrument(rig.session, "T1", "TRSO", "J0001", 5000, kDay);
  }

  // Saves the receipt without its question; the test fails when nothing was written.
  void Save(Receipt* receipt) {
    bool saved = false;
    ASSERT_TRUE(SaveReceipt(rig.session, tables, receipt, &saved).ok());
    ASSERT_TRUE(saved);
  }

  // Every invoice's and instrument's settled total equals the sum of the live lines naming it.
  void ExpectTotalsFollowTheLines() {
    for (const char* nota : {"INV1", "INV2", "INV3"}) {
      EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, nota), LinesNaming(rig.session, "NOTA", nota)) << nota;
    }
    for (const char* nomor : {"G1", "T1"}) {
      EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, nomor), LinesNaming(rig.session, "NO_BUKTI", nomor)) << nomor;
    }
  }

  support::TempDataFolder folder = ReceivablesFolder();
  SessionRig rig;
  frame::OpenedTables tables;  // as the receipt screens open them
};

TEST_F(ReceiptSaveTest, EveryLineIsCheckedAgainOnSave) {
  // A DB line still carrying the giro number of the line above: it settles no instrument.
  Receipt receipt = MakeReceipt({Line(1, "INV1", "BL", "G1", 100), Line(2, "INV1", "DB", "G1", 20), BlankLine(3)}, kDay);
  Save(&receipt);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 100);
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 120);
  EXPECT_EQ(LineText(receipt.lines[1], kInstrument), std::string(20, ' '));
  ExpectTotalsFollowTheLines();
  // A line left with an instrument its code refuses (a transfer on a giro code) stops the save.
  receipt.lines[1] = Line(2, "INV2", "BL", "T1", 50);
  bool saved = true;
  ASSERT_TRUE(SaveReceipt(rig.session, tables, &receipt, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "bukan untuk BS / BL"));
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "T1"), 0);
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV2"), 0);
  ExpectTotalsFollowTheLines();
}

TEST_F(ReceiptSaveTest, TotalsFollowTheLinesThroughAddChangeShortenLengthenAndEmpty) {
  Receipt receipt = MakeReceipt({Line(1, "INV1", "BL", "G1", 100), Line(2, "INV2", "BT", "T1", 200),
                                 Line(3, "INV1", "DB", "", 15), Line(4, "INV3", "BL", "G1", 300),
                                 Line(5, "INV2", "FS", "", 5), BlankLine(6)},
                                kDay);
  Save(&receipt);
  EXPECT_EQ(receipt.number, "0000000001");
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 115);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 400);
  ExpectTotalsFollowTheLines();

  // Change an amount, an invoice and an instrument in place.
  receipt.lines[0][kAmount] = xbase::Value::Num(150, 16, 2);
  receipt.lines[1] = Line(2, "INV3", "BL", "G1", 250);
  Save(&receipt);
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV2"), 5);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "T1"), 0);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 700);
  ExpectTotalsFollowTheLines();

  // Shorten to three lines: rows four and five are reversed and deleted.
  receipt.lines.resize(3);
  Save(&receipt);
  xbase::WorkArea& rows = Open(rig.session, "PIUTKR2");
  EXPECT_EQ(rows.table().record_count(), 5u);
  ASSERT_TRUE(rows.GoTo(4).ok());
  EXPECT_TRUE(rows.deleted());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV3"), 250);
  ExpectTotalsFollowTheLines();

  // Lengthen again: the deleted rows are recalled, nothing is appended before they are used.
  receipt.lines.push_back(Line(4, "INV2", "DB", "", 40));
  receipt.lines.push_back(Line(5, "INV3", "BT", "T1", 60));
  receipt.lines.push_back(Line(6, "INV1", "DC", "", 7));
  Save(&receipt);
  EXPECT_EQ(rows.table().record_count(), 6u);
  ASSERT_TRUE(rows.GoTo(4).ok());
  EXPECT_FALSE(rows.deleted());
  EXPECT_EQ(StoredText(rows, 4, "NOTA"), "INV2");
  ASSERT_TRUE(rows.GoTo(6).ok());
  EXPECT_EQ(rows.Text("URUT"), "  6");
  ExpectTotalsFollowTheLines();

  // A line without an amount frees its row; blanking every amount deletes the header too.
  receipt.lines[1][kAmount] = xbase::Value::Num(0, 16, 2);
  Save(&receipt);
  ExpectTotalsFollowTheLines();
  for (auto& line : receipt.lines) line[kAmount] = xbase::Value::Num(0, 16, 2);
  Save(&receipt);
  for (const char* nota : {"INV1", "INV2", "INV3"}) EXPECT_EQ(InvoiceKredit(rig.session, nota), 0) << nota;
  EXPECT_EQ(InstrumentKredit(rig.session, "G1"), 0);
  xbase::WorkArea& headers = Open(rig.session, "PIUTKR1");
  ASSERT_TRUE(headers.GoTo(1).ok());
  EXPECT_TRUE(headers.deleted());
}

// Two clerks correct the same receipt: the one saving after the other's save is refused, and the
// other's lines and the settled totals they moved stay.
TEST_F(ReceiptSaveTest, AReceiptSavedElsewhereSinceItWasLoadedIsNotWrittenOver) {
  Receipt receipt = MakeReceipt({Line(1, "INV1", "BL", "G1", 100), BlankLine(2)}, kDay);
  Save(&receipt);
  Receipt first, second;
  first.branch = second.branch = receipt.branch;
  first.number = second.number = receipt.number;
  ASSERT_TRUE(LCGETTT(rig.session, tables, &first, false));
  ASSERT_TRUE(LCGETTT(rig.session, tables, &second, false));
  first.lines[0][kAmount] = xbase::Value::Num(300, 16, 2);
  Save(&first);

  second.lines[0][kAmount] = xbase::Value::Num(200, 16, 2);
  rig.term.AddKeys({' '});
  bool saved = true;
  ASSERT_TRUE(SaveReceipt(rig.session, tables, &second, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "Tanda terima 0000000001 diubah di komputer lain, panggil ulang datanya"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 300);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 300);
  ExpectTotalsFollowTheLines();
}

TEST_F(ReceiptSaveTest, NewReceiptSkipsATakenNumberAndRaisesTheCounter) {
  xbase::WorkArea& setup = Open(rig.session, "SETUP");
  ASSERT_TRUE(setup.Seek("NOTT" + kBranch).ok() && setup.found());
  ASSERT_TRUE(setup.Lock().ok() && setup.Put("KET", xbase::Value::Text("0000000004")).ok() && setup.Unlock().ok());
  support::AddRows(Open(rig.session, "PIUTKR1"),
                   {{{"KDCB", support::T(kBranch)}, {"NOMOR", support::T("0000000005")}},
                    {{"KDCB", support::T("BDG001")}, {"NOMOR", support::T("0000000006")}}});
  Receipt receipt = MakeReceipt({Line(1, "INV1", "DB", "", 10), BlankLine(2)}, kDay);
  Save(&receipt);
  EXPECT_EQ(receipt.number, "0000000006");  // another branch's 6 does not count
  EXPECT_TRUE(Shown(rig.term, "Tanda terima ini tersimpan dg Nomor 0000000006"));
  ASSERT_TRUE(setup.Seek("NOTT" + kBranch).ok());
  EXPECT_EQ(StoredText(setup, setup.recno(), "KET"), "0000000006");
  xbase::WorkArea& headers = Open(rig.session, "PIUTKR1");
  EXPECT_EQ(StoredText(headers, 3, "NOMOR"), "0000000006");
  EXPECT_EQ(StoredText(headers, 3, "OPERATOR"), "KASIR01");
  EXPECT_EQ(headers.DateOf("TGINPUT"), rig.session.Today());
  EXPECT_EQ(headers.DateOf("TANGGAL"), kDay);
}

TEST_F(ReceiptSaveTest, MissingCounterRowOrAVanishedInvoiceOrInstrumentWritesNothing) {
  AddInvoice(rig.session, "INV5", "J0001", 1000, kDay, "01", "SBY001");
  Receipt other = MakeReceipt({Line(1, "INV5", "DB", "", 10)}, kDay);
  other.branch = "SBY001";
  bool saved = true;
  ASSERT_TRUE(SaveReceipt(rig.session, tables, &other, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "Setup NOTTSBY001 belum dibuat, hub. admin"));

  Receipt gone = MakeReceipt({Line(1, "INV1", "BL", "G1", 10), Line(2, "INV9", "DB", "", 10)}, kDay);
  ASSERT_TRUE(SaveReceipt(rig.session, tables, &gone, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "Nota INV9 tidak ada lagi, TT tidak disimpan"));
  Receipt no_giro = MakeReceipt({Line(1, "INV1", "BL", "G7", 10)}, kDay);
  ASSERT_TRUE(SaveReceipt(rig.session, tables, &no_giro, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "Nomor G7 tidak ada lagi, TT tidak disimpan"));
  // A code without instrument carries no number: text typed there is not stored.
  Receipt free_text = MakeReceipt({Line(1, "INV1", "DB", "MEMO 12", 10)}, kDay);
  ASSERT_TRUE(SaveReceipt(rig.session, tables, &free_text, &saved).ok());
  EXPECT_TRUE(saved);
  EXPECT_EQ(Open(rig.session, "PIUTKR1").table().record_count(), 1u);
  EXPECT_EQ(StoredText(Open(rig.session, "PIUTKR2"), 1, "NO_BUKTI"), "");
  EXPECT_EQ(InvoiceKredit(rig.session, "INV1"), 10);
  EXPECT_EQ(InstrumentKredit(rig.session, "G1"), 0);
}

TEST_F(ReceiptSaveTest, SaveAsksFirstAndCountsTheLinesAgainstTheLimit) {
  rig.session.MAXBARIS = 2;
  Receipt receipt = MakeReceipt({Line(1, "INV1", "DB", "", 1), Line(2, "INV2", "DB", "", 2),
                                 Line(3, "INV3", "DB", "", 3)},
                                kDay);
  bool saved = true;
  ASSERT_TRUE(SIMPANDATA(rig.session, tables, &receipt, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "maximal baris per nomor TT adalah :    2"));
  receipt.lines.pop_back();
  rig.term.AddKeys({'n', 'y'});
  ASSERT_TRUE(SIMPANDATA(rig.session, tables, &receipt, &saved).ok());
  EXPECT_FALSE(saved);
  EXPECT_TRUE(Shown(rig.term, "Yakin data akan disimpan (Y/T)"));
  ASSERT_TRUE(SIMPANDATA(rig.session, tables, &receipt, &saved).ok());
  EXPECT_TRUE(saved);
  EXPECT_EQ(InvoiceKredit(rig.session, "INV2"), 2);
}

// A workstation whose user lets every lock wait run (short polls get no key) and answers every
// message with Enter (a wait for a key polls a second at a time).
class PatientTerminal : public console::Terminal {
 public:
  void Present(const console::CellGrid&, const console::Cursor&) override {}
  int ReadKey(int timeout_ms) override {
    if (timeout_ms >= 1000) return console::key::kEnter;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeout_ms, 2)));
    return console::key::kNone;
  }
  void Tone(int, int) override {}
  bool IsColour() const override { return true; }
};

struct Workstation {
  explicit Workstation(const std::string& folder) {
    session.SetSearchPath(folder);
    tables = OpenReceiptTables(session);
    EXPECT_TRUE(tables);
  }
  console::ManualClock clock{{kDay, 9 * 3600}};
  PatientTerminal term;
  console::Console con{term, clock};
  frame::ProcedureRegistry registry;
  frame::Session session{con, registry, "WS"};
  frame::OpenedTables tables;  // as the receipt screen opens them
};

// Two workstations that reach the data folder `folder` as `first_folder` and `second_folder` save
// `receipts` receipts each on the same invoice and instrument at the same time, each corrected at once:
// every line reaches the totals, every receipt gets its own number, and the folder verifies clean.
void SettleOneInvoiceAtTwoDesks(const std::string& folder, const std::string& first_folder,
                                const std::string& second_folder, int receipts) {
  {
    Workstation seeding(folder);
    AddSettlementCodes(seeding.session);
    AddSetting(seeding.session, "NOTT" + kBranch, "0000000000");
    AddRows(Open(seeding.session, "MASTCUS"), {{{"RELASI", T("J0001")}, {"NAMA", T("TOKO SATU")}}});
    AddInvoice(seeding.session, "INV1", "J0001", 100000, kDay);
    AddInstrument(seeding.session, "G1", "GIRO", "J0001", 100000, kDay);
    ASSERT_TRUE(seeding.session.tables().CloseAll().ok());
  }
  support::SettleSmallFolder(folder);
  Workstation first(first_folder);
  Workstation second(second_folder);
  const auto work = [&](Workstation* desk, double amount, bool* ok) {
    *ok = true;
    for (int i = 0; i < receipts && *ok; ++i) {
      Receipt receipt = MakeReceipt({Line(1, "INV1", "BL", "G1", amount), Line(2, "INV1", "DB", "", 1)}, kDay);
      bool saved = false;
      *ok = SaveReceipt(desk->session, desk->tables, &receipt, &saved).ok() && saved;
      receipt.lines[0][kAmount] = xbase::Value::Num(amount * 2, 16, 2);  // and corrected at once
      *ok = *ok && SaveReceipt(desk->session, desk->tables, &receipt, &saved).ok() && saved;
    }
  };
  bool first_ok = false, second_ok = false;
  std::thread a(work, &first, 10.0, &first_ok);
  std::thread b(work, &second, 3.0, &second_ok);
  a.join();
  b.join();
  ASSERT_TRUE(first_ok && second_ok);
  EXPECT_DOUBLE_EQ(InvoiceKredit(first.session, "INV1"), receipts * (20 + 1 + 6 + 1));
  EXPECT_DOUBLE_EQ(InstrumentKredit(first.session, "G1"), receipts * (20 + 6));
  EXPECT_DOUBLE_EQ(LinesNaming(first.session, "NOTA", "INV1"), receipts * (20 + 1 + 6 + 1));
  xbase::WorkArea& headers = Open(first.session, "PIUTKR1");
  ASSERT_TRUE(headers.table().RefreshCount().ok());
  EXPECT_EQ(headers.table().record_count(), 2u * receipts);
  xbase::WorkArea& setup = Open(first.session, "SETUP");
  ASSERT_TRUE(setup.Seek("NOTT" + kBranch).ok() && setup.found());
  EXPECT_EQ(StoredText(setup, setup.recno(), "KET"), xbase::PadL(std::to_string(2 * receipts), 10, '0'));
  ASSERT_TRUE(first.session.tables().CloseAll().ok());
  ASSERT_TRUE(second.session.tables().CloseAll().ok());
  support::ExpectVerified(folder);
}

TEST(ReceiptConcurrencyTest, TwoSessionsSettlingOneInvoiceAtOnceLoseNothing) {
  support::TempDataFolder folder = ReceivablesFolder();
  SettleOneInvoiceAtTwoDesks(folder.path(), folder.path(), folder.path(), 25);
}

// The same with the folder on a file server that the two workstations reach through mounts that cache
// nothing.
TEST(ReceiptConcurrencyTest, TwoWorkstationsOnAFileServerLoseNothing) {
  support::FuseMounts mounts;
  ASSERT_FUSE_MOUNTED(mounts);
  support::CreateTables(mounts.backing(), ReceivableTables());
  SettleOneInvoiceAtTwoDesks(mounts.backing(), mounts.first(), mounts.second(), 6);
}

}  // namespace
}  // namespace receivables
