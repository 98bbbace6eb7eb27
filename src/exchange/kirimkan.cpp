// The screen that prepares the branch export set for the head office.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/transfer_folder.h"
#include "exchange/exchange.h"
#include "frame/open_table.h"
#include "xbase/text_functions.h"

namespace exchange {

xbase::Status KIRIMKAN(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!frame::OpenTable(session, "SETUP", false, "setup")) {
    session.CloseTables();
    return xbase::Status::OK();
  }
  std::string folder;
  if (xbase::Status s = documents::StoredTransferFolder(session, &folder); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  session.CloseTables();
  xbase::Date first = session.Today();
  xbase::Date last = session.Today();
  console::ScreenKeeper keep(con);
  const std::string colour = "W/n";
  for (;;) {
    console::SHADOW(con, 5, 15, 12, 64, colour);
    console::TENGAH(con, 6, "Persiapan Kirim data ke pusat", colour);
    const console::Attr attr = con.Colour(colour);
    con.Say(8, 20, "Tanggal : ", attr);
    con.Say(9, 16, "s/d Tanggal : ", attr);
    con.Say(10, 18, "ke Folder :", attr);
    console::GetList ask;
    ask.Add(8, 30, &first).colour = "Gr+/n,Gr+/r";
    ask.Add(9, 30, &last).colour = "Gr+/n,Gr+/r";
    ask.Add(10, 30, &folder, "@S30").colour = "Gr+/n,Gr+/r";
    if (ask.Read(con).escaped) break;
    if (console::Alert(con, "Yakin Proses persiapan kirim data akan dijalankan", {"Ya", "Tidak"}) != 1) continue;
    if (PROSESKIRIMDATA(session, first, last, folder)) {
      console::PESAN(con, "silahkan email file2 dari " + std::string(xbase::AllTrim(folder)) + " ke pusat");
    } else {
      console::PESAN(con, "Persiapan kirim data tidak selesai");
    }
    break;
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace exchange
