// The realisation of an approved return request at the branch: the return document written from the
// draft, the goods put back into stock, the return registered as a payment instrument.
#ifndef PALUNDA_RETURNS_REALISATION_H_
#define PALUNDA_RETURNS_REALISATION_H_

#include <string>

#include "frame/open_table.h"
#include "frame/session.h"
#include "returns/return_tables.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace returns {

// What the head office approved: the request's number, its approval date, the approver's second
// reason (the settlement code of the return) and the warehouse the goods go into.
struct Approval {
  std::string number;
  xbase::Date date;
  std::string reason2;
  std::string warehouse;
};

// The tables of the realisation; false (all closed) when one cannot be opened.
frame::OpenedTables OpenRealisationTables(frame::Session& session);

// What became of an approved request.
enum class Outcome { kRealised, kAlreadyRealised, kRefused };

// REALISASIRETURJUAL: realises the approved draft. Refused with a message (nothing written) when the
// draft is missing, the second reason is not a return code, or the number is held by another kind
// of instrument. A draft already realised is left as it is, so the same approval realised again
// changes nothing. The request's rows stay in the request files; the caller removes them.
xbase::Status REALISASIRETURJUAL(frame::Session& session, const frame::OpenedTables& tables, const Approval& approval,
                                 Outcome* outcome);

// Deletes the request `number` from the request files, lines and header all or nothing; a lock
// given up is told, deletes nothing and leaves *removed false.
xbase::Status RemoveRequest(frame::Session& session, const RequestFiles& files, const std::string& number, bool* removed);

}  // namespace returns

#endif  // PALUNDA_RETURNS_REALISATION_H_
