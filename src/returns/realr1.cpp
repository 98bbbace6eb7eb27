// Realisation at the branch: every request the head office approved in the exchange folder is shown,
// its warehouse confirmed, and realised into a return document.
#include <optional>
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "returns/realisation.h"
#include "returns/request_view.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

using xbase::Value;

void ShowLines(console::Console& con, const Draft& request) {
  const console::Attr attr = con.colours().standard;
  con.Clear(3, 0, 23, 79, attr);
  con.Say(3, 1, "REALISASI RETUR PENJUALAN, NOMOR [" + std::string(xbase::RTrim(request.number)) + "], GUDANG [" +
                    request.warehouse + "]", attr);
  con.Say(5, 1, "NO KODE       Nama Barang             BOX    PAK     QTY EKS. SURAT JALAN    ", attr);
  int row = 6;
  int n = 0;
  for (const DraftLine& line : request.lines) {
    if (row > 19) break;
    con.Say(row++, 1, xbase::Transform(Value::Num(++n), "99") + " " + xbase::PadR(line.code, 10) + " " +
                          xbase::PadR(line.name, 20) + xbase::Transform(Value::Num(line.boxes), " 99999") +
                          xbase::Transform(Value::Num(line.packs), " 99999") +
                          xbase::Transform(Value::Num(line.quantity), " 9999999") + " " + line.invoice, attr);
  }
}

// Realises one approved request, shown first; false when the user stopped.
bool RealiseOne(frame::Session& session, const frame::OpenedTables& tables, const RequestFiles& files, uint32_t record,
                xbase::Status* status) {
  console::Console& con = session.console();
  xbase::WorkArea& head = files.headers;
  Draft request;
  if (*status = head.GoTo(record); status->ok()) *status = ReadRequest(tables["MASTBRJ"], files, &request);
  if (!status->ok()) return false;
  ShowLines(con, request);
  std::string warehouse = request.warehouse;
  con.Say(21, 1, "Gudang :", con.colours().standard);
  console::GetList form;
  form.Add(21, 10, &warehouse, "@!").valid = [&] { return pickers::CEKGUDANG(session, &warehouse); };
  if (form.Read(con).escaped) return false;
  if (!Confirmed(session, "Yakin data retur akan direalisasi (Y/T)")) return true;
  const Approval approval{request.number, head.DateOf("TANGGAL"), head.Text("ALASAN2"), warehouse};
  Outcome outcome = Outcome::kRefused;
  *status = REALISASIRETURJUAL(session, tables, approval, &outcome);
  // A refused request stays for another run; so does one whose removal was given up (realised
  // again, it is only removed), and the run stops there.
  bool removed = false;
  if (status->ok() && outcome != Outcome::kRefused) *status = RemoveRequest(session, files, request.number, &removed);
  return status->ok() && (outcome == Outcome::kRefused || removed);
}

}  // namespace

xbase::Status REALR1(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenRealisationTables(session);
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string folder;
  xbase::Status s = StoredExchangeFolder(session, &folder);
  if (!s.ok()) return frame::CloseTables(session, s);
  folder = xbase::AllTrim(folder);
  const bool asked = console::Alert(con, "PROSES REALISASI RETUR yang DISETUJUI", {"Proses", "Batal"}) == 1;
  // Request files missing from the folder are named by the opener.
  const std::optional<RequestFiles> files = asked ? OpenRequestFiles(session, folder) : std::nullopt;
  if (files) {
    std::vector<uint32_t> approved;
    s = RequestsMarked(files->headers, kApprovalMarker, &approved);
    for (size_t i = 0; s.ok() && i < approved.size(); ++i) {
      if (!RealiseOne(session, tables, *files, approved[i], &s)) break;
    }
    CloseRequestFiles(session);
  }
  session.CloseTables();
  return s;
}

}  // namespace returns
