// The entry procedures of the returns and approvals, as the registry runs them.
#ifndef PALUNDA_RETURNS_RETURN_PROCEDURES_H_
#define PALUNDA_RETURNS_RETURN_PROCEDURES_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace returns {

using Arguments = std::vector<xbase::Value>;

xbase::Status DRAFTR1(frame::Session& session, const Arguments& args);    // return draft entry
xbase::Status CBRPR1(frame::Session& session, const Arguments& args);     // pick-up form of a draft
xbase::Status AJUKANR1(frame::Session& session, const Arguments& args);   // drafts sent for approval
xbase::Status CAJUKANR1(frame::Session& session, const Arguments& args);  // listing of the requests
xbase::Status APPRT1(frame::Session& session, const Arguments& args);     // approval at head office
xbase::Status REALR1(frame::Session& session, const Arguments& args);     // realisation of approved requests
xbase::Status CBRT(frame::Session& session, const Arguments& args);       // return receipt form
xbase::Status RTADMIN(frame::Session& session, const Arguments& args);    // administrative return
xbase::Status KAPP(frame::Session& session, const Arguments& args);       // late-payment review at head office
xbase::Status IAPP(frame::Session& session, const Arguments& args);       // late-payment outcome at the branch
xbase::Status CAPP(frame::Session& session, const Arguments& args);       // pending late-payment list
xbase::Status BACN1(frame::Session& session, const Arguments& args);      // negotiation minute entry
xbase::Status APPBAC(frame::Session& session, const Arguments& args);     // minute approval at head office
xbase::Status COPYBACNG(frame::Session& session, const Arguments& args);  // minute duplication
xbase::Status PAPPBAC(frame::Session& session, const Arguments& args);    // minutes sent to head office
xbase::Status IAPPBAC(frame::Session& session, const Arguments& args);    // minutes taken in at head office
xbase::Status KAPPBAC(frame::Session& session, const Arguments& args);    // approvals sent to the branch
xbase::Status RAPPBAC(frame::Session& session, const Arguments& args);    // approvals applied at the branch
xbase::Status CBACN1(frame::Session& session, const Arguments& args);     // minute form F-MK-013
xbase::Status LSBAC(frame::Session& session, const Arguments& args);      // list of the minutes

}  // namespace returns

#endif  // PALUNDA_RETURNS_RETURN_PROCEDURES_H_
