// Showing a failed status to the clerk: its message on row 24 (a longer one in a box) in the
// message colour, until a key is pressed. Every screen shows a failure this way.
#ifndef PALUNDA_FRAME_STATUS_DISPLAY_H_
#define PALUNDA_FRAME_STATUS_DISPLAY_H_

#include "frame/session.h"
#include "xbase/status.h"

namespace frame {

// Shows the message of a failed status on row 24 and waits for a key; an OK status shows nothing.
// For a failure after which the screen goes on as it would anyway (the next form, the next choice).
void ShowFailure(Session& session, const xbase::Status& status);

// True for an OK status; a failed one is shown as ShowFailure shows it and gives false, and the
// caller stops what depended on it.
[[nodiscard]] bool Checked(Session& session, const xbase::Status& status);

}  // namespace frame

#endif  // PALUNDA_FRAME_STATUS_DISPLAY_H_
