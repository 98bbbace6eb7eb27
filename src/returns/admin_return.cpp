// The administrative return of a whole printed delivery note: its checks, its lines and its save.
#include "returns/admin_return.h"

#include "console/message.h"
#include "documents/document_counter.h"
#include "documents/field_values.h"
#include "documents/save_scope.h"
#include "documents/line_value.h"
#include "documents/record_writes.h"
#include "documents/stock_posting.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "receivables/receivables.h"
#include "returns/return_tables.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace returns {

using documents::D;
using documents::L;
using documents::N;
using documents::T;

namespace {

// Returns that may be made this many days after the delivery note, counted from the last start date.
constexpr int kDayLimit = 6;
constexpr std::string_view kNumberPrefix = "RADM-";
constexpr std::string_view kCounterNote = "RETURADMIN";

std::string Trimmed(std::string_view text) { return std::string(xbase::AllTrim(text)); }

bool Refuse(frame::Session& session, const std::string& message) { return pickers::Refuse(session, message); }

// The first refusal of a delivery note that is settled, taxed or already returned; empty when none.
bool NoteIsFree(frame::Session& session, const frame::OpenedTables& tables, const std::string& number) {
  bool found = false;
  xbase::WorkArea& paid = tables["PIUTKR2"];
  if (!frame::Checked(session, SeekExact(paid, "PIUTKR22", "NOTA", number, &found))) return false;
  if (found) {
    return Refuse(session, "Invoice/Sj : " + number + ", sudah dibayar/diretur, dg Nomor : " +
                               Trimmed(paid.Text("KDCB") + paid.Text("NOMOR")));
  }
  if (!frame::Checked(session, SeekExact(tables["PPN_KEL"], "PPN_KEL1", "NO_SJ", number, &found))) return false;
  if (found) return Refuse(session, "Invoice/Sj " + number + ", sudah dibuat faktur pajak");
  return true;
}

AdminNote NoteOf(const xbase::WorkArea& head) {
  AdminNote note;
  note.invoice = head.Text("INVOICE");
  note.order = head.Text("NOMOR");
  note.customer = head.Text("RELASI");
  note.order_date = head.DateOf("PESAN");
  note.date = head.DateOf("TANGGAL");
  note.sent = head.DateOf("KIRIM");
  note.due = head.DateOf("TEMPO");
  note.branch = head.Text("KDCB");
  note.type = head.Text("TIPE");
  note.salesman = head.Text("SALES");
  note.code_id = head.Text("CODE_ID");
  note.ktr1 = head.Text("KTR1");
  note.ktr2 = head.Text("KTR2");
  note.term = head.Number("TERM");
  note.discount1 = head.Number("DISCOUNT");
  note.discount2 = head.Number("DISCOUNT2");
  note.include = head.Logical("INCLUDE");
  return note;
}

xbase::Status LoadLines(const frame::OpenedTables& tables, AdminNote* note) {
  xbase::WorkArea& lines = tables["SRTJLN2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("SRTJLN23");
  if (s.ok()) s = lines.SeekAll(lines.PadToField("INVOICE", xbase::RTrim(note->invoice)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); !s.ok()) break;
    note->lines.push_back({lines.Text("GUDANG"), lines.Text("KODE"), lines.Number("QUANTITY"), lines.Number("HARGA"),
                           lines.Number("DISCOUNT"), lines.Number("DISCOUNT2"), lines.Text("URUTAN"),
                           lines.Text("KTR"), lines.Number("HRG_RATA"), lines.Number("Q_BOX"),
                           lines.Number("Q_PAK"), lines.Number("Q_PCS")});
  }
  return s;
}

bool Returned(const AdminLine& line) { return !xbase::IsBlank(line.code) && line.quantity != 0; }

// The document number free among the returns and the branch's receipts.
xbase::Status NumberTaken(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                          bool* taken) {
  xbase::Status s = SeekExact(tables["RTJUAL1"], "RTJUAL11", "NOMOR", std::string(kNumberPrefix) + number, taken);
  if (!s.ok() || *taken) return s;
  xbase::WorkArea& receipts = tables["PIUTKR1"];
  s = receipts.SetOrder("PIUTKR11");
  if (s.ok()) s = receipts.Seek(receipts.PadToField("KDCB", branch) + receipts.PadToField("NOMOR", number));
  if (s.ok()) *taken = receipts.found();
  return s;
}

class AdminSave {
 public:
  AdminSave(frame::Session& session, const frame::OpenedTables& tables, const AdminNote& note)
      : session_(session), tables_(tables), note_(note) {}

