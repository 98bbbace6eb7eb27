// The realisation of an approved return request at the branch: the return document written from the
// draft, the goods put back into stock, the return registered as a payment instrument.
#include "returns/realisation.h"

#include <utility>
#include <vector>

#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/stock_posting.h"
#include "documents/stored_lines.h"
#include "frame/open_table.h"
#include "returns/draft.h"
#include "returns/return_instrument.h"
#include "returns/return_tables.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace returns {

using documents::D;
using documents::L;
using documents::N;
using documents::T;

namespace {

// GETASALSURATJALAN: the INCLUDE flag of a delivery note, false when it is not there. The flag is
// written to the return: a note that cannot be read is the error.
xbase::Status NoteIncludes(const frame::OpenedTables& tables, std::string_view invoice, bool* include) {
  bool found = false;
  xbase::WorkArea& note = tables["SRTJLN1"];
  const xbase::Status s = SeekExact(note, "SRTJLN11", "INVOICE", invoice, &found);
  *include = found && note.Logical("INCLUDE");
  return s;
}

xbase::Status WriteHeader(frame::Session& session, const frame::OpenedTables& tables, const Draft& draft,
                          const Approval& approval) {
  xbase::WorkArea& head = tables["RTJUAL1"];
  bool found = false;
  xbase::Status s = SeekExact(head, "RTJUAL11", "NOMOR", draft.number, &found);
  if (s.ok() && !found) {
    s = documents::AppendRecord(session.console(), head,
                                {{"NOMOR", T(draft.number)}, {"CETAK", L(true)}, {"TG_INPUT", D(session.Today())},
                                 {"OPERATOR", T(session.MMEMBER.nik)}});
  }
  bool include = false;
  if (s.ok() && !draft.lines.empty()) s = NoteIncludes(tables, draft.lines.front().invoice, &include);
  if (!s.ok()) return s;
  return Rewrite(session, head,
                 {{"TANGGAL", D(approval.date)}, {"RELASI", T(draft.customer)}, {"TIPE", T(draft.type)},
                  {"SALES", T(draft.salesman)}, {"KDCB", T(draft.branch)}, {"KTR1", T(draft.reason1)},
                  {"KTR2", T(approval.reason2)}, {"DISCOUNT", N(draft.discount1)},
                  {"DISCOUNT2", N(draft.discount2)}, {"CODE_ID", T(draft.code_id)}, {"INCLUDE", L(include)}});
}

// The document's lines rewritten in place from the draft's; every stored row's stock is taken back
// before the new quantities go in, so a rewrite counts the goods once.
xbase::Status WriteLines(frame::Session& session, const frame::OpenedTables& tables, const Draft& draft,
                         const Approval& approval) {
  xbase::WorkArea& lines = tables["RTJUAL2"];
  std::vector<uint32_t> stored;
  xbase::Status s = lines.SetOrder("RTJUAL21");
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, lines.PadToField("NOMOR", draft.number), &stored);
  if (!s.ok()) return s;
  const std::vector<DraftLine>& list = draft.lines;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return list[k].HasGoods(); };
  how.append = [&](size_t k) { return list[k].HasGoods() && list[k].quantity != 0; };
  how.reverse = [&] {
    return documents::UPMASTERBARANG(session, lines.Text("KODE"), lines.Text("GUDANG"), 0, lines.Number("QUANTITY"));
  };
  how.write = [&](size_t k, bool) {
    const DraftLine& line = list[k];
    return PutFields(lines, {{"NOMOR", T(draft.number)}, {"INVOICE", T(line.invoice)}, {"KODE", T(line.code)},
                             {"GUDANG", T(approval.warehouse)}, {"Q_BOX", N(line.boxes)},
                             {"Q_PAK", N(line.packs)}, {"Q_PCS", N(line.pieces)}, {"QUANTITY", N(line.quantity)},
                             {"HARGA", N(line.price)}, {"DISCOUNT", N(line.discount1)},
                             {"DISCOUNT2", N(line.discount2)}, {"HRG_RATA", N(line.average_cost)},
                             {"URUTAN", T(xbase::Str(static_cast<double>(k + 1), 3))}, {"URUT", T(line.urut)}});
  };
  how.apply = [&](size_t k) {
    return documents::UPMASTERBARANG(session, list[k].code, approval.warehouse, list[k].quantity, 0);
  };
  return documents::RewriteLines(session.console(), lines, stored, list.size(), how);
}

// Every record the realisation changes, named before its locks: the document's header (or an
// append) and stored lines (and an append), the stock each stored line and each new line moves, the
// instrument (or an append) and the draft's header.
xbase::Status NameRealisation(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                              const Draft& draft, const Approval& approval) {
  const auto name_row = [&](std::string_view alias, std::string_view order, std::string_view field) {
    xbase::WorkArea& area = tables[alias];
    bool found = false;
    const xbase::Status s = SeekExact(area, order, field, draft.number, &found);
    if (s.ok() && found) save.Update(area, area.recno());
    return s;
  };
  save.Append(tables["RTJUAL1"]);
  save.Append(tables["RTJUAL2"]);
  save.Append(tables["GIRODBT"]);
  xbase::Status s = name_row("RTJUAL1", "RTJUAL11", "NOMOR");
  if (s.ok()) s = name_row("GIRODBT", "GIRODBT1", "NOMOR");
  if (s.ok()) s = name_row("DRAFTR1", "DRAFTR11", "NOMOR");
  xbase::WorkArea& lines = tables["RTJUAL2"];
  std::vector<uint32_t> stored;
  if (s.ok()) s = lines.SetOrder("RTJUAL21");
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, lines.PadToField("NOMOR", draft.number), &stored);
  for (size_t i = 0; s.ok() && i < stored.size(); ++i) {
    save.Update(lines, stored[i]);
    if (s = lines.GoTo(stored[i]); s.ok() && !lines.deleted()) {
      s = documents::NameStockMove(save, session, lines.Text("KODE"), lines.Text("GUDANG"));
    }
  }
  for (size_t k = 0; s.ok() && k < draft.lines.size(); ++k) {
    if (draft.lines[k].HasGoods()) s = documents::NameStockMove(save, session, draft.lines[k].code, approval.warehouse);
  }
  return s;
}

