// The documents of gift-wrap and assembly work: take-outs (KD_GL11/KD_GL12), results (KD_GL21/
// KD_GL22) and fee notes (KD_GL31/KD_GL32), their counters, and the mutations their forms post.
#include "stock/gift_wrap.h"

#include <functional>
#include <optional>

#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/shared_postings.h"
#include "stock/mutation_store.h"
#include "stock/repack.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {

using documents::D;
using documents::T;

namespace {

constexpr const char* kMaterialFields[] = {"DISPLAY", "PLASTIK", "QTINNER", "QTLABEL", "QTSTCK1", "QTSTCK2"};

// A material's quantity of a take-out line, kept in the line's array.
documents::BoundField<TakeOutLine> Material(int m) {
  return {kMaterialFields[m], documents::FieldKind::kNumber,
          [m](const TakeOutLine& line) { return xbase::Value::Num(line.materials[m]); },
          [m](TakeOutLine* line, const xbase::Value& value) { line->materials[m] = value.number(); }};
}

// Names what a document's save changes beyond its counter and its own two tables.
using NameMore = std::function<xbase::Status(documents::SaveScope& save)>;

// Numbers and writes one document of a gift-wrap counter as one save: the counter row, the append
// locks of the document's header and line tables and what `name` names are locked before the first
// write. A number already held is refused; a lock given up is told and writes nothing (*number empty).
xbase::Status Number(frame::Session& session, const frame::OpenedTables& tables, const std::string& prefix,
                     std::string_view table, std::string_view lines_table, const std::string& branch,
                     const documents::MissingCounterText& missing, const NameMore& name,
                     const documents::WriteDocument& write, std::string* number) {
  documents::CounterKind kind;
  kind.prefix = prefix;
  kind.blank_padded = true;
  kind.taken = documents::TakenNumber::kRefuse;
  kind.missing = missing;
  xbase::WorkArea& documents_area = tables[table];
  const documents::NumberTaken taken = [&](const std::string& n, bool* held) {
    xbase::Status s = documents_area.SetOrder(1);
    if (s.ok()) s = documents_area.Seek(documents_area.PadToField("KDCB", branch) + n);
    *held = s.ok() && documents_area.found();
    return s;
  };
  xbase::WorkArea& setup = tables["SETUP"];
  documents::SaveScope save(session.console());
  xbase::Status s = documents::NameCounter(save, setup, kind, xbase::PadR(branch, 6));
  save.Append(documents_area);
  save.Append(tables[lines_table]);
  if (s.ok() && name) s = name(save);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = documents::NumberDocument(session.console(), setup, kind, xbase::PadR(branch, 6), taken, write, number);
  return save.CommitWrites(s);
}

// The name and unit of a goods code and its STOKBRG average in `warehouse`: blank and 0 for a code or
// row not there. A row that cannot be read is the error: its average would be posted as 0.
struct ItemFacts {
  std::string name, unit;
  double average = 0;
};
xbase::Status FactsOf(const frame::OpenedTables& tables, const std::string& warehouse, const std::string& code,
                      ItemFacts* facts) {
  *facts = ItemFacts();
  xbase::WorkArea& goods = tables["mastbrj"];
  xbase::WorkArea& stock = tables["stokbrg"];
  bool known = false, stocked = false;
  xbase::Status s = goods.SetOrder("MASTBRJ1");
  if (s.ok()) s = xbase::SeekFound(goods, goods.PadToField("KODE", code), &known);
  if (s.ok() && known) *facts = {goods.Text("NAMA"), goods.Text("SATUAN"), 0};
  if (s.ok()) s = stock.SetOrder("STOKBRG1");
  if (s.ok()) s = xbase::SeekFound(stock, stock.PadToField("KODE", code) + stock.PadToField("GUDANG", warehouse), &stocked);
  if (s.ok() && stocked) facts->average = stock.Number("HRG_RATA");
  return s;
}

// Seeks branch + number on the first index of a document table.
bool SeekDocument(xbase::WorkArea& area, const std::string& branch, const std::string& number, xbase::Status* s) {
  *s = area.SetOrder(1);
  if (s->ok()) *s = area.Seek(area.PadToField("KDCB", branch) + area.PadToField("NOMOR", number));
  return s->ok() && area.found();
}

xbase::Status MarkPrinted(frame::Session& session, xbase::WorkArea& area, const std::string& branch,
                          const std::string& number) {
  xbase::Status s;
  if (!SeekDocument(area, branch, number, &s)) return s;
  if (s = console::LOCK_REC(session.console(), area); !s.ok()) return s;
  return documents::PutAndRelease(area, {{"CETAK", xbase::Value::Logical(true)}});
}

// A form's half of a mutation with the stock it moves, and its document (`table`) marked printed, as
// one save; *posted false when a lock was given up (told: nothing written).
xbase::Status PostForm(frame::Session& session, const frame::OpenedTables& tables, Half half,
                       const std::string& mutation, std::string_view table, const std::string& branch,
                       const std::string& number, xbase::Date date, const std::vector<FormEntry>& entries,
                       const std::string& note, bool* posted) {
  *posted = false;
  std::vector<std::optional<MutationRow>> rows;
  for (const FormEntry& e : entries) rows.push_back(MutationRow{e.code, e.warehouse, 0, 0, e.quantity, note, e.average, e.average});
  documents::SaveScope save(session.console());
  xbase::Status s = NameMutationHalf(save, session, tables, half, mutation, rows);
  xbase::WorkArea& document = tables[table];
  if (s.ok() && SeekDocument(document, branch, number, &s)) save.Update(document, document.recno());
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) {
    s = WriteMutationHalf(session, tables, half, mutation,
                          MutationHeadRecord().Values({branch, date, ""}, {{"CODE_ID", T("0")},
                                                                           {"OPERATOR", T(session.MMEMBER.nik)},
                                                                           {"CETAK", xbase::Value::Logical(true)}}),
                          rows);
  }
  if (s.ok()) s = MarkPrinted(session, document, branch, number);
  s = save.CommitWrites(s);
  *posted = s.ok();
  return s;
}

}  // namespace

