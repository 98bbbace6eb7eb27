// The receivables as the reports read them: invoices (PIUTDBT) with their payment-receipt lines
// (PIUTKR2, dated by their receipt PIUTKR1) and reversing-journal rows (PIUTJBL), and the settlement
// class of a receipt line.
#ifndef PALUNDA_RECEIVABLE_REPORTS_RECEIVABLE_BOOK_H_
#define PALUNDA_RECEIVABLE_REPORTS_RECEIVABLE_BOOK_H_

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace receivable_reports {

// The class of a settlement code: its first letter.
enum class SettleClass { kInstrument, kCash, kDeduction, kReturn, kFreeGoods, kOther };
SettleClass ClassOf(std::string_view code);

// A payment-receipt line with the date of its receipt (empty when the receipt is missing).
struct ReceiptLine {
  xbase::Date date;
  std::string kdcb, nomor, nota, kd_tt, no_bukti, notes;
  double kredit = 0;
};

// A reversing-journal row.
struct JournalLine {
  xbase::Date date;
  std::string nota, nomor, kd_tt, no_bukti, notes;
  double debet = 0, kredit = 0;
};

// An invoice's receivable with its settlements.
struct Invoice {
  std::string nota, kdcb, relasi, tipe, sales, ktr, code_id;
  xbase::Date date, tempo;
  double debet = 0;
  bool approval = false;
  std::vector<ReceiptLine> receipts;
  std::vector<JournalLine> journal;
};

// True when `text` begins with the trimmed `prefix`; an empty prefix takes everything.
bool Begins(std::string_view text, std::string_view prefix);

// Reads the receivables over the open tables PIUTDBT, PIUTKR1, PIUTKR2 and PIUTJBL (catalog orders).
class ReceivableBook {
 public:
  explicit ReceivableBook(frame::Session& session) : session_(session) {}

  // Calls visit on every invoice whose customer begins with `customer`, in customer order, with its
  // settlements read; a false from visit stops the walk.
  xbase::Status ForEachInvoice(std::string_view customer, const std::function<bool(const Invoice&)>& visit);
  // The invoices of one customer (the code as typed, trimmed), with their settlements.
  xbase::Status InvoicesOf(std::string_view customer, std::vector<Invoice>* invoices);
  // The invoice `nota` with its settlements; *found false when there is none.
  xbase::Status FindInvoice(std::string_view nota, Invoice* invoice, bool* found);
  // The receipt lines and journal rows that name instrument `number` in NO_BUKTI.
  xbase::Status InstrumentUses(std::string_view number, std::vector<ReceiptLine>* receipts,
                               std::vector<JournalLine>* journal);
  // The date of receipt kdcb + nomor; empty when there is no such receipt.
  xbase::Status ReceiptDate(const std::string& kdcb, const std::string& nomor, xbase::Date* date);

 private:
  xbase::Status ReadInvoice(xbase::WorkArea& piutdbt, Invoice* invoice);
  xbase::Status ReadReceiptLine(xbase::WorkArea& lines, ReceiptLine* line);
  static JournalLine ReadJournal(const xbase::WorkArea& journal);

  frame::Session& session_;
  std::map<std::pair<std::string, std::string>, xbase::Date> receipt_dates_;
};

// A customer's name and city from the open MASTCUS, read once per code.
struct Customer {
  bool known = false;
  std::string name, city;
};
class CustomerLookup {
 public:
  explicit CustomerLookup(frame::Session& session) : session_(session) {}
  // The customer of `code` (trimmed); unknown codes give empty names.
  xbase::Status Find(std::string_view code, Customer* customer);

 private:
  frame::Session& session_;
  std::map<std::string, Customer, std::less<>> known_;
};

// OPSI of a settlement code's MASTJNS row (the code's first two characters), read once per code;
// blank for an unknown code.
class SettlementOptions {
 public:
  explicit SettlementOptions(frame::Session& session) : session_(session) {}
  xbase::Status Find(std::string_view code, std::string* option);

 private:
  frame::Session& session_;
  std::map<std::string, std::string, std::less<>> known_;
};

// Walks the visible records of `area` whose key in order `order` begins with `prefix` (all in key
// order for an empty prefix), standing on each for visit; a false from visit stops the walk.
xbase::Status ForEachKeyed(xbase::WorkArea& area, std::string_view order, std::string_view prefix,
                           const std::function<bool()>& visit);

// Walks `area` in order `order` from the first key not below `start` (a soft seek), standing on each
// visible record for visit, until visit gives false or the end.
xbase::Status ForEachFrom(xbase::WorkArea& area, std::string_view order, std::string_view start,
                          const std::function<bool()>& visit);

// An invoice's figures as of a date: what its receipt lines (by receipt date) and journal rows
// dated up to `to` do to it.
struct Settled {
  double receipts = 0;  // every receipt line
  double journal = 0;   // journal DEBET - KREDIT
};
Settled SettledUpTo(const Invoice& invoice, xbase::Date to);
// The invoice's balance as of a date: DEBET - receipts + journal.
double BalanceAt(const Invoice& invoice, xbase::Date to);

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_RECEIVABLE_BOOK_H_
