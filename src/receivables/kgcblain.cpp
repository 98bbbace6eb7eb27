// The transfer rows for one target branch: per instrument, its split row for that branch goes into
// kirimgr of the folder named.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "receivables/editor_keys.h"
#include "receivables/keyed_seek.h"
#include "receivables/other_branches.h"
#include "receivables/transfer_files.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

// Stands GIROKDT on the split row of instrument `number` for `branch`; false after a message when none.
bool FindSplitRow(frame::Session& session, xbase::WorkArea& rows, std::string* number, std::string_view branch) {
  xbase::Status s = frame::PickCode(
      session, PickOf("GIROKDT", {"nomor", "kdcb", "relasi", "kredit"}, {"Nomor", "Cabang", "Relasi", "Jumlah"}),
      number);
  std::vector<uint32_t> found;
  if (s.ok()) s = rows.SetOrder("GIROKDT1");
  if (s.ok()) s = rows.SeekAll(rows.PadToField("NOMOR", xbase::RTrim(*number)), &found);
  for (size_t i = 0; s.ok() && i < found.size(); ++i) {
    if (s = rows.GoTo(found[i]); s.ok() && rows.Text("KDCB") == xbase::PadR(branch, 6)) return true;
  }
  if (!frame::Checked(session, s)) return false;
  return pickers::Refuse(session, "Giro " + std::string(xbase::RTrim(*number)) + " tidak ada untuk cabang " +
                                      std::string(xbase::RTrim(branch)));
}

void SendRows(frame::Session& session, const frame::OpenedTables& tables, xbase::WorkArea& transfer,
              std::string_view branch, std::string_view colour) {
  console::Console& con = session.console();
  const console::Attr attr = con.Colour(colour);
  for (;;) {
    con.Clear(12, 11, 18, 68, attr);
    const char* labels[] = {"Nomor      :", "Jumlah     :", "Relasi     :", "Tanggal    :", "Tg. Terima :",
                            "Jenis      :", "Perusahaan :"};
    for (int i = 0; i < 7; ++i) con.Say(12 + i, 12, labels[i], attr);
    std::string number(20, ' ');
    console::GetList which;
    which.Add(12, 25, &number, "@!").valid = [&] {
      return xbase::IsBlank(number) || FindSplitRow(session, tables["GIROKDT"], &number, branch);
    };
    if (which.Read(con).escaped || xbase::IsBlank(number)) return;
    const xbase::WorkArea& row = tables["GIROKDT"];
    xbase::WorkArea& customers = tables["Mastcus"];
    std::string name = row.Text("RELASI");
    bool found = false;
    if (SeekExact(customers, "MASTCUS1", "RELASI", row.Text("RELASI"), &found).ok() && found) {
      name += " " + customers.Text("NAMA").substr(0, 30);
    }
    con.Say(13, 25, xbase::Transform(xbase::Value::Num(row.Number("KREDIT")), "999,999,999.99"), attr);
    con.Say(14, 25, name, attr);
    con.Say(15, 25, xbase::Dtoc(row.DateOf("TANGGAL")), attr);
    con.Say(16, 25, xbase::Dtoc(row.DateOf("TG_TERIMA")), attr);
    con.Say(17, 25, row.Text("KET"), attr);
    con.Say(18, 25, row.Text("CODE_ID"), attr);
    if (!AnsweredYes(con, "Yakin data akan disimpan (Y/T)")) continue;
    if (!frame::Checked(session, WriteTransferRow(session, transfer, row))) return;
  }
}

}  // namespace

xbase::Status KGCBLAIN(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables =
      frame::OpenTables(session, {"GIROKDT", {"MASTCUS", "Mastcus"}, {"SETUP", "setup"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder); !s.ok()) return frame::CloseTables(session, s);
  std::string branch(6, ' ');
  for (;;) {
    if (!AskTransferFolder(con, colour, {7, 19, "DATA GIRO U/ CABANG LAIN", "DIR :", "@S50"}, &folder)) break;
    con.Say(11, 12, "Cabang :", con.Colour(colour));
    console::GetList target;
    target.Add(11, 21, &branch, "@!").valid = [&] {
      std::string name;
      return pickers::CARICABANG(session, &branch) && BranchName(session, tables["setup"], branch, &name);
    };
    if (target.Read(con).escaped) continue;
    xbase::WorkArea* transfer = nullptr;
    if (!OpenTransferTable(session, TransferFolder(session, folder), kGiroTransfer, true, true, &transfer)) continue;
    SendRows(session, tables, *transfer, branch, colour);
    frame::ShowFailure(session, session.tables().Close(kGiroTransfer));
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
