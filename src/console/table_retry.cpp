#include "console/table_retry.h"

#include <chrono>
#include <string>
#include <thread>

#include "console/keys.h"
#include "console/message.h"

namespace console {
namespace {

constexpr auto kRetryPause = std::chrono::milliseconds(50);

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool IsBusy(const xbase::Status& status) { return status.IsInUse() || status.IsLocked(); }

bool OpenWithRetry(Console& con, std::string_view name, int seconds, const std::function<xbase::Status()>& open) {
  ScreenKeeper keeper(con);
  bool told = false;
  for (;;) {
    const xbase::Status status = open();
    if (status.ok()) return true;
    if (!IsBusy(status)) {
      PESAN(con, status.message());
      return false;
    }
    if (!told) {
      const Attr attr = con.Colour("Gr+/r");
      con.Clear(kMessageRow, 0, kMessageRow, kCols - 1, attr);
      con.Say(kMessageRow, 0, "Mencoba membuka file " + std::string(Trim(name)) + ".Dbf, tekan [Esc]=batal....", attr);
      told = true;
    }
    int key = key::kNone;
    for (int waited = 0; waited < std::max(seconds, 1) && key == key::kNone; ++waited) key = con.Inkey(1000);
    if (key == key::kEsc) return false;
  }
}

xbase::Status RepeatWhileBusy(const std::function<xbase::Status()>& attempt) {
  for (;;) {
    xbase::Status status = attempt();
    if (!IsBusy(status)) return status;
    std::this_thread::sleep_for(kRetryPause);
  }
}

}  // namespace console
