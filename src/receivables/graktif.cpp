// The giro activation import: a gr_aktif table from the head office switches instruments on and off.
#include <cstdint>
#include <string>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/save_scope.h"
#include "frame/import_stop.h"
#include "frame/open_table.h"
#include "receivables/piuttt.h"
#include "receivables/transfer_files.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr const char* kDefaultFolder = "d:\\data\\piutang";

// REALISASI of every GIRODBT row of the current gr_aktif row's number takes that row's STATUS, all or
// nothing: every one of those rows is locked first.
xbase::Status ActivateOne(frame::Session& session, const xbase::WorkArea& flags, xbase::WorkArea& instruments,
                          int* changed) {
  std::vector<uint32_t> rows;
  xbase::Status s = instruments.SeekAll(instruments.PadToField("NOMOR", xbase::RTrim(flags.Text("NOMOR"))), &rows);
  if (!s.ok() || rows.empty()) return s;
  documents::SaveScope save(session.console());
  for (const uint32_t row : rows) save.Update(instruments, row);
  if (s = save.Lock(); !s.ok()) return s;
  s = save.BeginWrites();
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = instruments.GoTo(rows[i]); s.ok()) s = console::LOCK_REC(session.console(), instruments);
    if (s.ok()) s = instruments.Put("REALISASI", xbase::Value::Logical(flags.Logical("STATUS")));
  }
  s = save.CommitWrites(s);
  if (s.ok()) *changed += static_cast<int>(rows.size());
  return s;
}

// Every gr_aktif row in turn, each as one save. A lock given up or a failed write stops the import:
// the rows before stay activated, *stopped names the row it stopped at.
xbase::Status Activate(frame::Session& session, xbase::WorkArea& flags, xbase::WorkArea& instruments, int* changed,
                       uint32_t* stopped) {
  xbase::Status s = instruments.SetOrder("GIRODBT1");
  if (s.ok()) s = flags.GoTop();
  while (s.ok() && !flags.eof()) {
    s = ActivateOne(session, flags, instruments, changed);
    if (!s.ok()) *stopped = flags.recno();
    if (s.ok()) s = flags.Skip();
  }
  return s;
}

}  // namespace

xbase::Status GRAKTIF(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = frame::OpenTables(session, {{"SETUP", "setup"}, "GIRODBT"});
  if (!tables) return xbase::Status::OK();
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder, kDefaultFolder); !s.ok()) {
    return frame::CloseTables(session, s);
  }
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  xbase::Status s;
  const bool escaped = !AskTransferFolder(con, colour, {9, 14, "IMPORT DATA AKTIVASI GIRO", "Dir :", "@S30"}, &folder);
  const int answer = escaped ? 0 : console::PESAN(con, "Yakin data akan diimpor (Y/T)");
  xbase::WorkArea* flags = nullptr;
  if ((answer == 'Y' || answer == 'y') &&
      OpenTransferTable(session, TransferFolder(session, folder), "gr_aktif", true, false, &flags)) {
    int changed = 0;
    uint32_t stopped = 0;
    s = Activate(session, *flags, tables["GIRODBT"], &changed, &stopped);
    if (s.ok()) {
      console::PESAN(con, "Selesai: " + std::to_string(changed) + " giro diperbarui");
    } else {
      frame::ShowImportStop(session, s, "gr_aktif", stopped, stopped != 0 ? flags->Text("NOMOR") : "",
                            "giro ini tidak diperbarui");
    }
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
