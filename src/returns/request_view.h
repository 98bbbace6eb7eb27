// A return request as the head office and the branch see it in the request files: its header, and
// its lines with the goods names.
#ifndef PALUNDA_RETURNS_REQUEST_VIEW_H_
#define PALUNDA_RETURNS_REQUEST_VIEW_H_

#include <string>
#include <vector>

#include "returns/draft.h"
#include "returns/return_tables.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace returns {

// The current row of the request headers as a draft, with its lines from the request lines and
// their names from `goods` (MASTBRJ).
xbase::Status ReadRequest(xbase::WorkArea& goods, const RequestFiles& files, Draft* request);

// The numbers (record numbers) of the request headers `headers`, in key order, whose SETUJU is `marker`.
xbase::Status RequestsMarked(xbase::WorkArea& headers, std::string_view marker, std::vector<uint32_t>* records);

}  // namespace returns

#endif  // PALUNDA_RETURNS_REQUEST_VIEW_H_
