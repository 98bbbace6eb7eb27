// J1606: "PEMBATALAN SURAT JALAN". A delivery note made from a proforma is cancelled in the month it
// was made, when nothing has been paid on it: the goods come back, the proforma's realisations go
// down, and the receivable and the customer's balance fall to nothing of it.
#include <cctype>
#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "documents/stock_posting.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/cjual.h"
#include "sales/proforma_note.h"
#include "sales/sales.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr char kPrefix[] = "sudah tidak boleh dibatalkan, karena ";

xbase::Status Rows(xbase::WorkArea& area, std::string_view order, std::string_view field, std::string_view key,
                   std::vector<uint32_t>* records) {
  xbase::Status s = area.SetOrder(order);
  if (s.ok()) s = area.SeekAll(area.PadToField(field, xbase::RTrim(key)), records);
  return s;
}

// The paid part and the amount of the note's receivable rows.
xbase::Status Receivable(xbase::WorkArea& receivables, std::string_view number, double* paid, double* amount) {
  std::vector<uint32_t> records;
  xbase::Status s = Rows(receivables, "PIUTDBT1", "NOTA", number, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = receivables.GoTo(records[i]); !s.ok()) break;
    *paid += receivables.Number("KREDIT");
    *amount += receivables.Number("DEBET");
  }
  return s;
}

// GETBATAL: the note may be cancelled; SRTJLN1 stands on it.
bool GETBATAL(frame::Session& session, const frame::OpenedTables& tables, std::string* number) {
  frame::PickSpec pick;
  pick.alias = "srtjln1";
  pick.expressions = {"INVOICE", "RELASI", "TANGGAL", "BATAL", "CETAK"};
  pick.heads = {"Invoice", "Relasi", "Tanggal", "Batal", "Cetak"};
  bool found = false;
  xbase::WorkArea* note = nullptr;
  if (xbase::IsBlank(*number)) return true;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, number, &found, &note))) return false;
  if (!found) return pickers::Refuse(session, "Surat Jalan belum terdaftar");
  if (!note->Logical("PROFORMA")) return pickers::Refuse(session, "Bukan Sj dari PROFORMA");
  const xbase::Date date = note->DateOf("TANGGAL");
  if (!session.TGAJUSMENT.empty() && date < session.TGAJUSMENT) {
    return pickers::Refuse(session, "SJ sebelum tanggal " + xbase::Dtoc(session.TGAJUSMENT) + " tidak boleh dibatalkan");
  }
  const xbase::Date today = session.Today();
  if (date.year() != today.year() || date.month() != today.month()) {
    return pickers::Refuse(session, std::string(kPrefix) + "beda bulan ");
  }
  double paid = 0, amount = 0;
  if (!frame::Checked(session, Receivable(tables["piutdbt"], *number, &paid, &amount))) return false;
  if (paid != 0) return pickers::Refuse(session, std::string(kPrefix) + "sudah dibayar ");
  if (note->Logical("BATAL")) return pickers::Refuse(session, "Surat Jalan sudah dibatalkan");
  return true;
}

// Every record the cancellation changes, named before its locks: the proforma's delivery lines and
// the proforma lines they realised, its delivery headers, the note, its lines with the stock they put
// back, its receivables and the customer's balance.
xbase::Status NameCancel(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                         std::string_view number, std::string_view customer) {
  xbase::WorkArea& out_lines = tables["pro_ot2"];
  xbase::WorkArea& proforma_lines = tables["pro_in2"];
  std::vector<uint32_t> records;
  xbase::Status s = Rows(out_lines, "PRO_OT21", "NOMOR", number, &records);
  frame::OrderScope order(proforma_lines);
  if (s.ok()) s = proforma_lines.SetOrder("PRO_IN22");
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    save.Update(out_lines, records[i]);
    if (s = out_lines.GoTo(records[i]); !s.ok()) break;
    s = proforma_lines.Seek(proforma_lines.PadToField("NOMOR", out_lines.Text("NO_REFF")) +
                            proforma_lines.PadToField("KODE", out_lines.Text("KODE")));
    if (s.ok() && proforma_lines.found()) save.Update(proforma_lines, proforma_lines.recno());
  }
  const auto name_rows = [&](std::string_view alias, std::string_view index, std::string_view field) {
    xbase::WorkArea& area = tables[alias];
    xbase::Status named = Rows(area, index, field, number, &records);
    for (uint32_t record : records) save.Update(area, record);
    return named;
  };
  if (s.ok()) s = name_rows("pro_ot1", "PRO_OT11", "NOMOR");
  if (s.ok()) s = name_rows("srtjln1", "SRTJLN11", "INVOICE");
  if (s.ok()) s = name_rows("piutdbt", "PIUTDBT1", "NOTA");
  xbase::WorkArea& lines = tables["srtjln2"];
  if (s.ok()) s = Rows(lines, "SRTJLN21", "INVOICE", number, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    save.Update(lines, records[i]);
    if (s = lines.GoTo(records[i]); s.ok()) s = documents::NameStockMove(save, session, lines.Text("KODE"), lines.Text("GUDANG"));
  }
  return s.ok() ? documents::NameBalance(save, session, customer) : s;
}

