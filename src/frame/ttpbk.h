// The monthly book closing: the process month moves one month forward once every delivery note and payment
// receipt dated in it is printed.
#ifndef PALUNDA_FRAME_TTPBK_H_
#define PALUNDA_FRAME_TTPBK_H_

#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// The menu screen: the closing's box, the check for unprinted documents, the confirmation and the new
// process month written into the LOGSETUP row marked DEFAULT.
xbase::Status TUTUPBUKU(Session& session, const std::vector<xbase::Value>& args);

// True when no delivery note (SRTJLN1) and no payment receipt (PIUTKR1) dated in the process month up to its
// last day is unprinted; otherwise lists their numbers in an alert and gives false. Needs OPENDATA.
bool CEKBELUMCETAK(Session& session);

// Opens the delivery-note and payment-receipt headers with their indexes; empty (neither left open) when
// one cannot be opened.
OpenedTables OPENDATA(Session& session);

}  // namespace frame

#endif  // PALUNDA_FRAME_TTPBK_H_
