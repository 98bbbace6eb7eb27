// The reversing journal ("jurnal balik"): corrections of an invoice's receivable that are not payments,
// booked as lines in PIUTJBL. Each live line moves the settled total (KREDIT) of its invoice, and of its
// instrument when it names one, by its DEBET minus its KREDIT. The lines of one journal number can be
// sent to another site in the transfer table KirimJB and merged there.
#ifndef PALUNDA_RECEIVABLES_JOURNAL_H_
#define PALUNDA_RECEIVABLES_JOURNAL_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// The columns of a journal line in the lower list (from 0).
enum JournalColumn : size_t {
  kJournalLineNo,      // "No."
  kJournalNumber,      // "NO. JB", 10
  kJournalDate,        // "TANGGAL"
  kJournalCode,        // "KD", 2
  kJournalInstrument,  // "NOMOR BUKTI", 20
  kJournalDebet,       // "DEBET"
  kJournalKredit,      // "KREDIT"
  kJournalNotes,       // "KETERANGAN", 30
  kJournalLineSize
};

// The columns of the invoice's ledger in the upper list (from 0).
enum LedgerColumn : size_t {
  kLedgerLineNo,      // "NO."
  kLedgerDate,        // "TANGGAL"
  kLedgerReceipt,     // "NO. TT"
  kLedgerCode,        // "KD"
  kLedgerInstrument,  // "NOMOR BUKTI"
  kLedgerDebet,       // "DEBET"
  kLedgerKredit,      // "KREDIT"
  kLedgerNotes,       // "KETERANGAN"
  kLedgerLineSize
};

// One invoice's ledger and journal lines as the journal screen shows them.
struct Journal {
  std::string nota = std::string(20, ' ');
  std::string branch;          // the invoice's KDCB, which keys the journal counter
  console::ValueTable ledger;  // the invoice, then every receipt line on it
  console::ValueTable lines;   // the journal lines, then a blank line with the proposed number
};

// A blank journal line numbered `n` (from 1) carrying journal number `number`.
console::ValueRow BlankJournalLine(size_t n, std::string_view number);
// True when the line has a date and a debit or credit, and so is stored.
bool JournalLineCounts(const console::ValueRow& line);

// The number proposed for a new journal line of `branch`: one above SETUP "NTDB" + branch, 10 digits.
// The number is saved with the line: a counter row that cannot be read is the error.
xbase::Status ProposedJournalNumber(const frame::OpenedTables& tables, std::string_view branch, std::string* number);

// Loads invoice journal->nota over the receipt tables (OpenReceiptTables): its ledger and its stored
// journal lines followed by a blank proposed line. *found tells whether the invoice is there.
xbase::Status LoadJournal(const frame::OpenedTables& tables, Journal* journal, bool* found);

// Pairs the invoice's stored journal rows (deleted ones too) with the lines: a counting line overwrites
// its row (a live row's settlement taken back first, a deleted row recalled), raises the journal
// counter to its number and is settled; other rows are taken back and deleted. Lines beyond the rows
// are appended. Nothing counts: nothing is written and no number is drawn. Every record it changes is
// locked before the first write (a lock given up writes nothing); a failure is shown and returned.
xbase::Status SaveJournal(frame::Session& session, const frame::OpenedTables& tables, const Journal& journal);

// The sums of debits and credits over the ledger and the journal lines.
struct JournalSums {
  double debet = 0;
  double kredit = 0;
};
JournalSums SumJournal(const Journal& journal);

// Appends every PIUTJBL row of journal `number` in `journal` to `transfer` (KirimJB), field by field;
// *found tells whether the number has rows.
xbase::Status SendJournal(xbase::WorkArea& journal, xbase::WorkArea& transfer, std::string_view number, bool* found);

// Merges `transfer` (KirimJB) into `journal` (PIUTJBL), journal number by number: rows with an empty date
// are ignored; the stored rows of each number (deleted ones too, in record order) take the incoming rows
// by position, surplus rows are deleted and extra ones appended. Settles nothing. Each number is one
// save; a lock given up is told and ends the import (Locked), the numbers before it merged.
xbase::Status ImportJournals(frame::Session& session, xbase::WorkArea& journal, xbase::WorkArea& transfer);

// JBALIK: "EDIT PIUTANG", the ledger and journal lines of one invoice after another until Esc.
xbase::Status JBALIK(frame::Session& session, const std::vector<xbase::Value>& args);
// KIRIMJB: "KIRIM JURNAL BALIK", journal numbers copied into the transfer table of the export folder.
xbase::Status KIRIMJB(frame::Session& session, const std::vector<xbase::Value>& args);
// IMPORJB: "Impor Jurnal Balik", the transfer table of a folder merged into the journal.
xbase::Status IMPORJB(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_JOURNAL_H_
