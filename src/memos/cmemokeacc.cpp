// CMEMOKEACC: the memo back printed as form F-GD-010; a print that reached a printer approves the
// memo, which closes it to users without "ACC" rights.
#include "frame/status_display.h"
#include "memos/memo_back.h"
#include "memos/memo_entry.h"
#include "memos/memo_forms.h"
#include "memos/memo_report.h"
#include "memos/memo_screens.h"

namespace memos {

xbase::Status CMEMOKEACC(frame::Session& session, const Args&) {
  return AskMemos(session, "  Cetak Memo Gudang ke Marketing  ", kBackMemo,
           [&](const frame::OpenedTables& tables, const std::string& branch, const std::string& number) {
             MemoForm memo;
             memo.branch = branch;
             memo.number = number;
             if (!LCGETKEMBALI(session, tables, &memo, true)) return;
             if (!PrintPages(session, {BackMemoLines(tables, memo)}, MemoLayout(97))) return;
             bool found = false;
             xbase::WorkArea& headers = tables[kBackMemo.header];
             xbase::Status s = FindMemo(session, headers, branch, number, &found);
             if (s.ok() && found) s = ApproveMemo(session, headers);
             frame::ShowFailure(session, s);
           });
}

}  // namespace memos
