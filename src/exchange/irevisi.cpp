// Taking in delivery-note revisions at the receiving site: each revised note replaces the note, its
// lines and its receivable.
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/key_merge.h"
#include "documents/named_records.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "documents/stored_lines.h"
#include "documents/transfer_folder.h"
#include "exchange/exchange.h"
#include "exchange/revision_tables.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "xbase/keyed_read.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace exchange {
namespace {

// The live tables the revisions replace rows in, with their aliases.
std::vector<frame::TableUse> Targets() {
  return {"MASTBRJ", "MASTCUS", {"SRTJLN1", "inv"}, {"SRTJLN2", "krt"}, {"SRTJLN3", "krk"}, {"SETUP", "setup"},
          "PIUTDBT"};
}

double Factor(double discount) { return (100 - discount) / 100; }

// The receivable of a revised note: its lines at their prices less every discount, unrounded.
double Receivable(const xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& rows,
                  xbase::Status* s) {
  double amount = 0;
  for (uint32_t row : rows) {
    if (*s = lines.GoTo(row); !s->ok()) return 0;
    amount += lines.Number("HARGA") * lines.Number("QUANTITY") * Factor(lines.Number("DISCOUNT")) *
              Factor(lines.Number("DISCOUNT2")) * Factor(header.Number("DISCOUNT")) *
              Factor(header.Number("DISCOUNT2"));
  }
  return amount;
}

std::string Shown(const xbase::Value& value, std::string_view picture) { return xbase::Transform(value, picture); }
std::string Num(double n, std::string_view picture) { return Shown(xbase::Value::Num(n), picture); }
std::string Day(xbase::Date d) { return Shown(xbase::Value::FromDate(d), ""); }

// Shows the revised note with its lines and the receivable.
void ShowNote(frame::Session& session, const frame::OpenedTables& tables, const xbase::WorkArea& header,
              xbase::WorkArea& lines, const std::vector<uint32_t>& rows, double amount) {
  console::Console& con = session.console();
  con.Clear(1, 0, 24, 79, con.Colour("W/n"));
  xbase::WorkArea& customers = tables["MASTCUS"];
  xbase::WorkArea& goods = tables["MASTBRJ"];
  const std::string customer = std::string(xbase::RTrim(header.Text("RELASI")));
  // Only shown: a name that cannot be read shows blank, as a missing one does.
  bool known = xbase::LookUp(customers, customers.PadToField("RELASI", customer));
  const std::string discounts =
      Num(header.Number("DISCOUNT"), "999.99") + "+" + Num(header.Number("DISCOUNT2"), "999.99");
  const xbase::Date due = header.DateOf("TEMPO") + static_cast<int>(header.Number("TERM"));
  con.Say(1, 0,
          "No. SJ : " + header.Text("INVOICE") + "  Tg. SJ    : " + Day(header.DateOf("TANGGA")) +
              "  Sales : " + header.Text("SALES"));
  con.Say(2, 0,
          "Relasi : " + header.Text("RELASI") + "             Tg. Kirim : " + Day(header.DateOf("KIRIM")) +
              "   kdcb : " + header.Text("KDCB") + "/" + header.Text("TIPE"));
  con.Say(3, 0,
          "Nama   : " + (known ? customers.Text("NAMA").substr(0, 20) : std::string(20, ' ')) +
              "  Tg. Tempo : " + Day(due) + " C.Disc : " + discounts);
  con.Say(
      4, 0,
      "Kota   : " + (known ? customers.Text("KOTA") : std::string()) + "         Keterangan : " + header.Text("KTR1"));
  con.Say(5, 0, "Kode       Nama                     Qty          Harga   Disc           Nilai OP", con.Colour("B+/w"));
  int row = 6;
  for (uint32_t record : rows) {
    if (row > 21 || !lines.GoTo(record).ok()) break;
    const std::string code = std::string(xbase::RTrim(lines.Text("KODE")));
    known = xbase::LookUp(goods, goods.PadToField("KODE", code));
    const double quantity = lines.Number("QUANTITY");
    const double price = lines.Number("HARGA");
    const double value = quantity * price * Factor(lines.Number("DISCOUNT")) * Factor(lines.Number("DISCOUNT2"));
    con.Say(row++, 0,
            lines.Text("KODE") + " " + (known ? goods.Text("NAMA") : std::string(20, ' ')) + Num(quantity, " 9999999") +
                "K" + Num(price, " 999999999.99") +
                Num(lines.Number("DISCOUNT") + lines.Number("DISCOUNT2"), " 999.99") + Num(value, " 999,999,999.99 "));
  }
  con.Say(row + 1, 0,
          "                Jumlah dikurangi C.Disc : " + discounts + " =" + Num(amount, " 99,999,999,999.99"),
          con.Colour("B+/w"));
}

// Deletes every live row of the note `invoice` in `area` (on its invoice order).
xbase::Status DeleteNote(console::Console& con, xbase::WorkArea& area, const std::string& invoice) {
  std::vector<uint32_t> rows;
  xbase::Status s = area.SeekAll(area.PadToField("INVOICE", invoice), &rows);
  for (uint32_t row : rows) {
    if (s.ok()) s = area.GoTo(row);
    if (!s.ok() || area.deleted()) continue;
    if (s = console::LOCK_REC(con, area); !s.ok()) break;
    s = area.Delete();
    const xbase::Status unlocked = area.Unlock();
    if (s.ok()) s = unlocked;
  }
  return s;
}

// The receivable of the note takes the revised amount. A live receivable moves the balance of its
// customer from its old amount to the new one; a new or recalled one adds the new amount once.
xbase::Status ReplaceReceivable(frame::Session& session, xbase::WorkArea& debts, const xbase::WorkArea& header,
                                double amount) {
  console::Console& con = session.console();
  const std::string invoice = std::string(xbase::RTrim(header.Text("INVOICE")));
  const std::string customer = std::string(xbase::RTrim(header.Text("RELASI")));
  const documents::FieldValues fields = {{"NOTA", xbase::Value::Text(invoice)},
                                         {"TANGGAL", xbase::Value::FromDate(header.DateOf("TANGGA"))},
                                         {"KDCB", xbase::Value::Text(header.Text("KDCB"))},
                                         {"RELASI", xbase::Value::Text(customer)},
                                         {"TIPE", xbase::Value::Text(header.Text("TIPE"))},
                                         {"SALES", xbase::Value::Text(header.Text("SALES"))},
                                         {"KTR", xbase::Value::Text(header.Text("KTR1"))},
                                         {"CODE_ID", xbase::Value::Text(header.Text("CODE_ID"))},
                                         {"DEBET", xbase::Value::Num(amount)},
                                         {"TEMPO", xbase::Value::FromDate(header.DateOf("TEMPO"))}};
  xbase::Status s = debts.Seek(debts.PadToField("NOTA", invoice));
  if (!s.ok()) return s;
  if (!debts.found()) {
    s = documents::AppendRecord(con, debts, fields);
    return s.ok() ? documents::UPSALDOMASTCUS(session, customer, amount, 0) : s;
  }
  if (s = console::LOCK_REC(con, debts); !s.ok()) return s;
  const bool counted = !debts.deleted();
  const std::string old_customer = std::string(xbase::RTrim(debts.Text("RELASI")));
  const double old_amount = debts.Number("DEBET");
  if (!counted && !(s = debts.Recall()).ok()) {
    debts.Unlock().IgnoreError();  // the failed recall is the one reported
    return s;
  }
  if (s = documents::PutAndRelease(debts, fields); !s.ok()) return s;
  if (counted) s = documents::UPSALDOMASTCUS(session, old_customer, 0, old_amount);
  return s.ok() ? documents::UPSALDOMASTCUS(session, customer, amount, 0) : s;
}

// Replaces the note standing in dtsj1 with its revised lines and receivable.
xbase::Status WriteRevision(frame::Session& session, const frame::OpenedTables& tables,
                            const std::vector<uint32_t>& rows, double amount) {
  console::Console& con = session.console();
  xbase::WorkArea& revised = tables["dtsj1"];
  xbase::WorkArea& notes = tables["inv"];
  const std::string invoice = std::string(xbase::RTrim(revised.Text("INVOICE")));
  xbase::Status s;
  if (rows.empty()) {
    s = DeleteNote(con, notes, invoice);
  } else {
    s = notes.Seek(notes.PadToField("INVOICE", invoice));
    if (s.ok()) s = documents::MergeHeaderRow(con, notes, notes.found(), revised, true);
  }
  documents::MergedLines lines;
  lines.incoming = &tables["dtsj2"];
  lines.live = &tables["krt"];
  if (s.ok()) s = documents::MergeKeyLines(con, session.tables(), lines, revised, 1);
  return s.ok() ? ReplaceReceivable(session, tables["PIUTDBT"], revised, amount) : s;
}

// What taking in the note standing in dtsj1 changes: the notes and their lines (whole tables, as the
// merge rewrites rows it finds by key), the receivable, and the balances of its old and new customer.
xbase::Status NameRevision(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables) {
  const xbase::WorkArea& revised = tables["dtsj1"];
  xbase::WorkArea& debts = tables["PIUTDBT"];
  for (const char* alias : {"inv", "krt"}) {
    save.Table(tables[alias]);
    save.Append(tables[alias]);
  }
  const std::string invoice = std::string(xbase::RTrim(revised.Text("INVOICE")));
  xbase::Status s = documents::NameKeyedRecord(save, debts, "PIUTDBT1", debts.PadToField("NOTA", invoice));
  // The receivable's customer has a balance the save changes: a receivable that cannot be read
  // stops the save before its locks, rather than leaving that balance unlocked.
  bool found = false;
  if (s.ok()) s = xbase::SeekFound(debts, debts.PadToField("NOTA", invoice), &found);
  if (s.ok() && found) s = documents::NameBalance(save, session, xbase::RTrim(debts.Text("RELASI")));
  return s.ok() ? documents::NameBalance(save, session, xbase::RTrim(revised.Text("RELASI"))) : s;
}

// Takes in the note standing in dtsj1 all or nothing. A lock given up is told and leaves the note
// as it was; the next revision follows.
xbase::Status TakeIn(frame::Session& session, const frame::OpenedTables& tables, const std::vector<uint32_t>& rows,
                     double amount) {
  documents::SaveScope save(session.console());
  xbase::Status s = NameRevision(save, session, tables);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = WriteRevision(session, tables, rows, amount);
  return save.CommitWrites(s);
}

// The live tables, then the revision tables of `folder`.
frame::OpenedTables OpenTargets(frame::Session& session, const std::string& folder) {
  if (!frame::OpenTables(session, Targets())) return frame::OpenedTables();
  return OpenRevisionTables(session, folder, true, Targets());
}

}  // namespace

