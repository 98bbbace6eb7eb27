// Sending corrected instruments: each one's new nominal value and due date are written to the register
// and the whole row, with its proformas, customers and other-branch register row, into the revision
// files of a folder.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/save_scope.h"
#include "frame/status_display.h"
#include "receivables/keyed_seek.h"
#include "receivables/table_steps.h"
#include "receivables/tgiro.h"
#include "receivables/transfer_files.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

// The current row of `from` copied whole into revision file `to`, over the row of the same number when
// there is one.
xbase::Status CopyReplacing(frame::Session& session, const xbase::WorkArea& from, const RevisionAreas& files,
                            std::string_view to) {
  xbase::WorkArea& target = files[to];
  bool found = false;
  xbase::Status s = SeekExact(target, to, "NOMOR", from.Text("NOMOR"), &found);
  if (!s.ok()) return s;
  s = found ? console::LOCK_REC(session.console(), target) : console::APP_REC(session.console(), target);
  if (s.ok()) s = documents::CopyFieldsByPosition(from, target);
  return Unlocked(target, s);
}

// Every row of `number` in `source` (first index NOMOR) appended to `target`, after the rows of that
// number sent before are taken out, so that sending an instrument twice does not double its lists.
xbase::Status CopyAllOf(frame::Session& session, xbase::WorkArea& source, xbase::WorkArea& target,
                        std::string_view number) {
  std::vector<uint32_t> rows;
  xbase::Status s = target.SetOrder(1);
  if (s.ok()) s = target.SeekAll(target.PadToField("NOMOR", xbase::RTrim(number)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = target.GoTo(rows[i]); s.ok()) s = console::LOCK_REC(session.console(), target);
    if (s.ok()) s = Unlocked(target, target.Delete());
  }
  if (s.ok()) s = source.SetOrder(1);
  if (s.ok()) s = source.SeekAll(source.PadToField("NOMOR", xbase::RTrim(number)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = source.GoTo(rows[i]); s.ok()) s = console::APP_REC(session.console(), target);
    if (s.ok()) s = Unlocked(target, documents::CopyFieldsByPosition(source, target));
  }
  return s;
}

// What sending changes: the register row, its copies in the revision files with the rows of the
// number sent before, and the revision files' append locks.
xbase::Status NameSend(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                       const RevisionAreas& files, xbase::WorkArea& row, const std::string& number) {
  save.Update(row, row.recno());
  xbase::WorkArea& sent = files["rlt_gr"];
  xbase::Status s = documents::NameKeyedRecord(save, sent, "rlt_gr", sent.PadToField("NOMOR", number));
  for (const char* to : {"rlt_pi", "rlt_rl"}) {
    xbase::WorkArea& target = files[to];
    if (s.ok()) s = documents::NameStoredRows(save, session.tables(), target, 1, target.PadToField("NOMOR", number));
  }
  bool found = false;
  if (s.ok()) s = SeekExact(tables["GIROKDT"], "GIROKDT1", "NOMOR", number, &found);
  if (s.ok() && found) {
    xbase::WorkArea& branches = files["rlt_gk"];
    s = documents::NameKeyedRecord(save, branches, "rlt_gk", branches.PadToField("NOMOR", number));
  }
  return s;
}

