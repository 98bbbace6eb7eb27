// The branch applies the head office's confirmation of approved negotiation minutes: each minute is
// marked approved, its approval and goods rows stored and the goods taken into the goods master.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/message.h"
#include "documents/transfer_folder.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "returns/negotiation.h"
#include "returns/negotiation_exchange.h"
#include "returns/return_procedures.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status RAPPBAC(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder = xbase::PadR("D:\\data\\sales", 60);
  const documents::FolderQuestion question{8, 15, "       KONFIRMASI REALISASI APPROVAL BAC NEGO    ", "Folder :", "@S45"};
  const bool asked = documents::AskTransferFolder(con, colour, question, &folder) &&
                     console::Alert(con, "KONFIRMASI REALISASI APPROVAL BAC NEGO", {"Proses", "Batal"}) == 1;
  const TransferAreas files =
      asked ? OpenConfirmationFiles(session, documents::TransferFolder(session, folder)) : TransferAreas();
  if (!files.empty()) {
    int applied = 0;
    if (frame::Checked(session, ApplyConfirmations(session, tables, files, &applied))) {
      console::PESAN(con, "Konfirmasi Approval BAC NEGO berhasil");
    }
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace returns
