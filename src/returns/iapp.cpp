// The outcome of the late-payment requests at the branch, written onto the receivables.
#include <string>

#include "console/message.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/late_payments.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"

namespace returns {

xbase::Status IAPP(frame::Session& session, const Arguments&) {
  console::Console& con = session.console();
  const int answer = console::PESAN(con, "yakin data approval akan diimpor (y/t)");
  if (answer != 'y' && answer != 'Y') return xbase::Status::OK();
  const frame::OpenedTables tables = frame::OpenTables(session, {"PIUTDBT", "KIRIMAPP"});
  if (!tables) return xbase::Status::OK();
  int done = 0;
  bool imported = false;
  xbase::Status s = ImportApprovals(session, tables, &done, &imported);
  if (s.ok() && imported) console::PESAN(con, "proses approval SUKSES");
  frame::ShowFailure(session, s);
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace returns
