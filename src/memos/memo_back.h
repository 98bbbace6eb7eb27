// The memo back to administration and the receivables memo in memory, with their lookups
// (LCGETKEMBALI, LCGETMEMOPAJAK), which their entry and print screens share.
#ifndef PALUNDA_MEMOS_MEMO_BACK_H_
#define PALUNDA_MEMOS_MEMO_BACK_H_

#include <string>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace memos {

// The columns of a memo-back row: number, delivery note (20), its date, customer (9), real delivery
// date, time (5), reason (40), delivered.
enum BackColumn { kBackNo = 1, kBackNote, kBackDate, kBackCustomer, kBackReal, kBackTime, kBackReason, kBackSent };
// The columns of a receivables memo row: number, delivery note (20), its date, its delivery date,
// customer name (35), invoice amount.
enum TaxColumn { kTaxNo = 1, kTaxNote, kTaxDate, kTaxShipping, kTaxName, kTaxAmount };

console::ValueRow EmptyBackRow(int number);
console::ValueRow EmptyTaxRow(int number);

// A memo of either kind as its screens hold it.
struct MemoForm {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(10, ' ');
  std::string driver_memo = std::string(10, ' ');  // the memo back's "Eks Memo Drv"
  xbase::Date date;
  std::string note = std::string(40, ' ');
  console::ValueTable rows;
  int index = 1;
};

// LCGETKEMBALI: empties the rows and loads the memo back form->number of form->branch ("?" picks one)
// with an empty row after its lines; a number not found is cleared. Outside the print (`printing`
// false) an approved memo shows "Memo kembali ke Admin ... sudah Approval/dicetak" and gives false
// unless the user has "ACC" rights.
bool LCGETKEMBALI(frame::Session& session, const frame::OpenedTables& tables, MemoForm* form, bool printing);
// LCGETMEMOPAJAK: the same for the receivables memo ("Memo kembali ke PIUTANG ...").
bool LCGETMEMOPAJAK(frame::Session& session, const frame::OpenedTables& tables, MemoForm* form, bool printing);

// The row of a receivables memo for a delivery note: its date, delivery date, customer name and
// invoice amount. False after a failure, which was shown.
bool FillTaxRow(frame::Session& session, const frame::OpenedTables& tables, std::string_view invoice,
                console::ValueRow* row);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_BACK_H_
