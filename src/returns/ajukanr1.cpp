// Sending return drafts to head office: the drafts chosen are copied into the request files of the
// exchange folder and marked sent.
#include <optional>
#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/local_path.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/requests.h"
#include "returns/return_procedures.h"
#include "returns/return_tables.h"
#include "returns/returns.h"
#include "xbase/text_functions.h"

namespace returns {

xbase::Status AJUKANR1(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {"SETUP", "DRAFTR1", "DRAFTR2"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string number(20, ' ');
  std::string customer(10, ' ');
  std::string folder;
  if (xbase::Status s = StoredExchangeFolder(session, &folder); !s.ok()) return frame::CloseTables(session, s);
  xbase::Date from = session.Today(), to = session.Today();
  console::SHADOW(con, 7, 10, 16, 69, colour);
  console::TENGAH(con, 8, "      PENGAJUAN APPROVAL RETUR       ", colour);
  const console::Attr attr = con.Colour(colour);
  const char* labels[] = {"Nomor       :", "Tanggal     :", "s/d Tanggal :", "Relasi      :", "Direktory   :"};
  for (int i = 0; i < 5; ++i) con.Say(10 + i, 12, labels[i], attr);
  console::GetList form;
  form.Add(10, 26, &number, "@!");
  form.Add(11, 26, &from);
  form.Add(12, 26, &to).valid = [&] { return to >= from; };
  form.Add(13, 26, &customer, "@!");
  form.Add(14, 26, &folder, "@S40");
  xbase::Status s;
  if (!form.Read(con).escaped && Confirmed(session, "Yakin data akan Dikirim ke PUSAT (Y/T)")) {
    console::WARNING(con, "Tunggu Sedang buat file Laporan", "W+/b");
    const std::string local(xbase::AllTrim(folder));
    // A folder without request files yet gets empty ones.
    const bool there =
        RequestFilesThere(session, local) || frame::Checked(session, CreateRequestFiles(frame::FolderPath(session, local)));
    const std::optional<RequestFiles> files = there ? OpenRequestFiles(session, local) : std::nullopt;
    if (files) {
      int sent = 0;
      bool saved = false;
      s = SendDrafts(session, tables, *files,
                     {std::string(xbase::AllTrim(number)), std::string(xbase::AllTrim(customer)), from, to}, &sent,
                     &saved);
      if (s.ok() && saved) console::PESAN(con, "Terkirim " + std::to_string(sent) + " pengajuan");
      CloseRequestFiles(session);
    }
  }
  session.CloseTables();
  return s;
}

}  // namespace returns
