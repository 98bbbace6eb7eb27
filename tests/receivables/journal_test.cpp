// The reversing journal: the settled totals its lines move, the counter they raise, the ledger shown
// above them, the screen's keys, and the transfer of journal numbers between two sites.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "receivables/journal.h"
#include "receivables/receipt.h"
#include "receivables/receivables.h"
#include "receivables/receivables_test_helpers.h"
#include "support/damaged_tables.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "support/small_folder_check.h"
#include "support/verified_folder.h"
#include "support/temp_folder.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using namespace receivables::testing;

// A journal line as typed: number, date, code, instrument, debit, credit, note.
console::ValueRow JournalLine(size_t n, const std::string& number, const std::string& instrument, double debet,
                              double kredit, const std::string& notes = "") {
  console::ValueRow line = BlankJournalLine(n, number);
  line[kJournalDate] = Value::FromDate(kDay);
  line[kJournalCode] = Value::Text("JB");
  line[kJournalInstrument] = Value::Text(xbase::PadR(instrument, 20));
  line[kJournalDebet] = Value::Num(debet, 16, 2);
  line[kJournalKredit] = Value::Num(kredit, 16, 2);
  line[kJournalNotes] = Value::Text(xbase::PadR(notes, 30));
  return line;
}

// The rows of PIUTJBL as "NOMOR:NOTA:DEBET-KREDIT", deleted ones marked with "-".
std::vector<std::string> JournalRows(frame::Session& session) {
  xbase::WorkArea& area = Open(session, "PIUTJBL");
  std::vector<std::string> rows;
  for (uint32_t r = 1; r <= area.table().record_count(); ++r) {
    const std::string nomor = StoredText(area, r, "NOMOR");
    rows.push_back((area.deleted() ? "-" : "") + std::string(xbase::AllTrim(nomor)) + ":" +
                   std::string(xbase::AllTrim(area.Text("NOTA"))) + ":" +
                   std::to_string(static_cast<int>(area.Number("DEBET"))) + "-" +
                   std::to_string(static_cast<int>(area.Number("KREDIT"))));
  }
  return rows;
}

std::string Counter(frame::Session& session) {
  xbase::WorkArea& setup = Open(session, "SETUP");
  EXPECT_TRUE(setup.SetOrder(1).ok() && setup.Seek("NTDB" + kBranch).ok() && setup.found());
  return std::string(xbase::AllTrim(setup.Text("KET")));
}

class JournalTest : public ::testing::Test {
 protected:
  JournalTest() {
    rig.session.SetSearchPath(folder.path());
    tables = OpenReceiptTables(rig.session);
    EXPECT_TRUE(tables);
    AddSetting(rig.session, "NTDB" + kBranch, "0000000041");
    AddInvoice(rig.session, "INV1", "J0001", 1000, kDay);
    AddInstrument(rig.session, "G1", "GIRO", "J0001", 5000, kDay);
  }

  Journal Load(const std::string& nota) {
    Journal journal;
    journal.nota = nota;
    bool found = false;
    EXPECT_TRUE(LoadJournal(tables, &journal, &found).ok());
    EXPECT_TRUE(found) << nota;
    return journal;
  }

  support::TempDataFolder folder = ReceivablesFolder();
  SessionRig rig;
  frame::OpenedTables tables;  // as the receipt screens open them
};

TEST_F(JournalTest, LinesMoveTheSettledTotalsByDebitMinusCreditAndRaiseTheCounter) {
  Journal journal = Load("INV1");
  ASSERT_EQ(journal.lines.size(), 1u);
  EXPECT_EQ(journal.lines[0][kJournalNumber].text(), "0000000042");
  // Only the proposed blank line: nothing written, no number drawn.
  ASSERT_TRUE(SaveJournal(rig.session, tables, journal).ok());
  EXPECT_TRUE(JournalRows(rig.session).empty());
  EXPECT_EQ(Counter(rig.session), "0000000041");

  journal.lines[0] = JournalLine(1, "0000000042", "G1", 100, 0, "GIRO TOLAK");
  ASSERT_TRUE(SaveJournal(rig.session, tables, journal).ok());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 100);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 100);
  EXPECT_EQ(Counter(rig.session), "0000000042");

  // Loaded again: the stored line, then a blank one with the next number.
  journal = Load("INV1");
  ASSERT_EQ(journal.lines.size(), 2u);
  EXPECT_EQ(journal.lines[0][kJournalNotes].text(), xbase::PadR("GIRO TOLAK", 30));
  EXPECT_EQ(journal.lines[1][kJournalNumber].text(), "0000000043");

  // Debit 100 changed to credit 100 moves the totals by -200 in all.
  journal.lines[0] = JournalLine(1, "0000000042", "G1", 0, 100);
  ASSERT_TRUE(SaveJournal(rig.session, tables, journal).ok());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), -100);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), -100);

  // Emptied: the row is taken back and deleted; written again, the deleted row is recalled.
  journal.lines = {BlankJournalLine(1, "0000000043")};
  ASSERT_TRUE(SaveJournal(rig.session, tables, journal).ok());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 0);
  EXPECT_EQ(JournalRows(rig.session), (std::vector<std::string>{"-0000000042:INV1:0-100"}));
  journal.lines = {JournalLine(1, "0000000050", "", 30, 0), JournalLine(2, "0000000050", "", 0, 5)};
  ASSERT_TRUE(SaveJournal(rig.session, tables, journal).ok());
  EXPECT_EQ(JournalRows(rig.session),
            (std::vector<std::string>{"0000000050:INV1:30-0", "0000000050:INV1:0-5"}));
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 25);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 0);
  EXPECT_EQ(Counter(rig.session), "0000000050");
}

