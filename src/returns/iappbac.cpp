// The head office takes in the negotiation minutes a branch sent: each replaces the minute of its
// number, header and lists.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/message.h"
#include "documents/transfer_folder.h"
#include "frame/open_table.h"
#include "frame/import_folder.h"
#include "frame/status_display.h"
#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "returns/negotiation_exchange.h"
#include "returns/return_procedures.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status IAPPBAC(frame::Session& session, const Arguments&) {
  if (!MayApprove(session)) return xbase::Status::OK();
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder = xbase::PadR(frame::ImportFolder(session), 60);
  const documents::FolderQuestion question{8, 15, "         Impor data BAC NEGO dari cabang         ", "Folder :", "@S45"};
  if (documents::AskTransferFolder(con, colour, question, &folder)) {
    const std::string typed(xbase::AllTrim(folder));
    if (console::Alert(con, "Yakin impor data dari " + typed + "; akan dijalankan", {"Ya", "Tidak"}) == 1) {
      int merged = 0;
      if (frame::Checked(session, ImportMinutes(session, tables, documents::TransferFolder(session, folder), &merged))) {
        console::PESAN(con, "Impor BAC NEGO selesai: " + std::to_string(merged) + " BAC");
      }
    }
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace returns
