// Showing a failed status on row 24.
#include "frame/status_display.h"

#include "console/message.h"

namespace frame {

void ShowFailure(Session& session, const xbase::Status& status) {
  if (!status.ok()) console::PESAN(session.console(), status.message(), "Gr+/r");
}

bool Checked(Session& session, const xbase::Status& status) {
  ShowFailure(session, status);
  return status.ok();
}

}  // namespace frame
