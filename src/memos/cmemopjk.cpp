// CMEMOPJK: the receivables memo printed as form F-PT-010 with the total of its invoice amounts.
// Printing does not approve it.
#include "memos/memo_back.h"
#include "memos/memo_entry.h"
#include "memos/memo_forms.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"

namespace memos {

xbase::Status CMEMOPJK(frame::Session& session, const Args&) {
  return AskMemos(session, "   Cetak Memo Gudang ke Piutang   ", kTaxMemo,
           [&](const frame::OpenedTables& tables, const std::string& branch, const std::string& number) {
             MemoForm memo{.branch = branch, .number = number};
             if (LCGETMEMOPAJAK(session, tables, &memo, true)) {
               PrintPages(session, {TaxMemoLines(session, memo)}, MemoLayout(105));
             }
           });
}

}  // namespace memos
