// "CETAK INVOICE": the delivery note printed on its pre-printed 96-column form, which is also the
// customer's invoice. The first print marks the note printed and approves its receivable.
#include "sales/cjual.h"

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "documents/save_scope.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kItemRows = 18;
constexpr int kHeadingBlankRows = 10;
constexpr int kTitleFont = 20;
constexpr int kWordsWidth = 95;
const std::string kRule(95, '-');
constexpr std::string_view kColumns =
    "KODE       NAMA BARANG          CARTON   PACK     QTY      HARGA      DISCOUNT           JUMLAH";

std::string Picture(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

// The factor of a discount in percent.
double Off(double percent) { return (100 - percent) / 100; }

// The name of a field of the row of `key` in an open master, blank when there is none.
std::string MasterText(const frame::OpenedTables& tables, std::string_view alias, std::string_view key_field,
                       std::string_view key, std::string_view field, int width) {
  xbase::WorkArea& area = tables[alias];
  if (xbase::LookUp(area, area.PadToField(key_field, xbase::AllTrim(key)))) return area.Text(field);
  return std::string(static_cast<size_t>(width), ' ');
}

void Refuse(frame::Session& session, std::string_view text) { console::Alert(session.console(), text); }

// True when SRTJLN1 stands on the note of `number` (the number check put it there).
bool OnNote(const frame::OpenedTables& tables, std::string_view number) {
  const xbase::WorkArea& note = tables["SRTJLN1"];
  return !note.eof() && !xbase::IsBlank(number) && xbase::AllTrim(note.Text("INVOICE")) == xbase::AllTrim(number);
}

void DrawBox(frame::Session& session) {
  console::Console& con = session.console();
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  console::ISHADOW(con, 5, 20, 11, 59, colour);
  console::TENGAH(con, 6, "CETAK INVOICE", colour);
  con.Say(8, 22, "No. Invoice : ", con.Colour(colour));
  con.Say(9, 22, "Ctk Disc    :", con.Colour(colour));
}

// After a print that reached its device, all or nothing: the note marked printed and its receivable
// approved, both locked first. Esc at a lock held elsewhere marks nothing (said on row 24); the note
// may be printed again.
void MarkPrinted(frame::Session& session, const frame::OpenedTables& tables) {
  xbase::WorkArea& note = tables["SRTJLN1"];
  xbase::WorkArea& receivable = tables["PIUTDBT"];
  const uint32_t printed = note.recno();
  documents::SaveScope save(session.console());
  save.Update(note, printed);
  xbase::Status s = receivable.Seek(receivable.PadToField("NOTA", xbase::RTrim(note.Text("INVOICE"))));
  const uint32_t approved = s.ok() && receivable.found() ? receivable.recno() : 0;
  save.Update(receivable, approved);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return;
  }
  s = save.BeginWrites();
  if (s.ok()) s = note.GoTo(printed);
  if (s.ok()) s = note.Put("CETAK", xbase::Value::Logical(true));
  if (s.ok() && approved != 0) s = receivable.GoTo(approved);
  if (s.ok() && approved != 0) s = receivable.Put("APPROVAL", xbase::Value::Logical(true));
  frame::ShowFailure(session, save.CommitWrites(s));
}

}  // namespace

std::vector<frame::ReportLine> InvoiceRows(frame::Session& session, const frame::OpenedTables& tables,
                                           bool show_discounts) {
  xbase::WorkArea& note = tables["SRTJLN1"];
  xbase::WorkArea& lines = tables["SRTJLN2"];
  const std::string number = note.Text("INVOICE");
  const std::string customer = note.Text("RELASI");
  const auto text = [&](std::string_view field, int width) {
    return MasterText(tables, "MASTCUS", "RELASI", customer, field, width);
  };
  std::vector<frame::ReportLine> rows(kHeadingBlankRows, {"", "S", 0});
  const auto row = [&](std::string value) { rows.push_back({std::move(value), "S", 0}); };
  rows.push_back({std::string(35, ' ') + "S U R A T   J A L A N" + std::string(16, ' ') + "Nomor : " + number, "SH",
                  kTitleFont});
  row(xbase::PadR("Kepada Yth .", 65) + "Tgl. Invoice : " + xbase::Dtoc(note.DateOf("TANGGAL")));
  row(xbase::PadR(std::string(xbase::AllTrim(text("NAMA", 40))) + " (" + std::string(xbase::AllTrim(customer)) + ")", 67) +
      "Tgl. Order : " + xbase::Dtoc(note.DateOf("PESAN")));
  row(text("ALAMAT", 45) + "                 Tgl. Pengiriman : " + xbase::Dtoc(note.DateOf("KIRIM")));
  row(text("ALAMAT2", 45) + "                Tgl. Jatuh Tempo : " + xbase::Dtoc(note.DateOf("TEMPO")));
  row(text("KOTA", 15) + "                                               Kode Sales/Tipe : " + note.Text("SALES") +
      "/" + note.Text("TIPE"));
  row(text("TELP", 40) + "                    Syarat Pengiriman : " + note.Text("KTR1"));
  row("NOMOR ORDER : " + note.Text("NOMOR") + std::string(51, ' ') + note.Text("KTR2"));
  row(kRule);
  row(std::string(kColumns));
  row(kRule);

  const double head1 = note.Number("DISCOUNT"), head2 = note.Number("DISCOUNT2");
  double cartons = 0, packs = 0, total = 0;
  int items = 0;
  std::vector<uint32_t> records;
  xbase::Status status = lines.SetOrder("SRTJLN21");
  if (status.ok()) status = lines.SeekAll(number, &records);
  for (size_t i = 0; status.ok() && i < records.size(); ++i) {
    status = lines.GoTo(records[i]);
    const double quantity = lines.Number("QUANTITY");
    double price = lines.Number("HARGA"), d1 = lines.Number("DISCOUNT"), d2 = lines.Number("DISCOUNT2");
    double amount = quantity * price * Off(d1) * Off(d2);
    if (!show_discounts) {
      price = price * Off(d1) * Off(d2) * Off(head1) * Off(head2);
      d1 = d2 = 0;
      amount = quantity * price;
    }
    const std::string code = lines.Text("KODE");
    row(code + " " + MasterText(tables, "MASTBRJ", "KODE", code, "NAMA", 20) + " " +
        xbase::Str(lines.Number("Q_BOX"), 6) + " " + xbase::Str(lines.Number("Q_PAK"), 6) + " " +
        xbase::Str(quantity, 7) + " " + Picture(price, "9999999.99") + " " + Picture(d1, "999.99") + " " +
        Picture(d2, "999.99") + " " + Picture(amount, "9,999,999,999.99"));
    cartons += lines.Number("Q_BOX");
    packs += lines.Number("Q_PAK");
    total += amount;
    ++items;
  }
  frame::ShowFailure(session, status);
  row(kRule);
  row(std::string(31, ' ') + Picture(cartons, " 999999") + Picture(packs, " 999999") +
      (show_discounts ? "                        JUMLAH : " : "                  JUMLAH NETTO : ") +
      Picture(total, "99,999,999,999.99"));
  AppendFormEnd(&rows, total, head1, head2, show_discounts, items);
  return rows;
}

