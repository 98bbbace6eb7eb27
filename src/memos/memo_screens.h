// The entry procedures of the delivery memos, as the menu calls them.
#ifndef PALUNDA_MEMOS_MEMO_SCREENS_H_
#define PALUNDA_MEMOS_MEMO_SCREENS_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace memos {

using Args = std::vector<xbase::Value>;

// The admin memo: entry, print (form F-MK-010) and approval.
xbase::Status ISIMEMO(frame::Session& session, const Args& args);
xbase::Status CTKMEMO(frame::Session& session, const Args& args);
xbase::Status MADMAPP(frame::Session& session, const Args& args);

// The receivables memo approval.
xbase::Status AMEMOPJK(frame::Session& session, const Args& args);

// The driver memo: entry and its delivery-note receipt (TTSJ).
xbase::Status SJDIKIRIM(frame::Session& session, const Args& args);
xbase::Status CSJDIKIRIM(frame::Session& session, const Args& args);

// The memo back to administration: entry and print (form F-GD-010), which approves it.
xbase::Status MEMOKEACC(frame::Session& session, const Args& args);
xbase::Status CMEMOKEACC(frame::Session& session, const Args& args);

// The receivables memo: entry and print (form F-PT-010).
xbase::Status MEMOPJK(frame::Session& session, const Args& args);
xbase::Status CMEMOPJK(frame::Session& session, const Args& args);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_SCREENS_H_