  xbase::Status Write(const std::string& number) {
    const std::string document = std::string(kNumberPrefix) + number;
    const xbase::Date today = session_.Today();
    console::Console& con = session_.console();
    xbase::Status s = documents::AppendRecord(
        con, tables_["RTJUAL1"],
        {{"NOMOR", T(document)}, {"TANGGAL", D(today)}, {"RELASI", T(note_.customer)}, {"TIPE", T(note_.type)},
         {"SALES", T(note_.salesman)}, {"KDCB", T(note_.branch)}, {"KTR1", T(kCounterNote)},
         {"DISCOUNT", N(note_.discount1)}, {"DISCOUNT2", N(note_.discount2)}, {"CODE_ID", T(note_.code_id)},
         {"RADMIN", L(true)}, {"INCLUDE", L(note_.include)}, {"CETAK", L(true)}, {"TG_INPUT", D(today)},
         {"OPERATOR", T(session_.MMEMBER.nik)}});
    int position = 0;
    for (const AdminLine& line : note_.lines) {
      if (!s.ok()) break;
      if (!Returned(line)) continue;
      s = WriteLine(document, line, ++position);
    }
    if (s.ok()) s = MarkNote(document);
    if (s.ok()) s = Settle(number);
    return s;
  }

 private:
  xbase::Status WriteLine(const std::string& document, const AdminLine& line, int position) {
    double dos = 0, pak = 0;
    bool found = false;
    xbase::WorkArea& goods = tables_["MASTBRJ"];
    xbase::Status s = SeekExact(goods, "MASTBRJ1", "KODE", line.code, &found);
    if (!s.ok()) return s;
    if (found) {
      dos = goods.Number("DOS");
      pak = goods.Number("PAK");
    }
    const documents::CartonSplit split = documents::SplitCartons(line.quantity, dos, pak);
    s = documents::AppendRecord(
        session_.console(), tables_["RTJUAL2"],
        {{"NOMOR", T(document)}, {"INVOICE", T(note_.invoice)}, {"KODE", T(line.code)},
         {"GUDANG", T(line.warehouse)}, {"Q_BOX", N(split.cartons)}, {"Q_PAK", N(split.packs)},
         {"Q_PCS", N(split.pieces)}, {"QUANTITY", N(line.quantity)}, {"HARGA", N(line.price)},
         {"DISCOUNT", N(line.discount1)}, {"DISCOUNT2", N(line.discount2)}, {"KTR", T(line.note)},
         {"URUTAN", T(line.urutan)}, {"URUT", T(xbase::Str(position, 3))}, {"HRG_RATA", N(line.average_cost)}});
    return s.ok() ? documents::UPMASTERBARANG(session_, line.code, line.warehouse, line.quantity, 0) : s;
  }

  xbase::Status MarkNote(const std::string& document) {
    bool found = false;
    xbase::WorkArea& head = tables_["SRTJLN1"];
    xbase::Status s = SeekExact(head, "SRTJLN11", "INVOICE", note_.invoice, &found);
    if (s.ok() && !found) s = xbase::Status::NotFound("delivery note", note_.invoice);
    return s.ok() ? Rewrite(session_, head, {{"RET_ADM", T(document)}}) : s;
  }

