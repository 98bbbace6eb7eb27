// The head office sends its approvals of negotiation minutes back to the branch: the confirmation
// files are made anew and each approval typed is copied into them.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/transfer_folder.h"
#include "frame/open_table.h"
#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "returns/negotiation.h"
#include "returns/negotiation_exchange.h"
#include "returns/return_procedures.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status KAPPBAC(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder;
  if (xbase::Status s = documents::StoredTransferFolder(session, &folder); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  const documents::FolderQuestion question{8, 15, "  Kirim konfirmasi approval BAC NEGO KE CABANG   ", "Folder :", "@S45"};
  if (!documents::AskTransferFolder(con, colour, question, &folder)) return frame::CloseTables(session, xbase::Status::OK());
  const std::string local = documents::TransferFolder(session, folder);
  if (!frame::Checked(session, CreateConfirmationFiles(local))) return frame::CloseTables(session, xbase::Status::OK());
  const TransferAreas files = OpenConfirmationFiles(session, local);
  if (files.empty()) return frame::CloseTables(session, xbase::Status::OK());
  for (;;) {
    con.Say(13, 12, "Nomor BAC :", con.Colour(colour));
    std::string number(10, ' ');
    console::GetList ask;
    ask.Add(13, 24, &number, "@!").valid = [&] {
      frame::PickSpec pick;
      pick.alias = kMinuteApprovals;
      return frame::Checked(session, frame::PickCode(session, pick, &number));
    };
    if (ask.Read(con).escaped || xbase::IsBlank(number)) break;
    if (console::Alert(con, "yakin konfirmasi approval akan dikirim", {"Ya", "Tidak"}) != 1) continue;
    frame::ShowFailure(session, SendConfirmation(session, tables, files, xbase::PadR(xbase::RTrim(number), 10)));
  }
  console::PESAN(con, "data sudah lengkap dan selesai");
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace returns