void AppendFormEnd(std::vector<frame::ReportLine>* rows, double total, double head1, double head2, bool cascade,
                   int items) {
  const auto row = [&](std::string value) { rows->push_back({std::move(value), "S", 0}); };
  if (cascade) {
    for (const double percent : {head1, head2}) {
      if (percent == 0) continue;
      const double cut = total * percent / 100;
      total -= cut;
      row(std::string(58, ' ') + "Discount " + Picture(percent, "999.99") + " % : " + Picture(cut, "99,999,999,999.99"));
    }
    row(std::string(63, ' ') + "JUMLAH NETTO : " + Picture(total, "99,999,999,999.99"));
  }
  for (int blank = 0; blank < 1 + std::max(0, kItemRows - items); ++blank) row("");
  const text::AmountLines words = text::TERBILANG(total, 2, kWordsWidth);
  row("Terbilang : " + words.first);
  if (!words.second.empty()) row(std::string(12, ' ') + words.second);
}

bool LCGETSURATJALAN(frame::Session& session, std::string* number, bool* printed) {
  frame::PickSpec pick;
  pick.alias = "SRTJLN1";
  pick.expressions = {"INVOICE", "TANGGAL", "RELASI", "NOMOR"};
  pick.heads = {"No. Invoice", "Tanggal", "Relasi", "No. Order"};
  bool found = false;
  xbase::WorkArea* note = nullptr;
  if (xbase::IsBlank(*number)) return false;
  const xbase::Status status = frame::PickAndSeek(session, pick, number, &found, &note);
  const std::string shown(xbase::AllTrim(*number));
  if (!frame::Checked(session, status)) return false;
  if (!found) {
    Refuse(session, "Nomor INVOICE " + shown + " tidak terdaftar");
    return false;
  }
  if (note->Logical("BATAL")) {
    Refuse(session, "Nomor INVOICE " + shown + " sudah dibatalkan");
    return false;
  }
  *printed = note->Logical("CETAK");
  if (*printed) Refuse(session, "Nomor INVOICE " + shown + " Sudah dicetak");
  return true;
}

bool CETAKSURATJALAN(frame::Session& session, const frame::OpenedTables& tables, bool show_discounts) {
  frame::ReportWriter report(session, "lapor");
  if (!report.Start() || !report.NewPage()) return false;
  for (const frame::ReportLine& row : InvoiceRows(session, tables, show_discounts)) {
    if (!report.Line(row.text, row.controls, row.font)) return false;
  }
  frame::ReportLayout layout;
  layout.width = 96;
  layout.title = "SJ";
  layout.left_margin = 1;
  layout.signature_box = false;
  if (!report.Print(layout)) return false;

  MarkPrinted(session, tables);
  return true;
}

xbase::Status CJUAL(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables =
      frame::OpenTables(session, {"SRTJLN1", "SRTJLN2", "MASTCUS", "MASTBRJ", "PIUTDBT"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string number(20, ' ');
  bool show_discounts = true, printed = false;
  for (;;) {
    DrawBox(session);
    console::GetList form;
    form.Add(8, 36, &number, "@!").valid = [&] { return LCGETSURATJALAN(session, &number, &printed); };
    form.Add(9, 36, &show_discounts, "Y");
    if (form.Read(con).escaped) break;
    if (OnNote(tables, number)) CETAKSURATJALAN(session, tables, show_discounts);
  }
  return session.tables().CloseAll();
}

}  // namespace sales