// Checked before the locks and again under them: the draft is there and not realised, its number
// not held by another kind of instrument. A refusal carries its message; *realised tells that one.
xbase::Status StillRealisable(const frame::OpenedTables& tables, const std::string& number, bool* realised) {
  *realised = false;
  const std::string shown(xbase::AllTrim(number));
  xbase::WorkArea& head = tables["DRAFTR1"];
  bool found = false;
  xbase::Status s = SeekExact(head, "DRAFTR11", "NOMOR", number, &found);
  if (!s.ok()) return s;
  if (!found) return xbase::Status::InvalidArgument("Draft retur " + shown + " tidak ada");
  if (head.Logical("REALISASI")) {
    *realised = true;
    return xbase::Status::InvalidArgument("Nomor " + shown + " sudah direalisasi");
  }
  xbase::WorkArea& instruments = tables["GIRODBT"];
  if (s = SeekExact(instruments, "GIRODBT1", "NOMOR", number, &found); !s.ok()) return s;
  if (found && !instruments.Text("KET").starts_with("RT")) {
    return xbase::Status::InvalidArgument("Nomor " + shown + kTakenByInstrument);
  }
  return s;
}

}  // namespace

frame::OpenedTables OpenRealisationTables(frame::Session& session) {
  return frame::OpenTables(session, {"SETUP", "MASTBRJ", "STOKBRG", "MASTGDG", "MASTCUS", "MASTJNS", "SRTJLN1",
                                     "DRAFTR1", "DRAFTR2", "RTJUAL1", "RTJUAL2", "GIRODBT"});
}

xbase::Status REALISASIRETURJUAL(frame::Session& session, const frame::OpenedTables& tables, const Approval& approval,
                                 Outcome* outcome) {
  *outcome = Outcome::kRefused;
  Draft draft;
  bool found = false;
  xbase::Status s = LoadDraft(tables, approval.number, &draft, &found);
  if (!s.ok()) return s;
  bool realised = false;
  xbase::Status refusal = StillRealisable(tables, approval.number, &realised);
  if (refusal.ok() && !IsReturnCode(session, tables["MASTJNS"], approval.reason2)) return s;
  documents::SaveScope save(session.console());
  if (refusal.ok()) refusal = NameRealisation(save, session, tables, draft, approval);
  if (refusal.ok()) refusal = save.Lock();
  if (refusal.ok()) refusal = StillRealisable(tables, draft.number, &realised);
  if (!refusal.ok()) {
    if (realised) *outcome = Outcome::kAlreadyRealised;
    documents::NothingSaved(session, refusal);
    return s;
  }
  xbase::WorkArea& head = tables["DRAFTR1"];
  const double value = head.Number("NILAI");
  s = save.BeginWrites();
  if (s.ok()) s = WriteHeader(session, tables, draft, approval);
  if (s.ok()) s = WriteLines(session, tables, draft, approval);
  if (s.ok()) {
    s = RegisterReturnInstrument(session, tables["GIRODBT"],
                                 {draft.number, draft.branch, approval.reason2, draft.customer, approval.date,
                                  draft.reason1, value, draft.code_id});
  }
  if (s.ok() && (s = SeekExact(head, "DRAFTR11", "NOMOR", draft.number, &found)).ok()) {
    s = Rewrite(session, head, {{"APPROVAL", L(true)}, {"REALISASI", L(true)}});
  }
  s = save.CommitWrites(s);
  if (s.ok()) *outcome = Outcome::kRealised;
  return s;
}

xbase::Status RemoveRequest(frame::Session& session, const RequestFiles& files, const std::string& number, bool* removed) {
  *removed = false;
  // Lines and header go together: every row is locked before the first is deleted.
  documents::SaveScope save(session.console());
  std::vector<std::pair<xbase::WorkArea*, std::vector<uint32_t>>> rows;
  xbase::Status s;
  for (xbase::WorkArea* area_of : {&files.lines, &files.headers}) {
    xbase::WorkArea& area = *area_of;
    std::vector<uint32_t> found;
    if (s.ok()) s = area.SetOrder(1);
    if (s.ok()) s = area.SeekAll(area.PadToField("NOMOR", xbase::RTrim(number)), &found);
    for (uint32_t row : found) save.Update(area, row);
    rows.emplace_back(&area, std::move(found));
  }
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  for (const auto& [area, found] : rows) {
    for (uint32_t row : found) {
      if (s.ok()) s = area->GoTo(row);
      if (s.ok()) s = console::LOCK_REC(session.console(), *area);
      if (s.ok()) s = area->Delete();
      if (s.ok()) s = area->Unlock();
    }
  }
  s = save.CommitWrites(s);
  *removed = s.ok();
  return s;
}

}  // namespace returns
