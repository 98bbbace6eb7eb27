// The free receipt entry ("BUAT KWITANSI") and the removal of printed receipts.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivables/keyed_seek.h"
#include "receivables/kwitansi.h"
#include "xbase/text_functions.h"

namespace receivables {

xbase::Status KW11(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenKwitansiTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  const console::Attr attr = con.Colour(colour);
  for (;;) {
    console::SHADOW(con, 3, 1, 20, 78, colour);
    console::TENGAH(con, 4, "BUAT KWITANSI", colour);
    const char* labels[] = {"Nomor          :", "Tanggal        :", "Terima Dari    :", "Pembayaran ke  :"};
    for (int i = 0; i < 4; ++i) con.Say(6 + i, 3, labels[i], attr);
    con.Say(12, 3, "Guna membayar  :", attr);
    Kwitansi receipt = ProposedKwitansi(session, tables, 30);
    console::GetList form;
    form.Add(6, 20, &receipt.number, "@!").valid = [&] {
      xbase::Status p = frame::PickCode(
          session, PickOf("kwit_1", {"nomor", "tanggal", "dari"}, {"Nomor", "tanggal", "dari"}), &receipt.number);
      const auto pay_to = receipt.pay_to;
      bool found = false;
      if (p.ok()) p = LoadKwitansi(tables, &receipt, &found);
      if (!found) receipt.pay_to = pay_to;
      return frame::Checked(session, p) && !xbase::IsBlank(receipt.number);
    };
    form.Add(7, 20, &receipt.date);
    form.Add(8, 20, &receipt.from, "@S56");
    for (size_t i = 0; i < 3; ++i) form.Add(9 + static_cast<int>(i), 20, &receipt.pay_to[i], "@S30");
    for (size_t i = 0; i < 5; ++i) form.Add(13 + static_cast<int>(i), 17, &receipt.purpose[i], "@S60");
    if (form.Read(con).escaped) break;
    if (console::Alert(con, "yakin akan disimpan?", {"ya", "tidak"}) != 1) continue;
    SaveFreeKwitansi(session, tables, receipt).IgnoreError();  // a failure was told; the clerk may try again
  }
  return session.tables().CloseAll();
}

xbase::Status KW3(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const int answer = console::PESAN(con, "proses hapus data kwitansi yg sudah cetak, tehan H u/ hapus");
  if (answer != 'H' && answer != 'h') return xbase::Status::OK();
  const frame::OpenedTables tables = OpenKwitansiTables(session);
  if (!tables) return xbase::Status::OK();
  int removed = 0;
  xbase::Status s = RemovePrintedKwitansi(session, tables, &removed);
  if (s.ok()) console::PESAN(con, std::to_string(removed) + " kwitansi terhapus");
  return frame::CloseTables(session, s);
}

}  // namespace receivables
