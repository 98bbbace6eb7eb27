// The screen that merges a branch export set at the head office.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "exchange/exchange.h"
#include "frame/import_folder.h"
#include "frame/open_table.h"
#include "xbase/text_functions.h"

namespace exchange {

xbase::Status IMPORKAN(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!frame::OpenTable(session, "SETUP", false, "setup")) {
    session.CloseTables();
    return xbase::Status::OK();
  }
  std::string folder = xbase::PadR(frame::ImportFolder(session), 60);
  session.CloseTables();
  console::ScreenKeeper keep(con);
  const std::string colour = "W/n";
  for (;;) {
    console::SHADOW(con, 5, 15, 10, 64, colour);
    console::TENGAH(con, 6, "Impor data kiriman dari cabang", colour);
    con.Say(8, 17, "Dari Folder :", con.Colour(colour));
    console::GetList ask;
    ask.Add(8, 30, &folder, "@S30").colour = "Gr+/n,Gr+/r";
    if (ask.Read(con).escaped) break;
    const std::string typed(std::string(xbase::AllTrim(folder)));
    if (console::Alert(con, "Yakin impor data dari " + typed + "; akan dijalankan", {"Ya", "Tidak"}) != 1) continue;
    if (PROSESIMPORDATA(session, folder)) {
      console::PESAN(con, "Impor data dari " + typed + " selesai");
    } else {
      console::PESAN(con, "Impor data tidak selesai");
    }
    break;
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace exchange
