// What the negotiation minute screens share: the question before a minute is left unsaved, and the
// save with its outcome told.
#ifndef PALUNDA_RETURNS_NEGOTIATION_SCREENS_H_
#define PALUNDA_RETURNS_NEGOTIATION_SCREENS_H_

#include <string>

#include "console/console.h"
#include "frame/session.h"
#include "returns/negotiation.h"
#include "xbase/status.h"

namespace returns {

// "yakin keluar dari BAC-NEGO": true unless answered "Tidak".
bool AskLeaveMinute(console::Console& con);

// The PEC number: "?" picks one; it must be in PEC ("PEC No " + number + ", belum terdaftar").
bool TakePec(frame::Session& session, std::string* pec);

// Shows why a save failed, unless the numbering told it already (a missing counter row or a number
// in use). False for a failure.
bool ToldSave(frame::Session& session, const xbase::Status& status);

// Saves the minute; a new one ends with its number shown. False after a refusal, which was shown.
bool SaveAndTell(frame::Session& session, const frame::OpenedTables& tables, Minute* minute);

}  // namespace returns

#endif  // PALUNDA_RETURNS_NEGOTIATION_SCREENS_H_
