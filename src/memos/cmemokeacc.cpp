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
           [&](const std::string& branch, const std::string& number) {
             MemoForm memo;
             memo.branch = branch;
             memo.number = number;
             if (!LCGETKEMBALI(session, &memo, true)) return;
             if (!PrintPages(session, {BackMemoLines(session, memo)}, MemoLayout(97))) return;
             bool found = false;
             xbase::WorkArea* header = nullptr;
             xbase::Status s = FindMemo(session, kBackMemo, branch, number, &found, &header);
             if (s.ok() && found) s = ApproveMemo(session, *header);
             frame::ShowFailure(session, s);
           });
}

}  // namespace memos
