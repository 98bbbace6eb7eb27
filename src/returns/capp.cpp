// The list of the late-payment requests still pending at the branch.
#include <vector>

#include "console/message.h"
#include "frame/open_table.h"
#include "returns/late_payments.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"

namespace returns {

xbase::Status CAPP(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {"MASTCUS", "PIUTDBT", "KIRIMAPP"});
  if (!tables) return xbase::Status::OK();
  std::vector<LateRequest> requests;
  xbase::Status s = LoadLateRequests(tables["KIRIMAPP"], &requests);
  if (s.ok() && requests.empty()) {
    console::PESAN(session.console(), "tidak ada pengajuan approval");
  } else if (s.ok()) {
    CETAKPRINTER(session, tables, requests);
  }
  session.CloseTables();
  return s;
}

}  // namespace returns
