// Recovery: finishing the saves of workstations that died while writing. A save journal whose lock is
// free belongs to a process that is gone; before any of our workstations writes a file it names, the
// save it describes is undone: under the same locks the save held, the bytes it overwrote go back and
// every file gets its old length again. A journal cut short while it was written (nothing was
// applied yet) is simply removed.
#ifndef PALUNDA_XBASE_JOURNAL_RECOVERY_H_
#define PALUNDA_XBASE_JOURNAL_RECOVERY_H_

#include <cstdint>
#include <string>
#include <vector>

#include "xbase/status.h"

namespace xbase {

// What recovery did with one journal.
struct RecoveredSave {
  std::string journal;              // the journal's file name
  std::string host;                 // the workstation and process that died
  uint32_t pid = 0;
  bool torn = false;                // cut short before the save changed anything: removed
  std::vector<std::string> files;   // files put back as they were before the save
  std::vector<std::string> grown;   // of those, files left longer than the save left them: others
                                    // appended after it, and that is never cut off
};

// Which journals a recovery looks at.
enum class RecoveryScope {
  kChanged,  // only journals that hold something (before a save: quick)
  kAll,      // also the empty journals of workstations that are gone (a session's start, dbtool)
};

// Finishes every journal in `folder` whose owner is gone and says what it did in `recovered` (empty
// journals removed are not named). Locked when a named file stays locked by someone else for a few
// seconds: the journal is kept and nothing of it is undone.
Status RecoverFolder(const std::string& folder, RecoveryScope scope, std::vector<RecoveredSave>* recovered);

// One line for the message row telling the user what was undone.
std::string RecoveryNotice(const RecoveredSave& save);

}  // namespace xbase

#endif  // PALUNDA_XBASE_JOURNAL_RECOVERY_H_
