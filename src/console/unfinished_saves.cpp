// Undoing unfinished saves, with a line on row 24 for each.
#include "console/unfinished_saves.h"

#include <vector>

#include "console/message.h"

namespace console {

xbase::Status RecoverUnfinishedSaves(Console& con, const std::string& folder, xbase::RecoveryScope scope) {
  std::vector<xbase::RecoveredSave> recovered;
  const xbase::Status s = xbase::RecoverFolder(folder, scope, &recovered);
  // A journal cut short before its save wrote anything undoes nothing worth a word.
  for (const xbase::RecoveredSave& save : recovered) {
    if (!save.torn) PESAN(con, xbase::RecoveryNotice(save));
  }
  return s;
}

}  // namespace console
