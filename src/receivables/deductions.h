// Payment deductions: requests listing invoices with a percent or an amount under one deduction code,
// their approval into the approval work files, their realisation into payment receipts, and the BPT
// vouchers that document a single deduction.
#ifndef PALUNDA_RECEIVABLES_DEDUCTIONS_H_
#define PALUNDA_RECEIVABLES_DEDUCTIONS_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/array_browse.h"
#include "console/console.h"
#include "documents/seen_records.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// IPOTDRAF: "DRAFT PENGAJUAN POTONGAN PEMBAYARAN", the request entry.
xbase::Status IPOTDRAF(frame::Session& session, const std::vector<xbase::Value>& args);
// CPOTDRAF: "CETAK DRAFT POTONGAN", the request form; printing it locks the request.
xbase::Status CPOTDRAF(frame::Session& session, const std::vector<xbase::Value>& args);
// APOTDRAF: "APPROVAL PENGAJUAN POTONGAN PEMBAYARAN", for users with the right "/EDP".
xbase::Status APOTDRAF(frame::Session& session, const std::vector<xbase::Value>& args);
// RPOTDRAF: every approved request not yet realised becomes a payment receipt.
xbase::Status RPOTDRAF(frame::Session& session, const std::vector<xbase::Value>& args);
// BPT1: the BPT voucher entry.
xbase::Status BPT1(frame::Session& session, const std::vector<xbase::Value>& args);
// BPT2: "CETAK BPT", the voucher print.
xbase::Status BPT2(frame::Session& session, const std::vector<xbase::Value>& args);

// The elements of a request line (from 0): the seven shown columns, then the invoice's data.
enum DeductionColumn : size_t {
  kDedNo,         // line number
  kDedNota,       // invoice, 20
  kDedDebet,      // the invoice's amount
  kDedPercent,    // TARIF
  kDedAmount,     // POTONGAN
  kDedBpt,        // covering BPT voucher, 10
  kDedNote,       // NOTES, 50
  kDedKredit,     // the invoice's settled total
  kDedCustomer,   // RELASI, 9
  kDedType,       // TIPE, 2
  kDedSalesman,   // SALES, 4
  kDedCompany,    // CODE_ID, 4
  kDedLineSize
};

// The header and work tables a request is kept in: the request tables or the approval work files.
struct RequestTables {
  const char* header;
  const char* lines;
  const char* header_order;
  const char* lines_order;
};
inline constexpr RequestTables kRequestTables{"BPOT_HDR", "BPOT_DTL", "BPOT_HDR1", "BPOT_DTL1"};
inline constexpr RequestTables kApprovalTables{"BPOT_AP1", "BPOT_AP2", "BPOT_AP1", "BPOT_AP2"};

// A deduction request being entered, approved or printed.
struct DeductionRequest {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(10, ' ');  // blank for a new request
  xbase::Date date;
  std::string code = "  ";                    // the deduction code of every line
  bool printed = false;
  bool is_new = true;
  console::ValueTable lines;
  // The stored header and line rows as they were loaded (none for a new request), which a correction's
  // save checks under its locks.
  documents::SeenRecords seen;
};

// The tables every deduction screen opens, shared, and with `approval_files` the approval work files
// BPOT_AP1 and BPOT_AP2, exclusively; false (all closed) when one cannot be opened.
frame::OpenedTables OpenDeductionTables(frame::Session& session, bool approval_files = false);

// A blank request line numbered `n` (from 1).
console::ValueRow BlankDeductionLine(size_t n);
// True when the line has an invoice and a non-zero amount.
bool DeductionCounts(const console::ValueRow& line);

// True when `code` is a deduction code (a MASTJNS row with OPSI "4" or "5"); refused with a message.
bool DeductionCodeValid(frame::Session& session, const frame::OpenedTables& tables, std::string_view code);

// Loads request->number of request->branch from `tables`; *found tells whether it is stored. Each line
// takes its invoice's amount, settled total and data. One blank line ends the lines. The stored rows
// are kept as they read, for the save's check.
xbase::Status LoadRequest(frame::Session& session, const frame::OpenedTables& tables, const RequestTables& files,
                          DeductionRequest* request, bool* found);

// The request number typed ("?" picks from the requests) loaded from the request tables; false after
// "DRAFT POTONGAN ... belum terdaftar".
bool FindRequest(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request);

// The check of `value` typed into column `column` of line `line` (from 0): the invoice (it may fill
// the line from the invoice and from a BPT voucher of invoice and code), the percent or the amount.
// False refuses, with a message.
bool CheckDeductionCell(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request,
                        size_t line, size_t column, xbase::Value* value);

// The request screen under `title`: its header labels (row 2) and the frame of the lines.
void DrawDeductionScreen(console::Console& con, std::string_view title);
// Row and columns of the header fields.
inline constexpr int kDedHeaderRow = 2;
inline constexpr int kDedBranchColumn = 10;
inline constexpr int kDedNumberColumn = 26;
inline constexpr int kDedDateColumn = 48;
inline constexpr int kDedCodeColumn = 76;

// The line editor of a request: at entry the invoice, percent, amount and note are edited, at approval
// only the percent and the amount. F10 calls `save`, whose true ends the editor; Esc ends it too.
void EditDeductionLines(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request,
                        bool approval, const std::function<bool()>& save);

// Saves the request into the request tables: numbers a new one from "DPOT" + branch; without a line
// that counts the request and its lines go. *saved tells whether anything was written; a loaded request
// another workstation saved since is refused with nothing written.
xbase::Status SaveRequest(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request,
                          bool* saved);

// Writes the approval of a request into the approval work files (opened under their names).
xbase::Status SaveApproval(frame::Session& session, const frame::OpenedTables& tables, const DeductionRequest& request);

// The note of the payment receipts a realisation makes.
inline constexpr const char* kRealisationNote = "Realisasi Pengajuan potongan";

// The realisation without its question: every approved request of the open work files not yet
// realised becomes a payment receipt of its branch under its own number; a receipt of that number
// that the realisation did not make is left alone and the request stays unrealised, with a message.
// *realised counts the requests realised.
xbase::Status RealiseDeductions(frame::Session& session, const frame::OpenedTables& tables, int* realised);

// A BPT voucher.
struct BptVoucher {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(10, ' ');  // blank for a new voucher
  xbase::Date date;
  std::string code = "  ";
  std::string nota = std::string(20, ' ');
  double percent = 0;
  double value = 0;
  std::string notes = std::string(50, ' ');
  bool printed = false;
};

// Saves a voucher: a new one is numbered from "DBPT" + branch; value 0 deletes it. *saved tells
// whether it was written.
xbase::Status SaveVoucher(frame::Session& session, const frame::OpenedTables& tables, BptVoucher* voucher, bool* saved);

// The lines of a voucher's page with their report controls.
struct VoucherLine {
  std::string text;
  std::string controls;
  int font = 0;
};
std::vector<VoucherLine> VoucherPage(const BptVoucher& voucher, std::string_view customer, std::string_view place);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_DEDUCTIONS_H_