// The number proposed for a new line is saved with it and raises the counter: a counter row that
// cannot be read is the error, never a line proposed as number 1.
TEST_F(JournalTest, ACounterThatCannotBeReadProposesNoNumber) {
  support::DamageOpenIndexPages(folder.path(), "SETUP");
  Journal journal;
  journal.nota = "INV1";
  bool found = false;
  const xbase::Status s = LoadJournal(tables, &journal, &found);
  EXPECT_TRUE(s.IsCorruption()) << s.ToString();
  EXPECT_NE(s.message().find("SETUP"), std::string::npos) << s.message();
  EXPECT_TRUE(journal.lines.empty());
}

TEST_F(JournalTest, EscAtTheInvoicesLockWritesNoJournalLine) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::SettleSmallFolder(folder.path());
  tables = OpenReceiptTables(rig.session);
  ASSERT_TRUE(tables);
  Journal journal = Load("INV1");
  journal.lines[0] = JournalLine(1, "0000000042", "G1", 100, 0, "GIRO TOLAK");
  support::OtherWorkstation other(folder.path());
  other.HoldKey("PIUTDBT", xbase::PadR("INV1", 20));
  rig.term.AddKeys({key::kEsc, ' ', ' '});
  EXPECT_FALSE(SaveJournal(rig.session, tables, journal).ok());
  EXPECT_TRUE(Shown(rig.term, "Mencoba mengunci record 1 file "));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(JournalRows(rig.session).empty());
  EXPECT_EQ(Counter(rig.session), "0000000041");
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 0);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 0);

  other.Release();
  ASSERT_TRUE(SaveJournal(rig.session, tables, journal).ok());
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 100);
  EXPECT_DOUBLE_EQ(InstrumentKredit(rig.session, "G1"), 100);
  EXPECT_EQ(Counter(rig.session), "0000000042");
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::ExpectVerified(folder.path());
}

TEST_F(JournalTest, TheLedgerShowsTheInvoiceAndItsReceiptLinesWithTheirSums) {
  AddRows(Open(rig.session, "PIUTKR1"), {{{"KDCB", T(kBranch)}, {"NOMOR", T("0000000007")},
                                          {"TANGGAL", Value::FromDate(xbase::Date::FromYmd(2026, 12, 7))}}});
  AddRows(Open(rig.session, "PIUTKR2"), {{{"KDCB", T(kBranch)},
                                          {"NOMOR", T("0000000007")},
                                          {"NOTA", T("INV1")},
                                          {"KD_TT", T("BL")},
                                          {"NO_BUKTI", T("G1")},
                                          {"KREDIT", N(400)}}});
  AddRows(Open(rig.session, "PIUTJBL"), {{{"NOTA", T("INV1")}, {"NOMOR", T("0000000003")},
                                          {"TANGGAL", Value::FromDate(kDay)}, {"DEBET", N(50)}}});
  const Journal journal = Load("INV1");
  ASSERT_EQ(journal.ledger.size(), 2u);
  EXPECT_DOUBLE_EQ(journal.ledger[0][kLedgerDebet].number(), 1000);
  EXPECT_EQ(journal.ledger[1][kLedgerDate].date(), xbase::Date::FromYmd(2026, 12, 7));
  EXPECT_EQ(journal.ledger[1][kLedgerReceipt].text(), "0000000007");
  EXPECT_EQ(journal.ledger[1][kLedgerInstrument].text(), xbase::PadR("G1", 20));
  EXPECT_DOUBLE_EQ(journal.ledger[1][kLedgerKredit].number(), 400);
  const JournalSums sums = SumJournal(journal);
  EXPECT_DOUBLE_EQ(sums.debet, 1050);
  EXPECT_DOUBLE_EQ(sums.kredit, 400);
}

