// A giro's clearing date: when it was cashed, or that it bounced.
#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivables/keyed_seek.h"
#include "receivables/tgiro.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

// The clearing of one giro as the form holds it.
struct Clearing {
  std::string number = std::string(20, ' ');
  xbase::Date date;
  bool bounced = false;
  std::string notes = std::string(20, ' ');
};

// Only registered giros are cleared; the nominal value and the received date are shown, and a stored
// clearing comes back into the form.
bool CheckGiro(frame::Session& session, const frame::OpenedTables& tables, Clearing* clearing,
               std::string_view colour) {
  console::Console& con = session.console();
  frame::PickSpec pick;
  pick.alias = "GIRODBT";
  pick.expressions = {"nomor", "ket", "relasi", "debet"};
  pick.heads = {"Nomor", "Jenis", "Relasi", "Nilai"};
  bool found = false;
  xbase::Status s = frame::PickCode(session, pick, &clearing->number);
  xbase::WorkArea& giro = tables["GIRODBT"];
  if (s.ok()) s = SeekExact(giro, "GIRODBT1", "NOMOR", clearing->number, &found);
  clearing->number = xbase::PadR(clearing->number, 20);
  if (!frame::Checked(session, s)) return false;
  if (!found || xbase::AllTrim(giro.Text("KET")) != "GIRO") {
    console::PESAN(con, "bukan nomor giro");
    return false;
  }
  const console::Attr attr = con.Colour(colour);
  con.Say(11, 36, xbase::Transform(xbase::Value::Num(giro.Number("DEBET")), "9,999,999,999.99"), attr);
  con.Say(12, 36, xbase::Dtoc(giro.DateOf("TG_TERIMA")), attr);
  xbase::WorkArea& stored = tables["GIROCAIR"];
  if (!frame::Checked(session, SeekExact(stored, "GIROCAIR", "NOMOR", clearing->number, &found))) return false;
  clearing->date = found ? stored.DateOf("TANGGAL") : xbase::Date();
  clearing->bounced = found && stored.Logical("KOSONG");
  clearing->notes = xbase::PadR(found ? stored.Text("NOTES") : "", 20);
  return true;
}

xbase::Status SaveClearing(frame::Session& session, xbase::WorkArea& rows, const Clearing& clearing) {
  bool found = false;
  xbase::Status s = SeekExact(rows, "GIROCAIR", "NOMOR", clearing.number, &found);
  if (!s.ok()) return s;
  s = found ? console::LOCK_REC(session.console(), rows) : console::APP_REC(session.console(), rows);
  if (s.ok()) s = rows.Put("NOMOR", xbase::Value::Text(clearing.number));
  if (s.ok()) s = rows.Put("TANGGAL", xbase::Value::FromDate(clearing.date));
  if (s.ok()) s = rows.Put("KOSONG", xbase::Value::Logical(clearing.bounced));
  if (s.ok()) s = rows.Put("NOTES", xbase::Value::Text(clearing.notes));
  const xbase::Status unlocked = rows.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status ITC(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = frame::OpenTables(session, {"GIRODBT", "GIROCAIR"});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  xbase::Status s;
  while (s.ok()) {
    console::SHADOW(con, 7, 15, 16, 64, colour);
    console::TENGAH(con, 8, "Isi Tanggal Cair", colour);
    const console::Attr attr = con.Colour(colour);
    const char* labels[] = {"Nomor Giro", "Nominal", "Tg. Terima", "Tg. Cair", "Kosong", "Notes"};
    for (int i = 0; i < 6; ++i) con.Say(10 + i, 17, xbase::PadR(labels[i], 18) + ":", attr);
    Clearing clearing;
    console::GetList number;
    number.Add(10, 36, &clearing.number, "@!").valid = [&] { return CheckGiro(session, tables, &clearing, colour); };
    if (number.Read(con).escaped || xbase::IsBlank(clearing.number)) break;
    console::GetList form;
    form.Add(13, 36, &clearing.date);
    form.Add(14, 36, &clearing.bounced, "Y");
    form.Add(15, 36, &clearing.notes, "@!");
    if (form.Read(con).escaped) continue;
    const int answer = console::PESAN(con, "Data sudah betul (Y/T)");
    if (answer == 'Y' || answer == 'y') s = SaveClearing(session, tables["GIROCAIR"], clearing);
  }
  session.CloseTables();
  return s;
}

}  // namespace receivables