  xbase::Status Settle(const std::string& number) {
    const xbase::Date today = session_.Today();
    const double value = note_.ReturnValue();
    console::Console& con = session_.console();
    xbase::Status s = documents::AppendRecord(
        con, tables_["PIUTKR1"],
        {{"KDCB", T(note_.branch)}, {"NOMOR", T(number)}, {"TANGGAL", D(today)}, {"NOTES", T(kCounterNote)},
         {"CETAK", L(true)}, {"TGINPUT", D(today)}, {"OPERATOR", T(session_.MMEMBER.nik)}});
    if (s.ok()) {
      s = documents::AppendRecord(con, tables_["PIUTKR2"],
                                  {{"KDCB", T(note_.branch)}, {"NOMOR", T(number)}, {"NOTA", T(note_.invoice)},
                                   {"KD_TT", T("RA")}, {"NOTES", T(kCounterNote)}, {"KREDIT", N(value)},
                                   {"URUT", T("  1")}});
    }
    receivables::SettlementFound found;
    if (s.ok()) s = receivables::UPDATEPIUTANGDANGIRO(session_, note_.invoice, "", 0, value, &found);
    if (s.ok() && !found.invoice) s = xbase::Status::NotFound("receivable", note_.invoice);
    return s;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  const AdminNote& note_;
};

// Every record the save changes: the counter, the return's header and lines, the stock of each
// returned line, the delivery note, the receipt and the settled invoice.
xbase::Status NameAdminReturn(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                              const AdminNote& note, const documents::CounterKind& kind) {
  xbase::Status s = documents::NameCounter(save, tables["SETUP"], kind, "");
  save.Append(tables["RTJUAL1"]);
  save.Append(tables["RTJUAL2"]);
  save.Append(tables["PIUTKR1"]);
  save.Append(tables["PIUTKR2"]);
  for (size_t i = 0; s.ok() && i < note.lines.size(); ++i) {
    if (Returned(note.lines[i])) s = documents::NameStockMove(save, session, note.lines[i].code, note.lines[i].warehouse);
  }
  bool found = false;
  xbase::WorkArea& head = tables["SRTJLN1"];
  if (s.ok()) s = SeekExact(head, "SRTJLN11", "INVOICE", note.invoice, &found);
  if (s.ok() && found) save.Update(head, head.recno());
  if (s.ok()) s = receivables::NameSettlement(save, session, note.invoice, "");
  return s;
}

}  // namespace

double AdminLine::Value() const { return documents::LineValue(quantity, price, discount1, discount2); }

double AdminNote::Net() const {
  double sum = 0;
  for (const AdminLine& line : lines) sum += line.Value();
  return documents::AfterDiscounts(sum, discount1, discount2);
}

double AdminNote::ReturnValue() const {
  double sum = 0;
  for (const AdminLine& line : lines) {
    if (Returned(line)) sum += documents::AfterDiscounts(line.Value(), discount1, discount2);
  }
  return sum;
}

frame::OpenedTables OpenAdminReturnTables(frame::Session& session) {
  return frame::OpenTables(session,
                           {{"MASTBRJ"}, {"STOKBRG"}, {"SRTJLN1"}, {"SRTJLN2"}, {"SRTJLN3"}, {"MASTCUS"}, {"SLSODR1"},
                            {"SLSODR2"}, {"PIUTDBT"}, {"SETUP"},   {"PERUSH"},  {"TIPE"},    {"MASTSLS"}, {"MASTGDG"},
                            {"RTJUAL1"}, {"RTJUAL2"}, {"RTJUAL3"}, {"PIUTKR1"}, {"PIUTKR2"}, {"PPN_KEL"}});
}

bool LCGERSURATJALAN(frame::Session& session, const frame::OpenedTables& tables, std::string_view typed,
                     AdminNote* note) {
  const std::string number = Trimmed(typed);
  if (number.empty() || !NoteIsFree(session, tables, number)) return false;
  bool found = false;
  xbase::WorkArea& head = tables["SRTJLN1"];
  if (!frame::Checked(session, SeekExact(head, "SRTJLN11", "INVOICE", number, &found)) || !found) return false;
  if (!xbase::IsBlank(head.Text("RET_ADM"))) {
    return Refuse(session, "Sudah direktur Admin no " + Trimmed(head.Text("RET_ADM")));
  }
  if (!head.Logical("CETAK")) return Refuse(session, "Invoice/Sj " + number + ", belum cetak, diralat saja");
  if (session.ZTGLBATAS - head.DateOf("TANGGAL") > kDayLimit) {
    for (int i = 0; i < 3; ++i) console::BUNYI(session.console());
    return Refuse(session, "Batas Retur Admin cuma 6 Hari");
  }
  *note = NoteOf(head);
  return frame::Checked(session, LoadLines(tables, note));
}

xbase::Status SaveAdminReturn(frame::Session& session, const frame::OpenedTables& tables, const AdminNote& note,
                              std::string* number) {
  // The invoice must be there to be settled: without it nothing is written.
  bool found = false;
  xbase::Status s = SeekExact(tables["PIUTDBT"], "PIUTDBT1", "NOTA", note.invoice, &found);
  if (s.ok() && !found) {
    Refuse(session, "Piutang Invoice/Sj " + Trimmed(note.invoice) + " tidak ada");
    return xbase::Status::NotFound("receivable", note.invoice);
  }
  if (!frame::Checked(session, s)) return s;
  documents::CounterKind kind;
  kind.prefix = std::string(kCounterNote);
  documents::SaveScope scope(session.console());
  s = NameAdminReturn(scope, session, tables, note, kind);
  if (s.ok()) s = scope.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return s;
  }
  s = scope.BeginWrites();
  AdminSave save(session, tables, note);
  std::string digits;
  if (s.ok()) {
    s = documents::NumberDocument(
        session.console(), tables["SETUP"], kind, "",
        [&](const std::string& candidate, bool* taken) { return NumberTaken(tables, note.branch, candidate, taken); },
        [&](const std::string& candidate) { return save.Write(candidate); }, &digits);
  }
  s = scope.CommitWrites(s);
  // A missing counter row was told in its alert.
  if (!s.IsNotFound()) frame::ShowFailure(session, s);
  if (s.ok()) *number = std::string(kNumberPrefix) + digits;
  return s;
}

}  // namespace returns