TEST_F(JournalTest, TheScreenAddsALineWithTheSameNumberAndSavesWithF10) {
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  // An unknown invoice is named; then INV1, Tab into the lines, one line of debit 100 with its note and
  // F10 (Enter opens a cell and Enter closes it).
  rig.term.AddKeys(Keys({Line("NOPE"), {key::kEnter, key::kHome, 25}, Line("INV1"), {key::kTab}, Line("05122026"), Line("JB"), {key::kEnter, key::kEnter}, Line("100"), {key::kEnter, key::kEnter}, Line("KOREKSI"),
                         {key::kF10}, {key::kEsc}}));
  ASSERT_TRUE(JBALIK(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Nota NOPE tidak ada"));
  EXPECT_TRUE(Shown(rig.term, "EDIT PIUTANG"));
  EXPECT_EQ(JournalRows(rig.session), (std::vector<std::string>{"0000000042:INV1:100-0"}));
  EXPECT_EQ(StoredText(Open(rig.session, "PIUTJBL"), 1, "NOTES"), "KOREKSI");
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 100);
}

TEST_F(JournalTest, NumbersSentTwiceArriveTwiceAndMergeByPositionWithoutSettling) {
  support::TempFolder transfer;
  ASSERT_TRUE(CreateJournalTransferFile(transfer.path()).ok());
  AddRows(Open(rig.session, "PIUTJBL"),
          {{{"NOTA", T("INV1")}, {"NOMOR", T("0000000003")}, {"TANGGAL", Value::FromDate(kDay)}, {"DEBET", N(50)}},
           {{"NOTA", T("INV1")}, {"NOMOR", T("0000000003")}, {"TANGGAL", Value::FromDate(kDay)}, {"KREDIT", N(20)}},
           {{"NOTA", T("INV1")}, {"NOMOR", T("0000000004")}, {"TANGGAL", Value::FromDate(kDay)}, {"DEBET", N(9)}}});
  AddSetting(rig.session, "TMPFILEEXP", transfer.path());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(Keys({{'Y'}, Line("0000000003"), {key::kEnter}, Line("0000000003"), {key::kEnter},
                         Line("0000000099"), {key::kEnter}, {key::kEsc}}));
  ASSERT_TRUE(KIRIMJB(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Jurnal Balik 0000000099 tidak ada"));
  EXPECT_EQ(rig.term.keys_left(), 0u);

  // The receiving site holds three rows of number 3 (one deleted) and one with an empty date arrives.
  support::TempDataFolder other = ReceivablesFolder();
  rig.session.SetSearchPath(other.path());
  AddInvoice(rig.session, "INV1", "J0001", 1000, kDay);
  AddSetting(rig.session, "TMPFILEEXP", transfer.path());
  AddRows(Open(rig.session, "PIUTJBL"), {{{"NOTA", T("OLD")}, {"NOMOR", T("0000000003")}},
                                         {{"NOTA", T("OLD")}, {"NOMOR", T("0000000003")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  rig.term.AddKeys(Keys({{key::kEnter}, {key::kEnter}}));
  ASSERT_TRUE(IMPORJB(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Proses impor berhasil......."));
  // Sent twice: four rows of number 3 on a site that had two of them.
  EXPECT_EQ(JournalRows(rig.session),
            (std::vector<std::string>{"0000000003:INV1:50-0", "0000000003:INV1:0-20", "0000000003:INV1:50-0",
                                      "0000000003:INV1:0-20"}));
  EXPECT_DOUBLE_EQ(InvoiceKredit(rig.session, "INV1"), 0);
}

TEST_F(JournalTest, EscAtAStoredRowOfAnIncomingNumberLeavesItsRowsAsTheyWere) {
  support::TempFolder transfer;
  ASSERT_TRUE(CreateJournalTransferFile(transfer.path()).ok());
  {
    xbase::Session sender(xbase::SearchPath({transfer.path()}));
    xbase::WorkArea* incoming = nullptr;
    ASSERT_TRUE(sender.Use("KirimJB", "", xbase::OpenMode::kShared, &incoming).ok());
    ASSERT_TRUE(incoming->orders().Open(transfer.File("KirimJB.ntx")).ok());
    support::AddRows(*incoming, {{{"NOTA", T("INV1")}, {"NOMOR", T("0000000003")}, {"TANGGAL", Value::FromDate(kDay)},
                                  {"DEBET", N(50)}}});
  }
  AddSetting(rig.session, "TMPFILEEXP", transfer.path());
  AddRows(Open(rig.session, "PIUTJBL"), {{{"NOTA", T("OLD")}, {"NOMOR", T("0000000003")}}});
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  support::OtherWorkstation other(folder.path());
  other.Hold("PIUTJBL", 1);
  rig.term.AddKeys(Keys({{key::kEnter}, {key::kEnter}, {key::kEsc, ' ', ' '}}));
  ASSERT_TRUE(IMPORJB(rig.session, {}).ok());
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
  EXPECT_FALSE(Shown(rig.term, "Proses impor berhasil......."));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_EQ(JournalRows(rig.session), (std::vector<std::string>{"0000000003:OLD:0-0"}));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());

  other.Release();
  rig.term.AddKeys(Keys({{key::kEnter}, {key::kEnter}}));
  ASSERT_TRUE(IMPORJB(rig.session, {}).ok());
  EXPECT_TRUE(Shown(rig.term, "Proses impor berhasil......."));
  EXPECT_EQ(JournalRows(rig.session), (std::vector<std::string>{"0000000003:INV1:50-0"}));
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
}

}  // namespace
}  // namespace receivables
