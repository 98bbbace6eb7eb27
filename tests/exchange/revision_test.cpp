// Delivery-note revisions sent to the revision tables and taken in at the other site with their
// receivables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/keys.h"
#include "exchange/exchange.h"
#include "exchange/exchange_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/search_path.h"
#include "xbase/session.h"

namespace exchange {
namespace {

namespace key = console::key;
using exchange::testing::AddSetRows;
using exchange::testing::LiveRows;
using exchange::testing::SetRows;
using support::AddRows;
using support::Keys;
using support::Line;
using support::N;
using support::Open;
using support::T;
using xbase::Value;

const Value kDay = Value::FromDate(xbase::Date::FromYmd(2026, 12, 2));

class RevisionTest : public ::testing::Test {
 protected:
  RevisionTest() {
    EXPECT_TRUE(CreateRevisionTables(transfer.path()).ok());
    rig.session.SetSearchPath(folder.path());
    AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("TMPFILEEXP")}, {"KET", T(transfer.path())}}});
    AddRows(Open(rig.session, "MASTCUS"),
            {{{"RELASI", T("C1")}, {"NAMA", T("TB SINAR")}, {"KOTA", T("BOGOR")}, {"SALDO", N(5000)}},
             {{"RELASI", T("C2")}, {"SALDO", N(0)}}});
    AddRows(Open(rig.session, "SRTJLN1"), {{{"INVOICE", T("SJ1")}, {"TANGGAL", kDay}, {"RELASI", T("C1")}},
                                           {{"INVOICE", T("SJ3")}, {"TANGGAL", kDay}, {"RELASI", T("C1")}}});
    AddRows(Open(rig.session, "SRTJLN2"), {{{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"QUANTITY", N(9)}},
                                           {{"INVOICE", T("SJ1")}, {"KODE", T("B2")}, {"QUANTITY", N(4)}},
                                           {{"INVOICE", T("SJ3")}, {"KODE", T("A1")}, {"QUANTITY", N(3)}}});
    AddRows(Open(rig.session, "PIUTDBT"), {{{"NOTA", T("SJ1")}, {"RELASI", T("C1")}, {"DEBET", N(1000)}},
                                           {{"NOTA", T("SJ3")}, {"RELASI", T("C1")}, {"DEBET", N(300)}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  void Run(xbase::Status (*entry)(frame::Session&, const std::vector<Value>&), const std::vector<int>& keys) {
    rig.term.AddKeys(keys);
    ASSERT_TRUE(entry(rig.session, {}).ok());
    EXPECT_EQ(rig.term.keys_left(), 0u);
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }

  support::TempDataFolder folder{{"SETUP", "MASTBRJ", "MASTCUS", "SRTJLN1", "SRTJLN2", "SRTJLN3", "PIUTDBT"}};
  support::TempFolder transfer;
  support::SessionRig rig;
};

TEST_F(RevisionTest, NoteIsSentOncePerFilling) {
  Run(KREVISI, Keys({{key::kEnter},
                     Line("SJ9"),
                     {key::kEnter, key::kHome, 25},
                     Line("SJ1"),
                     {key::kEnter},
                     {'y'},
                     Line("SJ1"),
                     {key::kEnter},
                     {key::kEnter},
                     {key::kEsc}}));
  EXPECT_TRUE(support::Shown(rig.term, "Surat Jalan tidak terdaftar"));
  EXPECT_TRUE(support::Shown(rig.term, "hasil revisian sudah diinput"));
  ASSERT_EQ(SetRows(transfer.path(), "dtsj1").size(), 1u);
  // The printed flag as entered, over the note's own.
  EXPECT_EQ(SetRows(transfer.path(), "dtsj1").front(), "SJ1|20261202|||C1|||||0|||||0.00|0.00||F|T|F|F||");
  EXPECT_EQ(SetRows(transfer.path(), "dtsj2").size(), 2u);
  // Emptied, the note can go again.
  Run(HREVISI, Keys({{key::kEnter}, {'Y'}}));
  EXPECT_TRUE(SetRows(transfer.path(), "dtsj1").empty());
  EXPECT_TRUE(SetRows(transfer.path(), "dtsj2").empty());
}

TEST_F(RevisionTest, EscWhileTheLinesFileIsAppendedToSendsNoPartOfTheNote) {
  // Another workstation appending to the revision lines.
  xbase::Session elsewhere(xbase::SearchPath({transfer.path()}));
  xbase::WorkArea* lines = nullptr;
  ASSERT_TRUE(elsewhere.Use("dtsj2", "", xbase::OpenMode::kShared, &lines).ok());
  ASSERT_TRUE(lines->table().LockAppend(xbase::LockWait::kTry).ok());
  const std::vector<int> send = Keys({{key::kEnter}, Line("SJ1"), {key::kEnter}, {'y'}});
  Run(KREVISI, Keys({send, {key::kEsc, ' ', ' '}, {key::kEsc}}));
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba menambah record file dtsj2.Dbf"));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_TRUE(SetRows(transfer.path(), "dtsj1").empty());
  EXPECT_TRUE(SetRows(transfer.path(), "dtsj2").empty());

  ASSERT_TRUE(elsewhere.CloseAll().ok());
  Run(KREVISI, Keys({send, {key::kEsc}}));
  EXPECT_EQ(SetRows(transfer.path(), "dtsj1").size(), 1u);
  EXPECT_EQ(SetRows(transfer.path(), "dtsj2").size(), 2u);
}

TEST_F(RevisionTest, RevisionsReplaceNotesLinesAndReceivables) {
  AddSetRows(transfer.path(), "dtsj1",
             {{{"INVOICE", T("SJ1")}, {"TANGGA", kDay}, {"RELASI", T("C1")}, {"DISCOUNT", N(5)}, {"KTR1", T("REVISI")}},
              {{"INVOICE", T("SJ2")}, {"TANGGA", kDay}, {"RELASI", T("C2")}},
              {{"INVOICE", T("SJ3")}, {"TANGGA", kDay}, {"RELASI", T("C1")}}});
  AddSetRows(transfer.path(), "dtsj2",
             {{{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"QUANTITY", N(5)}, {"HARGA", N(100)}, {"DISCOUNT", N(10)}},
              {{"INVOICE", T("SJ2")}, {"KODE", T("B2")}, {"QUANTITY", N(2)}, {"HARGA", N(200)}}});
  Run(IREVISI, Keys({{key::kHome, 25}, Line(transfer.path()), {'y'}, {'y'}, {'y'}}));
  EXPECT_TRUE(support::Shown(rig.term, "                Jumlah dikurangi C.Disc :   5.00+  0.00 ="));
  EXPECT_TRUE(support::Shown(rig.term, "427.50"));
  EXPECT_EQ(LiveRows(rig.session, "SRTJLN1", {"INVOICE", "RELASI", "KTR1"}),
            (std::vector<std::string>{"SJ1|C1|REVISI", "-SJ3|C1|", "SJ2|C2|"}));
  EXPECT_EQ(LiveRows(rig.session, "SRTJLN2", {"INVOICE", "KODE", "QUANTITY"}),
            (std::vector<std::string>{"SJ1|A1|5", "-SJ1|B2|4", "-SJ3|A1|3", "SJ2|B2|2"}));
  EXPECT_EQ(LiveRows(rig.session, "PIUTDBT", {"NOTA", "RELASI", "DEBET"}),
            (std::vector<std::string>{"SJ1|C1|427.50", "SJ3|C1|0.00", "SJ2|C2|400.00"}));
  // Each customer's balance moves from the old amounts to the revised ones: 5000 - 1000 + 427.50 - 300.
  EXPECT_EQ(LiveRows(rig.session, "MASTCUS", {"RELASI", "SALDO"}),
            (std::vector<std::string>{"C1|4127.50", "C2|400.00"}));
}

TEST_F(RevisionTest, EscAtACustomersLockLeavesThatNoteAndTakesInTheNext) {
  AddSetRows(transfer.path(), "dtsj1",
             {{{"INVOICE", T("SJ1")}, {"TANGGA", kDay}, {"RELASI", T("C1")}, {"DISCOUNT", N(5)}, {"KTR1", T("REVISI")}},
              {{"INVOICE", T("SJ2")}, {"TANGGA", kDay}, {"RELASI", T("C2")}}});
  AddSetRows(transfer.path(), "dtsj2",
             {{{"INVOICE", T("SJ1")}, {"KODE", T("A1")}, {"QUANTITY", N(5)}, {"HARGA", N(100)}, {"DISCOUNT", N(10)}},
              {{"INVOICE", T("SJ2")}, {"KODE", T("B2")}, {"QUANTITY", N(2)}, {"HARGA", N(200)}}});
  // C1's balance as its receivables make it, and the stock the notes' lines leave after the revisions
  // (taking in a revision moves no stock).
  support::CompleteSmallFolder(folder.path());
  AddRows(Open(rig.session, "STOKBRG"), {{{"KODE", T("A1")}, {"JUMLAH", N(-8)}}, {{"KODE", T("B2")}, {"JUMLAH", N(-2)}}});
  AddRows(Open(rig.session, "MASTBRJ"), {{{"KODE", T("A1")}, {"JUMLAH", N(-8)}}, {{"KODE", T("B2")}, {"JUMLAH", N(-2)}}});
  xbase::WorkArea& customers = Open(rig.session, "MASTCUS");
  ASSERT_TRUE(customers.GoTo(1).ok() && customers.Lock().ok() && customers.Put("SALDO", N(1300)).ok() &&
              customers.Unlock().ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::OtherWorkstation other(folder.path());
  other.Hold("MASTCUS", 1);
  Run(IREVISI, Keys({{key::kHome, 25}, Line(transfer.path()), {'y'}, {key::kEsc, ' ', ' '}, {'y'}}));
  EXPECT_TRUE(support::Shown(rig.term, "Mencoba mengunci record 1 file MASTCUS.Dbf, tekan [Esc]=batal...."));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(LiveRows(rig.session, "SRTJLN1", {"INVOICE", "RELASI", "KTR1"}),
            (std::vector<std::string>{"SJ1|C1|", "SJ3|C1|", "SJ2|C2|"}));
  EXPECT_EQ(LiveRows(rig.session, "SRTJLN2", {"INVOICE", "KODE", "QUANTITY"}),
            (std::vector<std::string>{"SJ1|A1|9", "SJ1|B2|4", "SJ3|A1|3", "SJ2|B2|2"}));
  EXPECT_EQ(LiveRows(rig.session, "PIUTDBT", {"NOTA", "RELASI", "DEBET"}),
            (std::vector<std::string>{"SJ1|C1|1000.00", "SJ3|C1|300.00", "SJ2|C2|400.00"}));
  EXPECT_EQ(LiveRows(rig.session, "MASTCUS", {"RELASI", "SALDO"}), (std::vector<std::string>{"C1|1300.00", "C2|400.00"}));

  other.Release();
  Run(IREVISI, Keys({{key::kHome, 25}, Line(transfer.path()), {'y'}, {'n'}}));
  EXPECT_EQ(LiveRows(rig.session, "PIUTDBT", {"NOTA", "RELASI", "DEBET"}),
            (std::vector<std::string>{"SJ1|C1|427.50", "SJ3|C1|300.00", "SJ2|C2|400.00"}));
  EXPECT_EQ(LiveRows(rig.session, "MASTCUS", {"RELASI", "SALDO"}), (std::vector<std::string>{"C1|727.50", "C2|400.00"}));
  support::ExpectVerified(folder.path());
}

// A note another workstation deletes while the clerk confirms is not sent: no blank header and none
// of its lines reach the revision tables.
TEST_F(RevisionTest, ANoteDeletedWhileTheClerkConfirmsIsNotSent) {
  const auto delete_note = [this] {
    support::OtherWorkstation other(folder.path());
    EXPECT_TRUE(other.Hold("SRTJLN1", 1).Delete().ok());
    other.Release();
  };
  console::ManualClock clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600});
  // The damage comes after the folder, the number and the print flag, before the answer.
  support::DamagingTerminal term(Keys({{key::kEnter}, Line("SJ1"), {key::kEnter}, {'y'}, {' '}, {key::kEsc}}), &clock,
                                 delete_note, 6);
  console::Console con(term, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, "WS-TEST");
  session.SetSearchPath(folder.path());
  ASSERT_TRUE(KREVISI(session, {}).ok());
  EXPECT_TRUE(support::ShownOnRow(term, 24, "Surat Jalan tidak terdaftar"));
  EXPECT_EQ(term.keys_left(), 0u);
  EXPECT_TRUE(SetRows(transfer.path(), "dtsj1").empty());
  EXPECT_TRUE(SetRows(transfer.path(), "dtsj2").empty());
}

}  // namespace
}  // namespace exchange
