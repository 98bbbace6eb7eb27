// The list of the transfer rows of giros waiting to be sent to other branches.
#include <string>

#include "console/message.h"
#include "frame/open_table.h"
#include "frame/save_scope.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "receivables/keyed_seek.h"
#include "receivables/other_branches.h"
#include "receivables/transfer_files.h"
#include "xbase/picture.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

const std::string kRule(92, '-');

// The list names each row's customer: a customer that cannot be read stops it with the failure shown
// (a missing one prints blank).
bool PrintList(frame::Session& session, xbase::WorkArea& rows, xbase::WorkArea& customers) {
  frame::ReportWriter report(session, "lapor");
  if (!report.Start() || !report.NewPage()) return false;
  for (const std::string& line :
       {std::string("DAFTAR GIRO UNTUK CABANG LAIN "), kRule,
        std::string("NO. CABANG NOMOR                RELASI     NAMA                                   JUMLAH"),
        kRule}) {
    if (!report.Line(line, "S")) return false;
  }
  int n = 0;
  xbase::Status s = rows.SetOrder(1);
  if (s.ok()) s = rows.GoTop();
  while (s.ok() && !rows.eof()) {
    std::string name;
    bool found = false;
    if (s = SeekExact(customers, "MASTCUS1", "RELASI", rows.Text("RELASI"), &found); !s.ok()) break;
    if (found) name = customers.Text("NAMA");
    const std::string line = xbase::Str(++n, 3) + " " + rows.Text("KDCB") + " " + rows.Text("NOMOR") + " " +
                             rows.Text("RELASI") + " " + xbase::PadR(name, 30) +
                             xbase::Transform(xbase::Value::Num(rows.Number("DEBET")), " 999,999,999.99");
    if (!report.Line(line, "S")) return false;
    s = rows.Skip();
  }
  if (!frame::Checked(session, s)) return false;
  if (!report.Line(kRule, "S")) return false;
  frame::ReportLayout layout;
  layout.width = static_cast<int>(kRule.size());
  layout.title = "DAFTAR PIUTANG";
  layout.signature_box = false;
  return report.Print(layout);
}

}  // namespace

xbase::Status DGCBLAIN(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = frame::OpenTables(session, {{"MASTCUS", "Mastcus"}, {"SETUP", "setup"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder); !s.ok()) return frame::CloseTables(session, s);
  xbase::WorkArea* rows = nullptr;
  if (AskTransferFolder(con, colour, {8, 14, "DAFTAR GIRO YG AKAN DIKIRIM ke CB LAIN", "DIR :", "@S50"}, &folder) &&
      OpenTransferTable(session, TransferFolder(session, folder), kGiroTransfer, true, true, &rows)) {
    PrintList(session, *rows, tables["Mastcus"]);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

xbase::Status HPSKIRIM(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!frame::OpenTables(session, {{"SETUP", "setup"}})) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder); !s.ok()) return frame::CloseTables(session, s);
  xbase::Status s;
  xbase::WorkArea* rows = nullptr;
  if (AskTransferFolder(con, colour, {8, 14, "HAPUS KIRIMA GIRO U/CB LAIN", "DIR :", "@S50"}, &folder) &&
      OpenTransferTable(session, TransferFolder(session, folder), kGiroTransfer, true, true, &rows)) {
    s = frame::ClearTables(con, {rows});
    if (s.ok()) console::PESAN(con, "Kiriman giro cabang lain sudah dihapus");
  }
  return frame::CloseTables(session, s);
}

}  // namespace receivables