// The cancellation, record by record.
xbase::Status Cancel(frame::Session& session, const frame::OpenedTables& tables, std::string_view number,
                     const std::string& customer) {
  console::Console& con = session.console();
  xbase::WorkArea& note = tables["srtjln1"];
  xbase::WorkArea& lines = tables["srtjln2"];
  xbase::WorkArea& receivables = tables["piutdbt"];
  xbase::WorkArea& out = tables["pro_ot1"];
  xbase::WorkArea& out_lines = tables["pro_ot2"];
  std::vector<uint32_t> records;
  xbase::Status s = Rows(out_lines, "PRO_OT21", "NOMOR", number, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = out_lines.GoTo(records[i]); !s.ok()) break;
    s = UPDATEEKSPROFORMA(session, out_lines.Text("NO_REFF"), out_lines.Text("KODE"), out_lines.Text("URUT"), 0,
                          out_lines.Number("QUANTITY"));
    if (s.ok()) s = console::LOCK_REC(con, out_lines);
    if (s.ok()) s = out_lines.Delete();
    const xbase::Status released = out_lines.Unlock();
    if (s.ok()) s = released;
  }
  if (s.ok()) s = Rows(out, "PRO_OT11", "NOMOR", number, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = out.GoTo(records[i]); s.ok()) s = console::LOCK_REC(con, out);
    if (s.ok()) s = documents::PutAndRelease(out, {{"NILAI_SJ", xbase::Value::Num(0)}});
  }
  if (s.ok()) s = Rows(note, "SRTJLN11", "INVOICE", number, &records);
  if (s.ok() && !records.empty()) {
    if (s = note.GoTo(records.front()); s.ok()) s = console::LOCK_REC(con, note);
    if (s.ok()) {
      s = documents::PutAndRelease(note, {{"BATAL", xbase::Value::Logical(true)},
                                          {"KTR2", xbase::Value::Text(xbase::Dtoc(session.Today()))}});
    }
  }
  if (s.ok()) s = Rows(lines, "SRTJLN21", "INVOICE", number, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines.GoTo(records[i]); !s.ok()) break;
    s = documents::UPMASTERBARANG(session, lines.Text("KODE"), lines.Text("GUDANG"), lines.Number("QUANTITY"), 0);
    if (s.ok()) s = console::LOCK_REC(con, lines);
    if (s.ok()) s = lines.Delete();
    const xbase::Status released = lines.Unlock();
    if (s.ok()) s = released;
  }
  if (s.ok()) s = Rows(receivables, "PIUTDBT1", "NOTA", number, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = receivables.GoTo(records[i]); !s.ok()) break;
    const double amount = receivables.Number("DEBET");
    s = documents::UPSALDOMASTCUS(session, customer, 0, amount);
    if (s.ok()) s = console::LOCK_REC(con, receivables);
    if (s.ok()) s = documents::PutAndRelease(receivables, {{"DEBET", xbase::Value::Num(0)}});
  }
  return s;
}

}  // namespace

xbase::Status J1606(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = frame::OpenTables(
      session,
      {"mastbrj", "STOKBRG", "SRTJLN1", "SRTJLN2", "MASTCUS", "PIUTDBT", "pro_ot1", "pro_ot2", "pro_in1", "pro_in2"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string number(20, ' ');
  for (;;) {
    const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
    console::ISHADOW(con, 8, 15, 12, 64, colour);
    console::TENGAH(con, 9, "PEMBATALAN SURAT JALAN", colour);
    con.Say(11, 18, "NOMOR : ", con.Colour(colour));
    console::GetList form;
    form.Add(11, 26, &number, "@!").valid = [&] { return GETBATAL(session, tables, &number); };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    xbase::WorkArea& note = tables["srtjln1"];
    const std::string question = "yakin SJ " + std::string(xbase::RTrim(number)) + " u/ Proforma " +
                                 std::string(xbase::RTrim(note.Text("NOMOR"))) + " akan dibatalkan (Y/T)";
    if (std::toupper(console::PESAN(con, question)) != 'Y') continue;
    // All or nothing: every lock before the first write; a lock given up writes nothing.
    const std::string customer = note.Text("RELASI");
    documents::SaveScope save(con);
    xbase::Status s = NameCancel(save, session, tables, number, customer);
    if (s.ok()) s = save.Lock();
    if (!s.ok()) {
      documents::NothingSaved(session, s);
      continue;
    }
    s = save.BeginWrites();
    if (s.ok()) s = Cancel(session, tables, number, customer);
    if (frame::Checked(session, save.CommitWrites(s))) number = std::string(20, ' ');
  }
  return session.tables().CloseAll();
}

xbase::Status J1605(frame::Session& session, const std::vector<xbase::Value>& args) { return CJUAL(session, args); }

}  // namespace sales