xbase::Status IREVISI(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string folder = xbase::PadR(kRevisionFolder, 60);
  const std::string colour = "Gr+/b";
  console::ISHADOW(con, 5, 10, 9, 69, colour);
  console::TENGAH(con, 6, "Impor Revisi Surat Jalan", colour);
  con.Say(7, 16, "Dir :", con.Colour(colour));
  console::GetList ask;
  ask.Add(7, 22, &folder, "@S40").colour = "w+/b,w+/r";
  if (ask.Read(con).escaped || std::string(xbase::AllTrim(folder)).empty()) return xbase::Status::OK();
  const frame::OpenedTables tables = OpenTargets(session, documents::TransferFolder(session, folder));
  if (!tables) {
    session.CloseTables();
    return xbase::Status::OK();
  }
  xbase::WorkArea& revised = tables["dtsj1"];
  xbase::WorkArea& lines = tables["dtsj2"];
  xbase::Status s;
  {
    xbase::ShowDeleted show(&session.tables());
    s = revised.SetOrder(0);
    if (s.ok()) s = revised.GoTop();
    while (s.ok() && !revised.eof()) {
      const uint32_t at = revised.recno();
      std::vector<uint32_t> rows;
      s = lines.SeekAll(lines.PadToField("INVOICE", std::string(xbase::RTrim(revised.Text("INVOICE")))), &rows);
      const double amount = s.ok() ? Receivable(revised, lines, rows, &s) : 0;
      if (!s.ok()) break;
      ShowNote(session, tables, revised, lines, rows, amount);
      const int answer = console::PESAN(con, "yakin data akan diimpor (y/t)");
      if (answer == 'Y' || answer == 'y') s = TakeIn(session, tables, rows, amount);
      if (s.ok()) s = revised.GoTo(at);
      if (s.ok()) s = revised.Skip();
    }
  }
  frame::ShowFailure(session, s);
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace exchange
