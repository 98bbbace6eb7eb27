// This workstation's printer margins and lines per page, kept in its SETUP margin row.
#ifndef PALUNDA_FRAME_SETMRGN_H_
#define PALUNDA_FRAME_SETMRGN_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// Writes the margins into the SETUP row chr(238) + the first 9 characters of the workstation
// name of the open `setup` (appended when missing), under its lock.
xbase::Status SaveMargins(console::Console& con, xbase::WorkArea& setup, std::string_view workstation,
                          const PrinterMargins& margins);

// The margin screen: edits the lines per portrait and landscape page and the four margins, and
// on "simpan" keeps them in the session and in SETUP; "exit" leaves them, Esc goes back to them.
xbase::Status SETMRGN(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_SETMRGN_H_
