// The listing of the return requests in the exchange folder, each with the customer's open balance.
#include <optional>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "returns/return_forms.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status CAJUKANR1(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {"SETUP", "MASTBRJ", "MASTCUS", "PIUTDBT"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  RequestFilter filter{session.Today(), session.Today(), std::string(20, ' '), std::string(10, ' ')};
  console::SHADOW(con, 8, 15, 15, 64, colour);
  console::TENGAH(con, 9, "    CETAK PENGAJUAN APPROVAL RETUR   ", colour);
  const console::Attr attr = con.Colour(colour);
  const char* labels[] = {"Tanggal     :", "s/d Tanggal :", "Nomor       :", "Relasi      :"};
  for (int i = 0; i < 4; ++i) con.Say(10 + i, 17, labels[i], attr);
  console::GetList form;
  form.Add(10, 31, &filter.from);
  form.Add(11, 31, &filter.to).valid = [&] { return filter.to >= filter.from; };
  form.Add(12, 31, &filter.number, "@!");
  form.Add(13, 31, &filter.customer, "@!");
  std::string folder;
  xbase::Status s = StoredExchangeFolder(session, &folder);
  if (!s.ok()) return frame::CloseTables(session, s);
  folder = xbase::AllTrim(folder);
  const std::optional<RequestFiles> files =
      form.Read(con).escaped ? std::nullopt : OpenRequestFiles(session, folder);
  if (files) {
    filter.number = std::string(xbase::AllTrim(filter.number));
    filter.customer = std::string(xbase::AllTrim(filter.customer));
    std::vector<std::string> lines;
    s = RequestListLines(tables, *files, filter, &lines);
    if (s.ok()) {
      lines.insert(lines.begin(), {"DRAFT PENGAJUAN APPROVAL RETUR DARI RELASI", std::string(100, '=')});
      frame::ReportLayout layout;
      layout.width = 110;
      layout.title = "LAPORAN";
      PrintLines(session, lines, session.margins.lines_portrait, "C", layout);
    }
    CloseRequestFiles(session);
  }
  session.CloseTables();
  return s;
}

}  // namespace returns
