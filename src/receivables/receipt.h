// A payment receipt (TT) as the receipt screen, its print and its tests handle it: the header values
// and the lines in the browse's array, the tables it works on, loading, the cell checks, the
// information panel and the save.
#ifndef PALUNDA_RECEIVABLES_RECEIPT_H_
#define PALUNDA_RECEIVABLES_RECEIPT_H_

#include <cstddef>
#include <string>

#include "console/array_browse.h"
#include "documents/seen_records.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// The elements of a receipt line (from 0): the six shown columns, then the invoice's data.
enum ReceiptColumn : size_t {
  kLineNo,      // line number
  kNota,        // invoice, 20
  kCode,        // settlement code KD_TT, 2
  kInstrument,  // instrument number NO_BUKTI, 20
  kNote,        // remark, 20
  kAmount,      // amount
  kCustomer,    // the invoice's RELASI, 10
  kDue,         // the invoice's TEMPO, or the instrument's date once one is entered
  kType,        // the invoice's TIPE, 2
  kCompany,     // the invoice's CODE_ID, 4
  kSalesman,    // the invoice's SALES, 4
  kRemark,      // the invoice's CATATAN, 20
  kLineSize
};

// A receipt being entered or printed.
struct Receipt {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(10, ' ');  // blank for a new receipt
  xbase::Date date;
  xbase::Date old_date;                       // the stored date of an existing receipt
  std::string notes = std::string(30, ' ');
  bool is_new = true;
  console::ValueTable lines;
  // The stored header and lines as they were loaded, for the save to see another workstation's save.
  documents::SeenRecords seen;
};

// A blank line numbered `n` (from 1).
console::ValueRow BlankLine(size_t n);
// ADD_REC: a line numbered `n` that carries the invoice, code, instrument and invoice data of `from`,
// with a blank note and no amount.
console::ValueRow ContinuedLine(const console::ValueRow& from, size_t n);
// The text of a line element, trailing blanks kept.
const std::string& LineText(const console::ValueRow& line, ReceiptColumn column);
// The amount of a line.
double LineAmount(const console::ValueRow& line);
// True when the line has an invoice and an amount, and so is stored.
bool LineCounts(const console::ValueRow& line);

// OPENDATA: the receipt's tables, shared, with their index files; false (all tables closed) when one
// cannot be opened.
frame::OpenedTables OpenReceiptTables(frame::Session& session);

// The Piutkr1 key of a receipt: branch (6) and number (10).
std::string ReceiptKey(std::string_view branch, std::string_view number);

// Copies the invoice's customer, due date, type, company, salesman and remark from the current row of
// the open `Piutdbt` into the line.
void TakeInvoiceData(xbase::WorkArea& invoice, console::ValueRow* line);

// LCGETTT: loads receipt->number of receipt->branch ("?" picks it from the list of receipts). A stored
// receipt becomes the lines (checked for correction when `checks`: refused once printed or past the
// correction limit, with a message); an unknown number stays a new receipt. One blank line ends the
// lines. False when refused.
bool LCGETTT(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt, bool checks);

// The figures the information panel hands to the cell checks; the remaining value keeps its last
// figure while the current line names no instrument.
struct PanelFigures {
  double instrument_remaining = 0;
  double invoice_balance = 0;
};

// The labels of the information panel (rows 18 to 21).
void DrawPanelLabels(console::Console& con);

// INFORMASI: computes (and, when `show`, draws) the panel of line `line` (from 0).
xbase::Status INFORMASI(frame::Session& session, const frame::OpenedTables& tables, const Receipt& receipt, size_t line,
                        PanelFigures* figures, bool show = true);

// *needs true when settlement code `code` must name an instrument (an "ISINOMOR" row); a failed read
// of SETUP is given back.
[[nodiscard]] xbase::Status NeedsInstrument(frame::Session& session, std::string_view code, bool* needs);

// VALIDASIENTRY: checks `value` for column `column` of line `line` (from 0); it may copy data into the
// line, replace a "?" by the code picked, or clear a refused number. False refuses, with a message
// where there is one.
bool VALIDASIENTRY(frame::Session& session, const frame::OpenedTables& tables, xbase::Value* value, size_t column,
                   Receipt* receipt, size_t line, const PanelFigures& figures);

// Checks every line that is stored (an invoice and an amount) again, cell by cell, as when it was
// typed: a code that takes no instrument loses any number, a refused instrument or amount refuses
// (told on row 24). False at the first refusal.
bool CheckLinesAgain(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt);

// SIMPANDATA: after the line-count check and "Yakin data akan disimpan (Y/T)" answered "Y", saves
// the receipt (see SaveReceipt); *saved tells whether it was written.
xbase::Status SIMPANDATA(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt, bool* saved);

// The save without its question: refuses (with a message) a line whose invoice, or whose required
// instrument, is not there, or that its cell checks refuse now (see CheckLinesAgain); numbers a new receipt from "NOTT"
// + branch; writes or deletes the header; rewrites the stored lines, taking back each old line's settlement and posting
// each new one.
xbase::Status SaveReceipt(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt, bool* saved);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_RECEIPT_H_
