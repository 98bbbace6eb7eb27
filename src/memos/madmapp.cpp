// MADMAPP: approval of admin memos, which closes them for the entry screen and opens their delivery
// notes for the driver memos. An approved memo may be approved again, which renews the date.
#include "memos/memo_entry.h"
#include "memos/memo_screens.h"

namespace memos {

xbase::Status MADMAPP(frame::Session& session, const Args&) {
  return RunApproval(session, "  Approval Memo dari Administrasi ", kAdminMemo,
                     "Yakin memorandum dari admin akan diApproval");
}

}  // namespace memos
