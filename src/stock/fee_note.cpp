// The fee notes of gift-wrap and assembly work: the result lines a note pays, its save under the
// "GLNT" counter, and its printed form with the count of its prints.
#include "stock/fee_note.h"

#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "stock/report_text.h"
#include "stock/gift_wrap.h"
#include "stock/repack.h"
#include "text/amount_in_words.h"
#include "xbase/keyed_read.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/work_area.h"

namespace stock {

using documents::T;

namespace {

std::string Key(const xbase::WorkArea& area, const std::string& branch, const std::string& number) {
  return area.PadToField("KDCB", branch) + area.PadToField("NOMOR", number);
}

}  // namespace

const documents::RecordBinding<FeeLine>& FeeLineRecord() {
  using documents::Bind;
  static const documents::RecordBinding<FeeLine> kRecord = {
      Bind("TG_JADI", &FeeLine::date),      Bind("NO_REFF", &FeeLine::result), Bind("KODE", &FeeLine::code),
      Bind("QTY_GL", &FeeLine::quantity),   Bind("PER_GL", &FeeLine::per_unit), Bind("TARIF", &FeeLine::tariff)};
  return kRecord;
}

xbase::Status ResultFeeLines(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                             std::vector<FeeLine>* lines, bool* found) {
  lines->clear();
  xbase::WorkArea& results = tables["kd_gl21"];
  xbase::Status s = xbase::SeekFound(results, "KD_GL21", Key(results, branch, number), found);
  if (!s.ok() || !*found) return s;
  const xbase::Date date = results.DateOf("TANGGAL");
  xbase::WorkArea& rows = tables["kd_gl22"];
  xbase::WorkArea& goods = tables["mastbrj"];
  std::vector<uint32_t> records;
  s = rows.SetOrder(1);
  if (s.ok()) s = rows.SeekAll(Key(rows, branch, number), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = rows.GoTo(records[i]); !s.ok()) break;
    FeeLine line{rows.Text("NOMOR"), rows.Text("KODE"), "", rows.Number("QTY_GL"), rows.Number("PER_GL"), 0, date};
    double packing = 0;
    if (s = TariffOf(tables, line.code, &line.tariff, &packing); !s.ok()) break;
    bool known = false;
    if (s = xbase::SeekFound(goods, "MASTBRJ1", goods.PadToField("KODE", line.code), &known); !s.ok()) break;
    if (known) line.name = goods.Text("NAMA");
    lines->push_back(line);
  }
  if (!s.ok()) lines->clear();
  return s;
}

xbase::Status FeeNoteOf(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                        std::string* note) {
  note->clear();
  xbase::WorkArea& paid = tables["kd_gl32"];
  bool found = false;
  const xbase::Status s =
      xbase::SeekFound(paid, "KD_GL33", paid.PadToField("KDCB", branch) + paid.PadToField("NO_REFF", number), &found);
  if (found) *note = paid.Text("NOMOR");
  return s;
}

xbase::Status SaveFeeNote(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          xbase::Date date, const std::vector<FeeLine>& lines, std::string* number) {
  number->clear();
  documents::CounterKind kind;
  kind.prefix = "GLNT";
  kind.blank_padded = true;
  kind.taken = documents::TakenNumber::kRefuse;
  kind.missing = {"", "", false};
  xbase::WorkArea& notes = tables["kd_gl31"];
  const documents::NumberTaken taken = [&](const std::string& n, bool* held) {
    return xbase::SeekFound(notes, "KD_GL31", Key(notes, branch, n), held);
  };
  console::Console& con = session.console();
  // The counter row and both tables' append locks before the first write.
  documents::SaveScope save(con);
  xbase::Status s = documents::NameCounter(save, tables["SETUP"], kind, xbase::PadR(branch, 6));
  save.Append(notes);
  save.Append(tables["kd_gl32"]);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  std::string given;
  s = save.BeginWrites();
  if (s.ok()) s = documents::NumberDocument(con, tables["SETUP"], kind, xbase::PadR(branch, 6), taken,
                                              [&](const std::string& n) {
    xbase::Status w = WorkDocumentRecord().Append(con, notes, {branch, n, date});
    for (size_t i = 0; w.ok() && i < lines.size(); ++i) {
      const FeeLine& line = lines[i];
      if (xbase::IsBlank(line.result) || line.quantity == 0) continue;
      w = FeeLineRecord().Append(con, tables["kd_gl32"], line, {{"KDCB", T(branch)}, {"NOMOR", T(n)}});
    }
    return w;
  }, &given);
  s = save.CommitWrites(s);
  if (s.ok()) *number = given;
  return s.IsNotFound() || s.IsInUse() ? xbase::Status::OK() : s;
}

