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

// The lists of delivery notes not yet sent or not yet back, and of their goods.
xbase::Status SISAMEMO_(frame::Session& session, const Args& args);
xbase::Status SISAMEMO(frame::Session& session, const Args& args);
xbase::Status SISABRG(frame::Session& session, const Args& args);
xbase::Status SISASJ(frame::Session& session, const Args& args);
// The lists of delivery notes sent and of their goods.
xbase::Status MEMOKIRIM(frame::Session& session, const Args& args);
xbase::Status BRGKIRIM(frame::Session& session, const Args& args);
xbase::Status RBRGKRM(frame::Session& session, const Args& args);
// The driver-memo prints by goods ("D"), by delivery note ("S") and as the TTSJ recap ("R").
xbase::Status BRSIKI(frame::Session& session, const Args& args);
// The TTSJ realisation of a driver (form F-GD-008).
xbase::Status LTTSJ(frame::Session& session, const Args& args);
// The delivery evaluation, as text or as a workbook.
xbase::Status EVAMEM(frame::Session& session, const Args& args);
// The memos a delivery note went through.
xbase::Status CHKSURATJALAN(frame::Session& session, const Args& args);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_SCREENS_H_
