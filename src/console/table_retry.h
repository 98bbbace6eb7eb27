// Waiting for a table or a lock that another workstation holds.
#ifndef PALUNDA_CONSOLE_TABLE_RETRY_H_
#define PALUNDA_CONSOLE_TABLE_RETRY_H_

#include <functional>
#include <string_view>

#include "console/console.h"
#include "xbase/status.h"

namespace console {

// True for the failures that go away when another workstation lets go: a file in use, a lock
// held elsewhere.
bool IsBusy(const xbase::Status& status);

// Run open until it succeeds. While the table is held elsewhere, row 24 shows (once)
// "Mencoba membuka file " + name + ".Dbf, tekan [Esc]=batal...." in "Gr+/r" and each try waits
// up to `seconds` for a key; Esc gives up. Any other failure (a missing or damaged table) is
// not retried: it is shown on row 24 and waits for a key. The screen is put back; true when
// the table is open.
bool OpenWithRetry(Console& con, std::string_view name, int seconds, const std::function<xbase::Status()>& open);

// Repeat an attempt while what it needs is held elsewhere, pausing a moment between tries;
// returns the first result that is not such a refusal.
xbase::Status RepeatWhileBusy(const std::function<xbase::Status()>& attempt);

}  // namespace console

#endif  // PALUNDA_CONSOLE_TABLE_RETRY_H_
