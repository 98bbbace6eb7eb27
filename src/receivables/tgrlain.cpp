// The import at the target branch of giros received for it by another branch: each transfer row is
// shown and, when confirmed, becomes (or again updates) an instrument marked as received on its behalf.
#include <filesystem>
#include <string>

#include "console/box.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "receivables/other_branches.h"
#include "receivables/transfer_files.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

void ShowRow(console::Console& con, const xbase::WorkArea& row, console::Attr attr) {
  con.Clear(11, 11, 19, 68, attr);
  const std::pair<const char*, std::string> fields[] = {
      {"Nomor      : ", row.Text("NOMOR")},
      {"Cabang     : ", row.Text("KDCB")},
      {"Keterangan : ", row.Text("KET")},
      {"Tanggal    : ", xbase::Dtoc(row.DateOf("TANGGAL"))},
      {"tg_terima  : ", xbase::Dtoc(row.DateOf("TG_TERIMA"))},
      {"relasi     : ", row.Text("RELASI")},
      {"code_id    : ", row.Text("CODE_ID")},
      {"debet      : ", xbase::Transform(xbase::Value::Num(row.Number("DEBET")), "999,999,999.99")},
      {"Notes      : ", row.Text("JURNAL")}};
  int line = 11;
  for (const auto& [label, value] : fields) con.Say(line++, 12, label + value, attr);
}

xbase::Status ImportRows(frame::Session& session, xbase::WorkArea& rows, xbase::WorkArea& giros, console::Attr attr) {
  console::Console& con = session.console();
  console::WARNING(con, "Proses Baca exgrd.....", "Gr+/r");
  xbase::Status s = rows.SetOrder(1);
  if (s.ok()) s = rows.GoTop();
  while (s.ok() && !rows.eof()) {
    ShowRow(con, rows, attr);
    const int answer = console::PESAN(con, "yakin kiriman giro akan diimport (Y/T)");
    if (answer == 'Y' || answer == 'y') {
      console::WARNING(con, "Proses tulis girodbt", "Gr+/r");
      if (s = ImportTransferRow(session, giros, rows); !s.ok()) break;
    }
    s = rows.Skip();
  }
  return s;
}

}  // namespace

xbase::Status TGRLAIN(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = frame::OpenTables(session, {{"GIRODBT", "GiroDbt"}, {"SETUP", "setup"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder); !s.ok()) return frame::CloseTables(session, s);
  xbase::Status s;
  if (AskTransferFolder(con, colour, {7, 20, "Impor kiriman GIRO dari cabang lain", "Dari Folder :", "@S40"},
                        &folder)) {
    const std::string local = TransferFolder(session, folder);
    std::string found;
    xbase::WorkArea* rows = nullptr;
    if (!xbase::FindInFolder(local, xbase::WithExtension(kGiroTransfer, "dbf"), &found).ok()) {
      console::PESAN(con, " file " + local + "/kirimgr.dbf, tidak ada");
    } else if (OpenTransferTable(session, local, kGiroTransfer, true, true, &rows)) {
      s = ImportRows(session, *rows, tables["GiroDbt"], con.Colour(colour));
    }
  }
  return frame::CloseTables(session, s);
}

}  // namespace receivables
