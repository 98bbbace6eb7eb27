// Sending corrected delivery notes: each chosen note's header and lines go to the revision transfer
// tables, once per filling.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "documents/transfer_folder.h"
#include "exchange/exchange.h"
#include "exchange/revision_tables.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace exchange {
namespace {

// Copies the current record of `from` into a new record of `to`; `cetak` (when given) sets CETAK.
xbase::Status CopyRow(console::Console& con, const xbase::WorkArea& from, xbase::WorkArea& to, const bool* cetak) {
  xbase::Status s = console::APP_REC(con, to);
  if (s.ok()) s = documents::CopyFieldsByPosition(from, to);
  if (s.ok() && cetak != nullptr) s = to.Put("CETAK", xbase::Value::Logical(*cetak));
  const xbase::Status unlocked = to.Unlock();
  return s.ok() ? unlocked : s;
}

// The data folder's tables of the screen, in the order it opens them.
std::vector<frame::TableUse> NoteTables() {
  return {{"SETUP", "setup"}, {"SRTJLN1", "inv"}, {"SRTJLN2", "krt"}, {"SRTJLN3", "krk"}};
}

// Writes the delivery note `number` (standing in `inv`) with its lines to dtsj1 and dtsj2.
xbase::Status Send(frame::Session& session, const frame::OpenedTables& tables, const std::string& number,
                   bool printed) {
  xbase::WorkArea& header = tables["inv"];
  xbase::WorkArea& lines = tables["krt"];
  xbase::WorkArea& sent = tables["dtsj1"];
  xbase::WorkArea& sent_lines = tables["dtsj2"];
  // The note and its lines go out together: both revision files' append locks come first.
  documents::SaveScope save(session.console());
  save.Append(sent);
  save.Append(sent_lines);
  xbase::Status s = save.Lock();
  // Under the locks, the note as it is now: another workstation may have deleted it since it was typed.
  bool found = false;
  if (s.ok()) s = xbase::SeekFound(header, header.PadToField("INVOICE", number), &found);
  if (s.ok() && !found) s = xbase::Status::InvalidArgument("Surat Jalan tidak terdaftar");
  if (!s.ok()) {
    save.Release().IgnoreError();  // the refusal is what is shown
    documents::NothingSaved(session, s);
    return xbase::Status::Locked("revision " + number, "not sent");
  }
  std::vector<uint32_t> rows;
  s = save.BeginWrites();
  if (s.ok()) s = lines.SeekAll(lines.PadToField("INVOICE", number), &rows);
  if (s.ok()) s = CopyRow(session.console(), header, sent, &printed);
  for (uint32_t row : rows) {
    if (s.ok()) s = lines.GoTo(row);
    if (s.ok()) s = CopyRow(session.console(), lines, sent_lines, nullptr);
  }
  return save.CommitWrites(s);
}

// The check of the typed number: a "?" opens the delivery-note list; a note must be there with lines.
bool ValidNote(frame::Session& session, const frame::OpenedTables& tables, std::string* number) {
  console::Console& con = session.console();
  if (number->find('?') != std::string::npos) {
    frame::PickSpec pick;
    pick.alias = "inv";
    pick.top = 8, pick.left = 5, pick.bottom = 18, pick.right = 69;
    pick.expressions = {"INVOICE", "RELASI", "TANGGAL", "SALES"};
    pick.heads = {"Invoice", "Relasi", "Tanggal", "Sales"};
    pick.colour = "gr+/br";
    frame::ShowFailure(session, frame::PickCode(session, pick, number));
    *number = xbase::PadR(*number, 20);
  }
  const std::string typed = std::string(xbase::RTrim(*number));
  if (typed.empty()) return true;
  xbase::WorkArea& header = tables["inv"];
  xbase::WorkArea& lines = tables["krt"];
  xbase::Status s = header.Seek(header.PadToField("INVOICE", typed));
  const bool known = s.ok() && header.found();
  if (s.ok() && known) s = lines.Seek(lines.PadToField("INVOICE", typed));
  if (!frame::Checked(session, s)) return false;
  if (!known || !lines.found()) {
    console::PESAN(con, "Surat Jalan tidak terdaftar", "gr+/r");
    return false;
  }
  return true;
}

}  // namespace

xbase::Status KREVISI(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  xbase::Status s;
  if (!frame::OpenTables(session, NoteTables())) return s;
  std::string folder;
  s = documents::StoredTransferFolder(session, &folder, kRevisionFolder);
  if (!s.ok()) return frame::CloseTables(session, s);
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/bg", "W/w"));
  console::ISHADOW(con, 6, 15, 12, 64, colour);
  console::TENGAH(con, 7, "Kirim Hasil Revisi Surat Jalan", colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(8, 20, "Direktory   :", attr);
  con.Say(9, 20, "No. SJ      :", attr);
  con.Say(10, 26, "Cetak :", attr);
  console::GetList where;
  where.Add(8, 34, &folder, "@S28");
  const bool asked = !where.Read(con).escaped && !std::string(xbase::AllTrim(folder)).empty();
  const frame::OpenedTables tables =
      asked ? OpenRevisionTables(session, documents::TransferFolder(session, folder), false, NoteTables())
            : frame::OpenedTables();
  if (!tables) {
    session.CloseTables();
    return s;
  }
  xbase::WorkArea& sent = tables["dtsj1"];
  for (;;) {
    std::string number(20, ' ');
    bool printed = true;
    console::GetList ask;
    ask.Add(9, 34, &number, "@!").valid = [&] { return ValidNote(session, tables, &number); };
    ask.Add(10, 34, &printed, "Y");
    const std::string typed = ask.Read(con).escaped ? std::string() : std::string(xbase::RTrim(number));
    if (typed.empty()) break;
    if (s = sent.Seek(sent.PadToField("INVOICE", typed)); !s.ok()) break;
    if (sent.found()) {
      console::PESAN(con, "hasil revisian sudah diinput", "gr+/r");
      continue;
    }
    const int answer = console::PESAN(con, "yakin data akan dikirm balik kecabang (y/t)");
    if (answer != 'Y' && answer != 'y') {
      console::PESAN(con, "input gagal", "gr+/r");
      continue;
    }
    s = Send(session, tables, typed, printed);
    if (s.IsLocked()) s = xbase::Status::OK();  // told; nothing of the note went out
    if (!s.ok()) break;
  }
  frame::ShowFailure(session, s);
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace exchange
