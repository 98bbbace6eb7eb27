// The giro activation import: a gr_aktif table from the head office switches instruments on and off.
#include <string>

#include "console/message.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "receivables/keyed_seek.h"
#include "receivables/piuttt.h"
#include "receivables/transfer_files.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr const char* kDefaultFolder = "d:\\data\\piutang";

// REALISASI of every GIRODBT row of each gr_aktif row's number takes that row's STATUS.
xbase::Status Activate(frame::Session& session, xbase::WorkArea& flags, int* changed) {
  xbase::WorkArea& instruments = TableArea(session, "GIRODBT");
  xbase::Status s = instruments.SetOrder("GIRODBT1");
  if (s.ok()) s = flags.GoTop();
  while (s.ok() && !flags.eof()) {
    std::vector<uint32_t> rows;
    s = instruments.SeekAll(instruments.PadToField("NOMOR", xbase::RTrim(flags.Text("NOMOR"))), &rows);
    for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
      if (s = instruments.GoTo(rows[i]); s.ok()) s = console::LOCK_REC(session.console(), instruments);
      if (s.ok()) s = instruments.Put("REALISASI", xbase::Value::Logical(flags.Logical("STATUS")));
      const xbase::Status unlocked = instruments.Unlock();
      if (s.ok()) s = unlocked;
      if (s.ok()) ++*changed;
    }
    if (s.ok()) s = flags.Skip();
  }
  return s;
}

}  // namespace

xbase::Status GRAKTIF(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!frame::OpenTable(session, "SETUP", false, "setup") || !frame::OpenTable(session, "GIRODBT")) {
    session.CloseTables();
    return xbase::Status::OK();
  }
  std::string folder = StoredTransferFolder(session, kDefaultFolder);
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  xbase::Status s;
  const bool escaped = !AskTransferFolder(con, colour, {9, 14, "IMPORT DATA AKTIVASI GIRO", "Dir :", "@S30"}, &folder);
  const int answer = escaped ? 0 : console::PESAN(con, "Yakin data akan diimpor (Y/T)");
  xbase::WorkArea* flags = nullptr;
  if ((answer == 'Y' || answer == 'y') &&
      OpenTransferTable(session, TransferFolder(session, folder), "gr_aktif", true, false, &flags)) {
    int changed = 0;
    s = Activate(session, *flags, &changed);
    if (s.ok()) console::PESAN(con, "Selesai: " + std::to_string(changed) + " giro diperbarui");
  }
  session.CloseTables();
  return s;
}

}  // namespace receivables
