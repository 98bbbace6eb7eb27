// Approval of return requests at head office: every pending request of the request files in the
// folder typed is shown in turn and approved with "A".
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "returns/request_view.h"
#include "returns/requests.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Pictured;

namespace {

using xbase::Value;

void ShowRequest(console::Console& con, const Draft& request) {
  const console::Attr attr = con.colours().standard;
  con.Clear(3, 0, 23, 79, attr);
  con.Say(3, 1, "NOMOR RETUR [" + std::string(xbase::RTrim(request.number)) + "], TANGGAL [" + xbase::Dtoc(request.date) +
                    "], TIPE [" + request.type + "], Cash Disc " + Pictured(request.discount1, "99.99") + "+" +
                    Pictured(request.discount2, "99.99"), attr);
  con.Say(4, 1, "ALASAN  : " + std::string(xbase::Left(request.reason1, 50)), attr);
  con.Say(5, 11, std::string(xbase::Left(request.reason2, 50)), attr);
  con.Say(6, 1, "KODE       Nama Barang              QTY      HARGA    DISCOUNT           NILAI", attr);
  int row = 7;
  for (const DraftLine& line : request.lines) {
    if (row > 18) break;
    con.Say(row++, 1, xbase::PadR(line.code, 10) + " " + xbase::PadR(line.name, 20) + Pictured(line.quantity, "9999999") +
                          Pictured(line.price, " 9999999.99") + Pictured(line.discount1, " 99.99") + "+" +
                          Pictured(line.discount2, "99.99") + Pictured(line.Value(), " 999,999,999.99"), attr);
  }
}

// Shows each pending request and asks for its approval; Esc on the date or reason stops.
xbase::Status ApproveAll(frame::Session& session, xbase::WorkArea& goods, const RequestFiles& files) {
  console::Console& con = session.console();
  std::vector<uint32_t> pending;
  xbase::WorkArea& head = files.headers;
  xbase::Status s = RequestsMarked(head, "", &pending);
  for (size_t i = 0; s.ok() && i < pending.size(); ++i) {
    if (s = head.GoTo(pending[i]); !s.ok()) break;
    Draft request;
    if (s = ReadRequest(goods, files, &request); !s.ok()) break;
    ShowRequest(con, request);
    con.Say(20, 1, "JUMLAH NETTO " + Pictured(head.Number("NILAI"), "999,999,999,999.99"), con.colours().standard);
    xbase::Date date = session.Today();
    std::string reason2 = request.reason2;
    con.Say(21, 1, "Tanggal Approval :", con.colours().standard);
    con.Say(22, 1, "Alasan 2         :", con.colours().standard);
    console::GetList form;
    form.Add(21, 20, &date);
    form.Add(22, 20, &reason2, "@S50");
    if (form.Read(con).escaped) break;
    const int key = console::PESAN(con, "Tekan huruf A untuk approval, lainnya batal");
    if (std::toupper(key) != 'A') continue;
    if (s = head.GoTo(pending[i]); s.ok()) s = ApproveRequest(session, head, date, reason2);
  }
  return s;
}

}  // namespace

xbase::Status APPRT1(frame::Session& session, const Arguments&) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder(60, ' ');
  console::SHADOW(con, 8, 5, 12, 74, colour);
  console::TENGAH(con, 9, "         Approval Pengajuan Retur        ", colour);
  con.Say(11, 7, " Dir    :", con.Colour(colour));
  console::GetList form;
  form.Add(11, 17, &folder, "@S55");
  xbase::Status s;
  // Request files missing from the folder typed are named by the opener.
  if (!form.Read(con).escaped) {
    const frame::OpenedTables tables = frame::OpenTables(session, {"MASTBRJ", "SRTJLN1", "MASTCUS"});
    const std::optional<RequestFiles> files =
        tables ? OpenRequestFiles(session, xbase::AllTrim(folder)) : std::nullopt;
    if (files) {
      s = ApproveAll(session, tables["MASTBRJ"], *files);
      CloseRequestFiles(session);
    }
  }
  session.CloseTables();
  return s;
}

}  // namespace returns
