// Review of the late-payment requests at head office: Enter toggles a request's approval, F10 stores
// the approvals, F4 prints the list, Esc leaves without storing.
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "returns/late_payments.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

namespace key = console::key;
using xbase::Value;

const console::KeyHelp kHelp{{"Esc", " F10", " F4"}, {") Batal,", ") Simpan", ") Cetak"}, "W+/b", "Gr+/b"};

void DrawBox(console::Console& con) {
  DrawEntryScreen(con, "BROWSE PENGAJUAN APPROVAL PIUTANG TERLAMBAT",
                  {{1, 1, "    Dir :"}, {2, 1, " Relasi :"}, {2, 45, "No. Nota  :"}, {3, 1, "   Nama :"},
                   {3, 45, "Nilai :"}, {4, 1, "   Kota :"}, {4, 45, "Tg. Tempo :"}});
}

console::ValueRow RowOf(const LateRequest& request, size_t n) {
  return {Value::Num(static_cast<double>(n)), Value::Text(request.nota), Value::Text(request.giro),
          Value::FromDate(request.giro_date), Value::Text(request.reason), Value::Logical(request.approved)};
}

void ShowInvoice(console::Console& con, const frame::OpenedTables& tables, const LateRequest& request) {
  const console::Attr attr = con.colours().enhanced;
  LateFigures f;
  // Only shown: an invoice that cannot be read shows blank, its amount no figure rather than 0.
  const bool read = FiguresOf(tables, request.nota, &f).ok();
  const std::string amount = xbase::Transform(Value::Num(f.amount), "99,999,999,999.99");
  con.Say(2, 11, xbase::PadR(f.customer, 10), attr);
  con.Say(2, 57, xbase::PadR(request.nota, 20), attr);
  con.Say(3, 11, xbase::PadR(xbase::Left(f.name, 30), 30), attr);
  con.Say(3, 53, read ? amount : std::string(amount.size(), ' '), attr);
  con.Say(4, 11, xbase::PadR(f.town, 15), attr);
  con.Say(4, 57, f.due.empty() ? std::string(10, ' ') : xbase::Dtoc(f.due), attr);
}

// The browse of the requests; true when F10 stored them.
bool Review(frame::Session& session, const frame::OpenedTables& tables, xbase::WorkArea& late_requests,
            std::vector<LateRequest>* requests) {
  console::Console& con = session.console();
  console::ValueTable rows;
  for (size_t i = 0; i < requests->size(); ++i) rows.push_back(RowOf((*requests)[i], i + 1));
  int index = 1;
  console::ArrayBrowse browse =
      console::BUATOBJECT(con, &rows, {"No.", "Nota", "No Giro", "Tg Giro", "keterangan", "App"},
                          {"99.", "@s12", "@s12", "", "@s32", "Y"}, {8, 1, 21, 78},
                          std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 23, kHelp, &index);
  for (;;) {
    browse.Stabilize(con);
    browse.Hilite(con);
    ShowInvoice(con, tables, (*requests)[static_cast<size_t>(index - 1)]);
    const int pressed = con.WaitKey();
    browse.DeHilite(con);
    switch (pressed) {
      case key::kEsc: return false;
      case key::kF10: {
        bool stored = false;
        if (!frame::Checked(session, StoreApprovals(session, late_requests, *requests, &stored))) return false;
        if (stored) return true;
        break;  // a lock given up: the clerk keeps what he marked and may store again
      }
      case key::kF4: CETAKPRINTER(session, tables, *requests); break;
      case key::kEnter: {
        LateRequest& request = (*requests)[static_cast<size_t>(index - 1)];
        request.approved = !request.approved;
        rows[static_cast<size_t>(index - 1)] = RowOf(request, static_cast<size_t>(index));
        browse.Skip(1);
        break;
      }
      default: browse.Navigate(pressed); break;
    }
  }
}

}  // namespace

xbase::WorkArea* OpenLateRequests(frame::Session& session, std::string_view folder) {
  if (!xbase::IsBlank(folder)) return OpenExchangeTable(session, xbase::AllTrim(folder), "KIRIMAPP");
  xbase::WorkArea* area = nullptr;
  return frame::OpenTable(session, "KIRIMAPP", false, {}, &area) ? area : nullptr;
}

xbase::Status KAPP(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {"MASTCUS", "PIUTDBT"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  DrawBox(con);
  std::string folder(60, ' ');
  console::GetList form;
  form.Add(1, 11, &folder, "@S60");
  xbase::Status s;
  xbase::WorkArea* late_requests = form.Read(con).escaped ? nullptr : OpenLateRequests(session, folder);
  if (late_requests != nullptr) {
    std::vector<LateRequest> requests;
    s = LoadLateRequests(*late_requests, &requests);
    if (s.ok() && requests.empty()) {
      console::PESAN(con, "tidak ada pengajuan approval");
    } else if (s.ok()) {
      Review(session, tables, *late_requests, &requests);
    }
  }
  session.CloseTables();
  return s;
}

}  // namespace returns
