// The return requests travelling to head office: the request files made empty, drafts sent into
// them, and the approval written onto a request.
#ifndef PALUNDA_RETURNS_REQUESTS_H_
#define PALUNDA_RETURNS_REQUESTS_H_

#include <string>

#include "frame/open_table.h"
#include "frame/session.h"
#include "returns/return_tables.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace returns {

// Which drafts are sent: number and customer prefixes (trimmed; empty takes all) and a date range.
struct SendFilter {
  std::string number;
  std::string customer;
  xbase::Date from, to;
};

// Sends the drafts (DRAFTR1 and DRAFTR2 of `tables`) of the filter that are neither approved nor sent
// and have lines: a draft whose number the request files lack is copied into them (header and lines,
// through the draft's bound fields), and every draft taken is marked sent. All or nothing: a lock
// given up is told, writes nothing and leaves *saved false. *sent counts the drafts marked.
xbase::Status SendDrafts(frame::Session& session, const frame::OpenedTables& tables, const RequestFiles& files,
                         const SendFilter& filter, int* sent, bool* saved);

// Writes the approval onto the current row of the request headers `headers`: the marker, the
// approval date and the approver's second reason.
xbase::Status ApproveRequest(frame::Session& session, xbase::WorkArea& headers, xbase::Date date,
                             const std::string& reason2);

}  // namespace returns

#endif  // PALUNDA_RETURNS_REQUESTS_H_
