// AMEMOPJK: approval of receivables memos, after which only users with "ACC" rights may change them.
#include "memos/memo_entry.h"
#include "memos/memo_screens.h"

namespace memos {

xbase::Status AMEMOPJK(frame::Session& session, const Args&) {
  return RunApproval(session, "       Approval Memo Piutang      ", kTaxMemo, "Yakin memo ke Piutang akan diApproval");
}

}  // namespace memos
