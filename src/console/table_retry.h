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

// Run `attempt` until it gives something other than a refusal by another holder. While it is
// refused, row 24 shows `notice` (once) in "Gr+/r" and each try waits `waits` times up to `wait_ms`
// for a key; Esc gives up (`*gave_up`) and the refusal is returned. Row 24 is not put back.
xbase::Status RetryWhileBusy(Console& con, std::string_view notice, int waits, int wait_ms,
                             const std::function<xbase::Status()>& attempt, bool* gave_up);

// Run open until it succeeds. While the table is held elsewhere, row 24 shows (once)
// "Mencoba membuka file " + name + ".Dbf, tekan [Esc]=batal...." in "Gr+/r" and each try waits
// up to `seconds` for a key; Esc gives up. Any other failure (a missing or damaged table) is
// not retried: it is shown on row 24 and waits for a key. The screen is put back; true when
// the table is open.
bool OpenWithRetry(Console& con, std::string_view name, int seconds, const std::function<xbase::Status()>& open);

// Repeat a record lock or append while another workstation holds what it needs, showing `notice`
// on row 24 meanwhile; Esc gives up and returns the refusal. Row 24 is put back.
xbase::Status RetryRecordWhileBusy(Console& con, std::string_view notice,
                                   const std::function<xbase::Status()>& attempt);

}  // namespace console

#endif  // PALUNDA_CONSOLE_TABLE_RETRY_H_