const documents::RecordBinding<WorkDocument>& WorkDocumentRecord() {
  using documents::Bind;
  static const documents::RecordBinding<WorkDocument> kRecord = {
      Bind("KDCB", &WorkDocument::branch), Bind("NOMOR", &WorkDocument::number), Bind("TANGGAL", &WorkDocument::date)};
  return kRecord;
}

const documents::RecordBinding<TakeOutLine>& TakeOutLineRecord() {
  using documents::Bind;
  static const documents::RecordBinding<TakeOutLine> kRecord = {
      Bind("GUDANG", &TakeOutLine::warehouse), Bind("KODE", &TakeOutLine::code), Bind("QTY_LBR", &TakeOutLine::quantity),
      Bind("KD_JADI", &TakeOutLine::result),   Material(0),                      Material(1),
      Material(2),                             Material(3),                      Material(4),
      Material(5)};
  return kRecord;
}

const documents::RecordBinding<ResultLine>& ResultLineRecord() {
  using documents::Bind;
  static const documents::RecordBinding<ResultLine> kRecord = {
      Bind("NO_REFF", &ResultLine::take_out), Bind("URUT", &ResultLine::line),       Bind("KODE", &ResultLine::code),
      Bind("GUDANG", &ResultLine::warehouse), Bind("QTY_GL", &ResultLine::quantity), Bind("PER_GL", &ResultLine::per_unit)};
  return kRecord;
}

std::vector<frame::TableUse> GiftWrapTables() {
  return {{"SETUP"},   {"mastgdg"}, {"mastbrj"}, {"stokbrg"}, {"brepack"}, {"hrepack"}, {"kd_gl11"}, {"kd_gl12"},
          {"kd_gl21"}, {"kd_gl22"}, {"kd_gl31"}, {"kd_gl32"}, {"MTSKDT1"}, {"MTSKDT2"}, {"MTSDBT1"}, {"MTSDBT2"}};
}

