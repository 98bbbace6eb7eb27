// HPSTAG: every stock-taking tag removed once the stock-taking is over.
#include "console/alert.h"
#include "console/message.h"
#include "frame/save_scope.h"
#include "frame/status_display.h"
#include "stock/stock_screens.h"

namespace stock {

xbase::Status HPSTAG(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"OPNAME", {}, true}});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  if (console::Alert(con, "Yakin Data Tag (Stock Opname) akan dihapus", {"Hapus", "Batal"}) == 1) {
    if (frame::Checked(session, frame::ClearTables(con, {&tables["OPNAME"]}))) console::Alert(con, "proses hapus tag (stock opname) berhasil");
  }
  return session.tables().CloseAll();
}

}  // namespace stock
