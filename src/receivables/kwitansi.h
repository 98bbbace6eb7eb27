// Receipts (kwitansi): the formal papers acknowledging a payment, printed raw on pre-printed forms on
// the dot matrix. An invoice receipt lists invoices and prints their total, optionally split into
// taxable base and VAT; a free receipt carries up to five typed lines of purpose. Receipts post nothing.
#ifndef PALUNDA_RECEIVABLES_KWITANSI_H_
#define PALUNDA_RECEIVABLES_KWITANSI_H_

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// KW1: the invoice receipt entry.
xbase::Status KW1(frame::Session& session, const std::vector<xbase::Value>& args);
// KW2: the invoice receipt print.
xbase::Status KW2(frame::Session& session, const std::vector<xbase::Value>& args);
// KW11: "BUAT KWITANSI", the free receipt entry.
xbase::Status KW11(frame::Session& session, const std::vector<xbase::Value>& args);
// KW22: the free receipt print.
xbase::Status KW22(frame::Session& session, const std::vector<xbase::Value>& args);
// KW3: removes the printed receipts.
xbase::Status KW3(frame::Session& session, const std::vector<xbase::Value>& args);

// The elements of an invoice receipt line (from 0).
enum KwitansiColumn : size_t { kKwNo, kKwNota, kKwDate, kKwAmount, kKwLineSize };

// A receipt being entered or printed.
struct Kwitansi {
  std::string number = std::string(7, ' ');
  xbase::Date date;
  std::string from = std::string(100, ' ');                 // DARI, received from
  std::array<std::string, 3> pay_to;                        // KET1..KET3, the "Pembayaran ke" lines
  std::array<std::string, 5> purpose;                       // NOTES1..NOTES5 of a free receipt
  bool printed = false;
  bool stored = false;
  console::ValueTable lines;                                // the invoices of an invoice receipt
};

// The receipt tables (Kwit_1, Kwit_2, Kwit_3, SETUP, PIUTDBT), shared; false (all closed) when one
// cannot be opened.
frame::OpenedTables OpenKwitansiTables(frame::Session& session);
// A blank invoice line numbered `n` (from 1).
console::ValueRow BlankKwitansiLine(size_t n);

// A new receipt: the last number used ("KWITANSI2") and the last "Pembayaran ke" lines ("KWITANSI3"
// + 1..3), cut to `width`.
Kwitansi ProposedKwitansi(frame::Session& session, const frame::OpenedTables& tables, int width);

// Loads receipt->number: a stored receipt brings its header, its invoices (with date and amount) and
// its purpose lines; *found tells whether it was stored. One blank invoice line ends the lines.
xbase::Status LoadKwitansi(const frame::OpenedTables& tables, Kwitansi* receipt, bool* found);

// The invoice typed into a line: stored; its date and, as amount, its open balance fill the line.
bool CheckKwitansiInvoice(frame::Session& session, const frame::OpenedTables& tables, Kwitansi* receipt, size_t line,
                          xbase::Value* value);

// Saves an invoice receipt: its invoice lines paired with the stored rows; the header written, or
// deleted when no invoice is left; "KWITANSI2" raised to the number and "KWITANSI3" + 1..3 set.
// Both saves lock every row they change before the first write (a lock given up writes nothing); a
// failure is shown and returned.
xbase::Status SaveInvoiceKwitansi(frame::Session& session, const frame::OpenedTables& tables, const Kwitansi& receipt);
// Saves a free receipt (header and purpose lines); the counter is not touched.
xbase::Status SaveFreeKwitansi(frame::Session& session, const frame::OpenedTables& tables, const Kwitansi& receipt);
// Deletes every printed receipt with its invoice and purpose rows; *removed counts them.
xbase::Status RemovePrintedKwitansi(frame::Session& session, const frame::OpenedTables& tables, int* removed);

// What a printed receipt needs besides the receipt: the company lines, the place before the date,
// the VAT percent and whether the invoice table splits it out.
struct KwitansiForm {
  std::array<std::string, 3> company;
  std::string place = "Kelindang";
  double vat_percent = 10;
  bool with_vat = true;
};
// The form's values from SETUP ("KWITANSI1", "POTONGPPN") and the company setup; a SETUP row that
// cannot be read is the error.
xbase::Status KwitansiFormOf(frame::Session& session, const frame::OpenedTables& tables, bool with_vat,
                             KwitansiForm* form);

// The invoice amounts of a receipt to print: each invoice's whole DEBET.
struct PrintedInvoice {
  std::string nota;
  double amount = 0;
};
// The ESC/P bytes of an invoice receipt.
std::string InvoiceKwitansiBytes(const Kwitansi& receipt, const std::vector<PrintedInvoice>& invoices,
                                 const KwitansiForm& form);
// The ESC/P bytes of a free receipt.
std::string FreeKwitansiBytes(const Kwitansi& receipt, const KwitansiForm& form);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_KWITANSI_H_
