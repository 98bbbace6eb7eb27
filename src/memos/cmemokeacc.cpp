// CMEMOKEACC: the memo back printed as form F-GD-010; a print that reached a printer approves the
// memo, which closes it to users without "ACC" rights.
#include "memos/memo_back.h"
#include "memos/memo_entry.h"
#include "memos/memo_forms.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"

namespace memos {

xbase::Status CMEMOKEACC(frame::Session& session, const Args&) {
  return AskMemos(session, "  Cetak Memo Gudang ke Marketing  ", kBackMemo,
           [&](const frame::OpenedTables& tables, const std::string& branch, const std::string& number) {
             MemoForm memo{.branch = branch, .number = number};
             if (!LCGETKEMBALI(session, tables, &memo, true)) return;
             if (PrintPages(session, {BackMemoLines(tables, memo)}, MemoLayout(97))) {
               ApproveMemo(session, tables, kBackMemo, branch, number);
             }
           });
}

}  // namespace memos