std::string TakeOutMutation(const std::string& branch, const std::string& number) {
  return "GLNG" + xbase::PadR(branch, 6) + xbase::PadL(xbase::AllTrim(number), 10);
}

std::string ResultMutation(const std::string& branch, const std::string& number) {
  return "GLJD" + xbase::PadR(branch, 6) + xbase::PadL(xbase::AllTrim(number), 10);
}

xbase::Status SaveTakeOut(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          xbase::Date date, const std::vector<TakeOutLine>& lines, std::string* number) {
  number->clear();
  console::Console& con = session.console();
  std::string taken;
  xbase::Status s = Number(session, tables, "GLNG", "kd_gl11", "kd_gl12", branch,
                           {"Setup Nomerator repack belum ada, minta ke Finance", "", false}, nullptr,
                           [&](const std::string& n) {
    xbase::Status w = WorkDocumentRecord().Append(con, tables["kd_gl11"], {branch, n, date},
                                                  {{"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
    for (size_t i = 0; w.ok() && i < lines.size(); ++i) {
      const TakeOutLine& line = lines[i];
      if (xbase::IsBlank(line.code) || line.quantity == 0) continue;
      w = TakeOutLineRecord().Append(
          con, tables["kd_gl12"], line,
          {{"KDCB", T(branch)}, {"NOMOR", T(n)}, {"URUT", T(xbase::Str(static_cast<double>(i + 1), 3))}});
    }
    return w;
  }, &taken);
  if (s.IsInUse()) console::PESAN(con, "Nomor " + taken + " pengambilan kado lembar sudah ada");
  if (s.ok()) *number = taken;
  return s.IsNotFound() || s.IsInUse() ? xbase::Status::OK() : s;
}

xbase::Status TakeOutEntries(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                             xbase::Date* date, std::vector<FormEntry>* entries, bool* found) {
  entries->clear();
  xbase::Status s;
  *found = SeekDocument(tables["kd_gl11"], branch, number, &s);
  if (!*found) return s;
  WorkDocument head;
  if (s = WorkDocumentRecord().Read(tables["kd_gl11"], &head); !s.ok()) return s;
  *date = head.date;
  xbase::WorkArea& lines = tables["kd_gl12"];
  std::vector<uint32_t> records;
  s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(lines.PadToField("KDCB", branch) + lines.PadToField("NOMOR", number), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    TakeOutLine line;
    if (s = lines.GoTo(records[i]); s.ok()) s = TakeOutLineRecord().Read(lines, &line);
    if (!s.ok()) break;
    ItemFacts facts;
    if (s = FactsOf(tables, line.warehouse, line.code, &facts); !s.ok()) break;
    entries->push_back({line.warehouse, line.code, facts.name, line.quantity, 0, line.result, facts.average});
    bool repacked = false;
    if (s = RepackMaterial(tables, line.code, &repacked); !s.ok()) break;
    if (!repacked) continue;
    const xbase::WorkArea& rules = tables["brepack"];
    for (int m = 0; m < 6; ++m) {
      const double quantity = line.materials[m];
      if (quantity == 0) continue;
      const std::string material = rules.Text(kMaterialCodes[m]);
      if (s = FactsOf(tables, line.warehouse, material, &facts); !s.ok()) break;
      entries->push_back({line.warehouse, material, facts.name, quantity, 0, facts.unit, facts.average});
    }
  }
  if (!s.ok()) entries->clear();
  return s;
}

xbase::Status PostTakeOut(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          const std::string& number, xbase::Date date, const std::vector<FormEntry>& entries,
                          bool* posted) {
  return PostForm(session, tables, Half::kOut, TakeOutMutation(branch, number), "kd_gl11", branch, number, date,
                  entries, "UNTUK DI GULUNG", posted);
}

xbase::Status OpenPieces(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                         const std::string& line, double* open, bool* found) {
  xbase::WorkArea& lines = tables["kd_gl12"];
  *open = 0;
  xbase::Status s = lines.SetOrder(1);
  if (s.ok()) {
    s = xbase::SeekFound(lines, lines.PadToField("KDCB", branch) + lines.PadToField("NOMOR", number) +
                                    lines.PadToField("URUT", line), found);
  }
  if (s.ok() && *found) *open = lines.Number("QTY_LBR") - lines.Number("QTY_GL");
  return s;
}

xbase::Status SaveResults(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          xbase::Date date, const std::vector<ResultLine>& lines, std::string* number) {
  number->clear();
  console::Console& con = session.console();
  std::string taken;
  // The take-out lines the results are booked on.
  const NameMore name = [&](documents::SaveScope& save) {
    xbase::WorkArea& take_outs = tables["kd_gl12"];
    for (const ResultLine& line : lines) {
      if (xbase::IsBlank(line.take_out) || xbase::IsBlank(line.code) || line.quantity == 0) continue;
      bool found = false;
      double open = 0;
      if (xbase::Status s = OpenPieces(tables, branch, line.take_out, line.line, &open, &found); !s.ok()) return s;
      if (found) save.Update(take_outs, take_outs.recno());
    }
    return xbase::Status::OK();
  };
  xbase::Status s = Number(session, tables, "GLJD", "kd_gl21", "kd_gl22", branch,
                           {"Setup Nomerator hasil Gulung kado belum ada, minta ke Finance", "", false}, name,
                           [&](const std::string& n) {
    xbase::Status w = WorkDocumentRecord().Append(con, tables["kd_gl21"], {branch, n, date},
                                                  {{"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}});
    xbase::WorkArea& take_outs = tables["kd_gl12"];
    for (const ResultLine& line : lines) {
      if (!w.ok()) break;
      if (xbase::IsBlank(line.take_out) || xbase::IsBlank(line.code) || line.quantity == 0) continue;
      w = ResultLineRecord().Append(con, tables["kd_gl22"], line, {{"KDCB", T(branch)}, {"NOMOR", T(n)}});
      bool found = false;
      double open = 0;
      if (w.ok()) w = OpenPieces(tables, branch, line.take_out, line.line, &open, &found);
      if (w.ok() && found) {
        w = documents::MoveField(con, take_outs, "QTY_GL", line.quantity * line.per_unit, 0);
      }
    }
    return w;
  }, &taken);
  if (s.IsInUse()) console::Alert(con, "Nomor " + taken + " hasil gulung sudah ada");
  if (s.ok()) *number = taken;
  return s.IsNotFound() || s.IsInUse() ? xbase::Status::OK() : s;
}

xbase::Status ResultEntries(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                            xbase::Date* date, std::vector<FormEntry>* entries, bool* found) {
  entries->clear();
  xbase::Status s;
  *found = SeekDocument(tables["kd_gl21"], branch, number, &s);
  if (!*found) return s;
  WorkDocument head;
  if (s = WorkDocumentRecord().Read(tables["kd_gl21"], &head); !s.ok()) return s;
  *date = head.date;
  xbase::WorkArea& lines = tables["kd_gl22"];
  std::vector<uint32_t> records;
  s = lines.SetOrder(1);
  if (s.ok()) s = lines.SeekAll(lines.PadToField("KDCB", branch) + lines.PadToField("NOMOR", number), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    ResultLine line;
    if (s = lines.GoTo(records[i]); s.ok()) s = ResultLineRecord().Read(lines, &line);
    if (!s.ok()) break;
    ItemFacts facts;
    if (s = FactsOf(tables, line.warehouse, line.code, &facts); !s.ok()) break;
    entries->push_back({line.warehouse, line.code, facts.name, line.quantity, line.per_unit, "", facts.average});
  }
  if (!s.ok()) entries->clear();
  return s;
}

xbase::Status PostResults(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          const std::string& number, xbase::Date date, const std::vector<FormEntry>& entries,
                          bool* posted) {
  return PostForm(session, tables, Half::kIn, ResultMutation(branch, number), "kd_gl21", branch, number, date, entries,
                  "HASIL GULUNG", posted);
}

}  // namespace stock
