// Emptying the revision transfer tables once their revisions have been taken in.
#include <string>
#include <vector>

#include "console/get.h"
#include "console/message.h"
#include "documents/transfer_folder.h"
#include "exchange/exchange.h"
#include "exchange/revision_tables.h"
#include "frame/open_table.h"
#include "frame/save_scope.h"
#include "frame/status_display.h"
#include "xbase/text_functions.h"

namespace exchange {

xbase::Status HREVISI(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!frame::OpenTable(session, "SETUP", false, "setup")) {
    session.CloseTables();
    return xbase::Status::OK();
  }
  std::string folder;
  if (xbase::Status s = documents::StoredTransferFolder(session, &folder, kRevisionFolder); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  session.CloseTables();
  console::ScreenKeeper keep(con);
  con.Say(24, 0, "Isi Direktory : ");
  console::GetList ask;
  ask.Add(24, 16, &folder, "@S40");
  if (ask.Read(con).escaped || std::string(xbase::AllTrim(folder)).empty()) return xbase::Status::OK();
  const frame::OpenedTables tables = OpenRevisionTables(session, documents::TransferFolder(session, folder), true);
  if (!tables) return xbase::Status::OK();
  const int answer = console::PESAN(con, "Yakin Data revisi sj Cabang Akan Dihapus (Y/T)");
  xbase::Status s;
  if (answer == 'Y' || answer == 'y') {
    std::vector<xbase::WorkArea*> areas;
    for (const char* name : kRevisionTables) areas.push_back(&tables[name]);
    s = frame::ClearTables(con, areas);
  }
  frame::ShowFailure(session, s);
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace exchange
