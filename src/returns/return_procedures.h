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

}  // namespace returns

#endif  // PALUNDA_RETURNS_RETURN_PROCEDURES_H_
