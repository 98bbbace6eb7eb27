// The printed forms of the memos, line by line, from a memo loaded by its lookup.
#ifndef PALUNDA_MEMOS_MEMO_FORMS_H_
#define PALUNDA_MEMOS_MEMO_FORMS_H_

#include <string>
#include <vector>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/session.h"
#include "memos/driver_memo.h"
#include "memos/memo_back.h"

namespace memos {

// The admin memo, form F-MK-010 (print code "N", 77 columns of rules).
frame::ReportPage AdminMemoLines(const frame::OpenedTables& tables, const std::string& number, xbase::Date date,
                                 const std::string& note, const console::ValueTable& rows);
// The delivery-note receipt (TTSJ) of a driver memo: print code "C", 225 columns; rows planned on a
// Sunday or without a date are named in a line after the rows instead of being placed in the week.
frame::ReportPage ReceiptLines(frame::Session& session, const frame::OpenedTables& tables, const DriverMemoForm& memo);
// The memo back, form F-GD-010 (print code "S", 97 columns).
frame::ReportPage BackMemoLines(const frame::OpenedTables& tables, const MemoForm& memo);
// The receivables memo, form F-PT-010 (print code "S", 105 columns) with the total of its amounts.
frame::ReportPage TaxMemoLines(frame::Session& session, const MemoForm& memo);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_FORMS_H_
