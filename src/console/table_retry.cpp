// Waiting for a table or a lock that another workstation holds.
#include "console/table_retry.h"

#include <algorithm>
#include <string>

#include "console/keys.h"
#include "console/message.h"
#include "xbase/text_functions.h"

namespace console {
namespace {

// Between two tries of a record lock or append held by another workstation.
constexpr int kRetryPauseMs = 100;

}  // namespace

bool IsBusy(const xbase::Status& status) { return status.IsInUse() || status.IsLocked(); }

xbase::Status RetryWhileBusy(Console& con, std::string_view notice, int waits, int wait_ms,
                             const std::function<xbase::Status()>& attempt, bool* gave_up) {
  *gave_up = false;
  bool told = false;
  for (;;) {
    const xbase::Status status = attempt();
    if (!IsBusy(status)) return status;
    if (!told) {
      const Attr attr = con.Colour("Gr+/r");
      con.Clear(kMessageRow, 0, kMessageRow, kCols - 1, attr);
      con.Say(kMessageRow, 0, notice, attr);
      told = true;
    }
    int key = key::kNone;
    for (int waited = 0; waited < std::max(waits, 1) && key == key::kNone; ++waited) key = con.Inkey(wait_ms);
    if (key == key::kEsc) {
      *gave_up = true;
      return status;
    }
  }
}

bool OpenWithRetry(Console& con, std::string_view name, int seconds, const std::function<xbase::Status()>& open) {
  ScreenKeeper keeper(con);
  bool gave_up = false;
  const std::string notice = "Mencoba membuka file " + std::string(xbase::AllTrim(name)) + ".Dbf, tekan [Esc]=batal....";
  const xbase::Status status = RetryWhileBusy(con, notice, seconds, 1000, open, &gave_up);
  if (!status.ok() && !gave_up) PESAN(con, status.message());
  return status.ok();
}

xbase::Status RetryRecordWhileBusy(Console& con, std::string_view notice,
                                   const std::function<xbase::Status()>& attempt) {
  const Region row = con.Save(kMessageRow, 0, kMessageRow, kCols - 1);
  bool gave_up = false;
  const xbase::Status status = RetryWhileBusy(con, notice, 1, kRetryPauseMs, attempt, &gave_up);
  con.Restore(row);
  return status;
}

}  // namespace console
