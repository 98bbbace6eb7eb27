// The posting-date window: whether a transaction date may still be posted, measured against the
// process month, the last start date, the day limits and the last stock-opname adjustment.
#ifndef PALUNDA_DOCUMENTS_POSTING_DATE_H_
#define PALUNDA_DOCUMENTS_POSTING_DATE_H_

#include "frame/session.h"
#include "xbase/date.h"

namespace documents {

// The first form (return drafts, purchase returns, gift-wrap work): true when `date` may be posted.
// A "/SPV" user passes untested. A date outside the window is refused silently (the caller says
// why); one on or before the adjustment date with a message.
bool CEKTGKIRIM(frame::Session& session, xbase::Date date);

// CEKTGKIRIM that also says why a date outside the window is refused.
bool CheckPostingDate(frame::Session& session, xbase::Date date);

// The second form (sales orders, delivery notes, their revisions, payment receipts). Mode true
// measures against the last start date, mode false against `earliest` and the process month end.
// On acceptance *result := date + add_days.
bool CECKTANGGAL(frame::Session& session, xbase::Date date, bool mode, xbase::Date earliest, xbase::Date* result,
                 int add_days = 0);

// True when `date` lies in the month of the process date STP[14]; else a message.
bool CHECKTGL(frame::Session& session, xbase::Date date);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_POSTING_DATE_H_
