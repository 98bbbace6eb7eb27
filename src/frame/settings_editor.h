// The table editors of the settings: SETUP (key and value of every setting) and TBBM (fuel prices).
#ifndef PALUNDA_FRAME_SETTINGS_EDITOR_H_
#define PALUNDA_FRAME_SETTINGS_EDITOR_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// "Tabel Setup": the editor of SETUP.
xbase::Status TSETUP(Session& session, const std::vector<xbase::Value>& args);
// "Tabel BBM": the editor of the fuel prices.
xbase::Status TBBM(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_SETTINGS_EDITOR_H_
