// HPSTAG: every stock-taking tag removed once the stock-taking is over.
#include "console/alert.h"
#include "console/message.h"
#include "frame/status_display.h"
#include "stock/stock_screens.h"
#include "xbase/work_area.h"

namespace stock {

xbase::Status HPSTAG(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"OPNAME", {}, true}});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  if (console::Alert(con, "Yakin Data Tag (Stock Opname) akan dihapus", {"Hapus", "Batal"}) == 1) {
    xbase::WorkArea& tags = tables["OPNAME"];
    xbase::Status s = tags.table().RefreshCount();
    for (uint32_t r = 1; s.ok() && r <= tags.table().record_count(); ++r) {
      s = tags.GoTo(r);
      if (s.ok()) s = tags.Delete();
    }
    if (s.ok()) s = tags.table().Pack();
    if (frame::Checked(session, s)) console::Alert(con, "proses hapus tag (stock opname) berhasil");
  }
  return session.tables().CloseAll();
}

}  // namespace stock
