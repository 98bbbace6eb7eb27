// An import that stopped at one of its incoming records: what stopped it, then where.
#ifndef PALUNDA_FRAME_IMPORT_STOP_H_
#define PALUNDA_FRAME_IMPORT_STOP_H_

#include <cstdint>
#include <string_view>

#include "frame/session.h"
#include "xbase/status.h"

namespace frame {

// Shows the failed `status` on row 24 and, when `row` is not 0, "Impor berhenti di FILE record ROW
// (KEY): OUTCOME": what came before row `row` of the incoming `file` is imported whole, of that row's
// record or document nothing is written.
void ShowImportStop(Session& session, const xbase::Status& status, std::string_view file, uint32_t row,
                    std::string_view key, std::string_view outcome);

}  // namespace frame

#endif  // PALUNDA_FRAME_IMPORT_STOP_H_
