// The branch sends negotiation minutes to head office: the minute files are made anew in the transfer
// folder and each minute typed is copied into them.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/transfer_folder.h"
#include "frame/open_table.h"
#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/negotiation.h"
#include "returns/negotiation_exchange.h"
#include "returns/return_procedures.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status PAPPBAC(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder;
  if (xbase::Status s = documents::StoredTransferFolder(session, &folder, "C:\\TMPLAP"); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  const documents::FolderQuestion question{8, 15, "          Kirim data BAC NEGO ke pusat           ", "Folder :", "@S45"};
  if (!documents::AskTransferFolder(con, colour, question, &folder)) return frame::CloseTables(session, xbase::Status::OK());
  const std::string local = documents::TransferFolder(session, folder);
  console::WARNING(con, "Tunggu Sedang buat file Laporan", "W+/r");
  if (!frame::Checked(session, CreateMinuteFiles(local))) return frame::CloseTables(session, xbase::Status::OK());
  const TransferAreas files = OpenMinuteFiles(session, local);
  if (files.empty()) return frame::CloseTables(session, xbase::Status::OK());
  con.Clear(24, 0, 24, 79, con.colours().standard);
  for (;;) {
    con.Say(13, 12, "Nomor BAC :", con.Colour(colour));
    std::string number(10, ' ');
    console::GetList ask;
    ask.Add(13, 24, &number, "@!").valid = [&] {
      if (!PickMinuteNumber(session, &number)) return false;
      bool found = false;
      if (!frame::Checked(session, SeekMinute(tables, number, &found))) return false;
      return xbase::IsBlank(number) || found || pickers::Refuse(session, "Nomor " + std::string(xbase::RTrim(number)) + " tidak ada");
    };
    if (ask.Read(con).escaped || xbase::IsBlank(number)) break;
    const std::string shown(xbase::RTrim(number));
    if (console::Alert(con, "Yakin BAC " + shown + " akan diajukan untuk Approval", {"Ya", "Tidak"}) != 1) continue;
    if (frame::Checked(session, SendMinute(session, tables, files, number))) console::PESAN(con, "BAC NEGO No. " + shown + " sudah masuk");
  }
  console::PESAN(con, "silahkan email file2 dari " + std::string(xbase::RTrim(folder)) + " ke pusat");
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace returns
