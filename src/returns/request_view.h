// A return request as the head office and the branch see it in the request files: its header, and
// its lines with the goods names.
#ifndef PALUNDA_RETURNS_REQUEST_VIEW_H_
#define PALUNDA_RETURNS_REQUEST_VIEW_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "returns/draft.h"
#include "xbase/status.h"

namespace returns {

// The current row of the open request headers as a draft, with its lines from the request lines.
xbase::Status ReadRequest(frame::Session& session, Draft* request);

// The numbers (record numbers) of the open request headers, in key order, whose SETUJU is `marker`.
xbase::Status RequestsMarked(frame::Session& session, std::string_view marker, std::vector<uint32_t>* records);

}  // namespace returns

#endif  // PALUNDA_RETURNS_REQUEST_VIEW_H_
