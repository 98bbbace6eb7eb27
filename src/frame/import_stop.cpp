// Where an import stopped, on row 24.
#include "frame/import_stop.h"

#include <string>

#include "console/message.h"
#include "frame/status_display.h"
#include "xbase/text_functions.h"

namespace frame {

void ShowImportStop(Session& session, const xbase::Status& status, std::string_view file, uint32_t row,
                    std::string_view key, std::string_view outcome) {
  ShowFailure(session, status);
  if (row == 0) return;
  console::PESAN(session.console(), "Impor berhenti di " + std::string(file) + " record " + std::to_string(row) +
                                        " (" + std::string(xbase::AllTrim(key)) + "): " + std::string(outcome));
}

}  // namespace frame
