// Telling the clerk about saves that workstations which died left unfinished, as they are undone.
#ifndef PALUNDA_CONSOLE_UNFINISHED_SAVES_H_
#define PALUNDA_CONSOLE_UNFINISHED_SAVES_H_

#include <string>

#include "console/console.h"
#include "xbase/journal_recovery.h"
#include "xbase/status.h"

namespace console {

// Undoes the unfinished saves in `folder` (xbase/journal_recovery.h), each told in one line on row 24
// (waiting for a key). The session's start and every save call it.
xbase::Status RecoverUnfinishedSaves(Console& con, const std::string& folder, xbase::RecoveryScope scope);

}  // namespace console

#endif  // PALUNDA_CONSOLE_UNFINISHED_SAVES_H_
