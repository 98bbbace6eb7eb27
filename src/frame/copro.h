// " COPY DATA": copying one file of the data folder into another folder.
#ifndef PALUNDA_FRAME_COPRO_H_
#define PALUNDA_FRAME_COPRO_H_

#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

// Asks for a file of the data folder and a target folder, and copies the file there. A file of the
// same name there is overwritten only after "Ya" to "Ditimpa?", and not while a workstation has it
// open. A missing file, one outside the data folder or a failed copy is shown on row 24 and copies
// nothing; Esc or an empty field copies nothing. Closes all tables.
xbase::Status COPRO(Session& session, const std::vector<xbase::Value>& args);

}  // namespace frame

#endif  // PALUNDA_FRAME_COPRO_H_