// The register row the area stands on takes the new value and date, then goes out with its lists.
// Everything it changes is locked first; a refusal before the first write is told and sending goes on.
xbase::Status Send(frame::Session& session, const frame::OpenedTables& tables, const RevisionAreas& files,
                   double amount, xbase::Date due) {
  xbase::WorkArea& row = tables["GIRODBT"];
  const uint32_t recno = row.recno();
  const std::string number = row.Text("NOMOR");
  documents::SaveScope save(session.console());
  xbase::Status s = NameSend(save, session, tables, files, row, number);
  if (s.ok()) s = save.Lock();
  if (s.ok()) s = row.GoTo(recno);  // as it is now, under its lock
  if (s.ok() && amount < row.Number("KREDIT")) {
    s = xbase::Status::InvalidArgument(
        "Nilai tidak boleh kurang dari yang sudah terpakai " +
        std::string(xbase::AllTrim(xbase::Transform(xbase::Value::Num(row.Number("KREDIT")), "999,999,999.99"))));
  }
  if (!s.ok()) {
    save.Release().IgnoreError();  // the refusal is what is told
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = console::LOCK_REC(session.console(), row);
  if (s.ok()) s = row.Put("DEBET", xbase::Value::Num(amount));
  if (s.ok()) s = row.Put("TANGGAL", xbase::Value::FromDate(due));
  s = Unlocked(row, s);
  if (s.ok()) s = CopyReplacing(session, row, files, "rlt_gr");
  if (s.ok()) s = CopyAllOf(session, tables["GIRO_PI"], files["rlt_pi"], number);
  if (s.ok()) s = CopyAllOf(session, tables["GIRO_RL"], files["rlt_rl"], number);
  bool found = false;
  if (s.ok()) s = SeekExact(tables["GIROKDT"], "GIROKDT1", "NOMOR", number, &found);
  if (s.ok() && found) s = CopyReplacing(session, tables["GIROKDT"], files, "rlt_gk");
  return save.CommitWrites(s);
}

// Empties the revision files but rlt_gk.
xbase::Status Clear(frame::Session& session, const RevisionAreas& files) {
  return frame::ClearTables(session.console(), {&files["rlt_gr"], &files["rlt_pi"], &files["rlt_rl"]});
}

// One instrument after another until Esc.
xbase::Status SendInstruments(frame::Session& session, const frame::OpenedTables& tables, const RevisionAreas& files,
                              std::string_view colour) {
  console::Console& con = session.console();
  const console::Attr attr = con.Colour(colour);
  for (;;) {
    con.Clear(12, 11, 15, 68, attr);
    con.Say(12, 12, "Nomor       :", attr);
    con.Say(13, 12, "Nominal     :", attr);
    con.Say(14, 12, "Tg. JT TEMPO:", attr);
    std::string number(20, ' ');
    double amount = 0;
    xbase::Date due;
    console::GetList which;
    which.Add(12, 26, &number, "@!").valid = [&] {
      frame::PickSpec pick;
      pick.alias = "GIRODBT";
      pick.expressions = {"nomor", "ket", "kdcb", "relasi", "debet"};
      bool found = false;
      xbase::Status s = frame::PickCode(session, pick, &number);
      if (s.ok()) s = SeekExact(tables["GIRODBT"], "GIRODBT1", "NOMOR", number, &found);
      number = xbase::PadR(number, 20);
      frame::ShowFailure(session, s);
      if (!found) return false;
      amount = tables["GIRODBT"].Number("DEBET");
      due = tables["GIRODBT"].DateOf("TANGGAL");
      return true;
    };
    if (which.Read(con).escaped) return xbase::Status::OK();
    console::GetList values;
    values.Add(13, 26, &amount, "999,999,999.99");
    values.Add(14, 26, &due);
    if (values.Read(con).escaped) continue;
    const int answer = console::PESAN(con, "yakin data akan disimpan (y/t)");
    if (answer != 'y' && answer != 'Y') continue;
    bool found = false;
    xbase::Status s = SeekExact(tables["GIRODBT"], "GIRODBT1", "NOMOR", number, &found);
    if (s.ok() && found) s = Send(session, tables, files, amount, due);
    if (!s.ok()) return s;
  }
}

}  // namespace

xbase::Status KRGIRO(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenRevisionTargets(session);
  if (!tables) return xbase::Status::OK();
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder); !s.ok()) return frame::CloseTables(session, s);
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  xbase::Status s;
  while (s.ok()) {
    if (!AskTransferFolder(con, colour, {7, 16, "KIRIM REVISI GIRO/VOCHER/CASH/TRANSFER", "Direktory :", "@S40"},
                           &folder)) {
      break;
    }
    RevisionAreas files;
    if (!OpenRevisionFiles(session, TransferFolder(session, folder), &files)) continue;
    const int answer = console::PESAN(con, "data lama akan dihpus dulu (y/t)");
    if (answer == 'y' || answer == 'Y') s = Clear(session, files);
    if (s.ok()) s = SendInstruments(session, tables, files, colour);
    CloseRevisionFiles(session);
  }
  session.CloseTables();
  return s;
}

}  // namespace receivables
