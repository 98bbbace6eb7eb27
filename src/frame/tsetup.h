// "Tabel Setup": the editor of every setting of SETUP, its key and value.
#ifndef PALUNDA_FRAME_TSETUP_H_
#define PALUNDA_FRAME_TSETUP_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// Runs the editor until Esc.
xbase::Status TSETUP(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_TSETUP_H_
