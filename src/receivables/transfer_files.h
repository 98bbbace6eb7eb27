// The transfer files that carry instruments between sites: tables in a folder named by the user, each
// with an index file of its own name.
#ifndef PALUNDA_RECEIVABLES_TRANSFER_FILES_H_
#define PALUNDA_RECEIVABLES_TRANSFER_FILES_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/work_area.h"

namespace receivables {

// The folder of transfer files typed or stored (SETUP "TMPFILEEXP"), as this machine names it.
std::string TransferFolder(const frame::Session& session, std::string_view typed);

// Opens table `name` of `folder` under the alias `name` (exclusively when asked), with its index
// file `name` when `with_index`; retries while another workstation holds it, and names a missing or
// damaged file on row 24. True when open.
bool OpenTransferTable(frame::Session& session, const std::string& folder, std::string_view name, bool exclusive,
                       bool with_index, xbase::WorkArea** area);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_TRANSFER_FILES_H_
