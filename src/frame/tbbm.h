// "Tabel BBM": the editor of the fuel prices of TBBM.
#ifndef PALUNDA_FRAME_TBBM_H_
#define PALUNDA_FRAME_TBBM_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// Runs the editor until Esc.
xbase::Status TBBM(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_TBBM_H_