xbase::Status FeeNoteLines(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                           std::vector<std::string>* lines, bool* found) {
  lines->clear();
  xbase::WorkArea& notes = tables["kd_gl31"];
  xbase::Status s = xbase::SeekFound(notes, "KD_GL31", Key(notes, branch, number), found);
  if (!s.ok() || !*found) return s;
  WorkDocument head;
  if (s = WorkDocumentRecord().Read(notes, &head); !s.ok()) return s;
  const std::string rule(94, '-');
  const int print = static_cast<int>(xbase::Val(notes.Text("OPERATOR")).value) + 1;
  *lines = {"",
            "NOTA ONGKOS PENGGULUNGAN/PERIAKITAN" + std::string(40, ' ') + "NOMOR : " + head.number,
            "Cetakan ke : " + xbase::Str(print, 2) + std::string(58, ' ') + "TANGGAL : " + xbase::Dtoc(head.date),
            rule,
            "NO. TANGGAL    NO. TRAN   KODE       NAMA BARANG              HASIL IN 1    TARIF        NILAI",
            rule};
  xbase::WorkArea& rows = tables["kd_gl32"];
  xbase::WorkArea& goods = tables["mastbrj"];
  std::vector<uint32_t> records;
  s = rows.SetOrder("KD_GL32");
  if (s.ok()) s = rows.SeekAll(Key(rows, branch, number), &records);
  double sum = 0;
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    FeeLine line;
    bool known = false;
    if (s = rows.GoTo(records[i]); s.ok()) s = FeeLineRecord().Read(rows, &line);
    // The name is printed: one that cannot be read is the error, never a blank on the note.
    if (s.ok()) s = xbase::SeekFound(goods, "MASTBRJ1", goods.PadToField("KODE", line.code), &known);
    if (!s.ok()) break;
    const std::string name = known ? goods.Text("NAMA") : "";
    const double value = line.quantity * line.tariff;
    sum += value;
    lines->push_back(Fig(static_cast<double>(i + 1), "999 ") + xbase::Dtoc(line.date) + " " + line.result + " " +
                     line.code + " " + Cut(name, 20) + Fig(line.quantity, " 9,999,999") + Fig(line.per_unit, " 9999") +
                     Fig(line.tariff, " 9,999.99") + Fig(value, " 9,999,999.99"));
  }
  // The sum in words as the note shows it, to two decimals.
  const text::AmountLines words = text::TERBILANG(sum, 2);
  lines->push_back(rule);
  lines->push_back(std::string(72, ' ') + "JUMLAH : " + Fig(sum, "99,999,999.99"));
  lines->push_back("");
  lines->push_back("TERBILANG : " + words.first);
  lines->push_back(std::string(12, ' ') + words.second);
  lines->push_back("");
  lines->push_back("  Dibuat Oleh :               Diperiksa Oleh :            Mengetahui :      Diterima Oleh :");
  lines->insert(lines->end(), 3, "");
  lines->push_back("(...............)   (...............)(...............)  (...............)  (...............)");
  lines->push_back(" Adm. Penjualan         Ka. Gudang          AAO          Branch Manager                     ");
  if (!s.ok()) lines->clear();
  return s;
}

xbase::Status CountFeeNotePrint(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                                const std::string& number) {
  xbase::WorkArea& notes = tables["kd_gl31"];
  bool found = false;
  xbase::Status s = xbase::SeekFound(notes, "KD_GL31", Key(notes, branch, number), &found);
  if (!s.ok() || !found) return s;
  s = console::LOCK_REC(session.console(), notes);
  if (!s.ok()) return s;
  return documents::PutAndRelease(
      notes, {{"CETAK", xbase::Value::Logical(true)},
              {"TG_CETAK", xbase::Value::FromDate(session.Today())},
              {"OPERATOR", T(xbase::Str(xbase::Val(notes.Text("OPERATOR")).value + 1, 10))}});
}

}  // namespace stock
