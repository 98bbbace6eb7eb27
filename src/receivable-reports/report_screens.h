// The entry procedures of the receivables reports.
#ifndef PALUNDA_RECEIVABLE_REPORTS_REPORT_SCREENS_H_
#define PALUNDA_RECEIVABLE_REPORTS_REPORT_SCREENS_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivable_reports {

using Args = std::vector<xbase::Value>;

xbase::Status LKARPIUT(frame::Session& session, const Args& args);
xbase::Status LREKPIUT(frame::Session& session, const Args& args);
xbase::Status LPIUTBLNS(frame::Session& session, const Args& args);
xbase::Status LDAFGIRO(frame::Session& session, const Args& args);
xbase::Status LSDOGIRO(frame::Session& session, const Args& args);
xbase::Status LKARGIRO(frame::Session& session, const Args& args);
xbase::Status LDAFPIUT(frame::Session& session, const Args& args);
xbase::Status BGCAIR(frame::Session& session, const Args& args);
xbase::Status BGBELUM(frame::Session& session, const Args& args);
xbase::Status LDAFLUNAS(frame::Session& session, const Args& args);
xbase::Status LMTSPIUT(frame::Session& session, const Args& args);
xbase::Status LRKPW(frame::Session& session, const Args& args);
xbase::Status LRKPD(frame::Session& session, const Args& args);
xbase::Status MNB(frame::Session& session, const Args& args);
xbase::Status PPJ(frame::Session& session, const Args& args);
xbase::Status LLUNASA(frame::Session& session, const Args& args);
xbase::Status LLUNASASALES(frame::Session& session, const Args& args);
xbase::Status LTEMPOBL(frame::Session& session, const Args& args);
xbase::Status LTEMPOBLSALES(frame::Session& session, const Args& args);
xbase::Status KPIUMUR(frame::Session& session, const Args& args);
xbase::Status RKPIUMUR(frame::Session& session, const Args& args);

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_REPORT_SCREENS_H_
