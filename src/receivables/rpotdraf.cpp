// The realisation of approved deduction requests: each becomes a payment receipt of its branch under
// its own number whose lines settle the invoices; no instrument is touched.
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/open_table.h"
#include "receivables/deductions.h"
#include "receivables/keyed_seek.h"
#include "receivables/receipt.h"
#include "receivables/receivables.h"
#include "receivables/table_steps.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

// One approved line as the receipt stores it.
struct DeductionLine {
  std::string nota;
  std::string code;
  double percent;
  double amount;
  std::string notes;
};

xbase::Status ApprovedLines(const frame::OpenedTables& tables, std::string_view number,
                            std::vector<DeductionLine>* out) {
  xbase::WorkArea& lines = tables["BPOT_AP2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("BPOT_AP2");
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NOMOR", number), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); !s.ok()) break;
    if (lines.Number("POTONGAN") == 0) continue;
    out->push_back({lines.Text("NOTA"), lines.Text("KDTT"), lines.Number("TARIF"), lines.Number("POTONGAN"),
                    lines.Text("NOTES")});
  }
  return s;
}

// The receipt's header: appended when missing; *foreign when a receipt of that key was not made by a
// realisation, which is then left as it is.
xbase::Status ReceiptHeader(frame::Session& session, const frame::OpenedTables& tables, std::string_view branch,
                            std::string_view number, xbase::Date date, bool* foreign) {
  xbase::WorkArea& header = tables["Piutkr1"];
  bool found = false;
  xbase::Status s = SeekKey(tables["Piutkr1"], "PIUTKR11", ReceiptKey(branch, number), &found);
  if (!s.ok()) return s;
  *foreign = found && xbase::RTrim(header.Text("NOTES")) != kRealisationNote;
  if (*foreign) return s;
  if (found) {
    s = console::LOCK_REC(session.console(), header);
  } else if (s = console::APP_REC(session.console(), header); s.ok()) {
    s = header.Put("KDCB", Value::Text(std::string(branch)));
    if (s.ok()) s = header.Put("NOMOR", Value::Text(std::string(number)));
    if (s.ok()) s = header.Put("TGINPUT", Value::FromDate(session.Today()));
    if (s.ok()) s = header.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
  }
  if (s.ok()) s = header.Put("TANGGAL", Value::FromDate(date));
  if (s.ok()) s = header.Put("NOTES", Value::Text(kRealisationNote));
  return Unlocked(header, s);
}

// The receipt lines paired with the approved lines; each settles its invoice only.
xbase::Status ReceiptLines(frame::Session& session, const frame::OpenedTables& tables, std::string_view branch,
                           std::string_view number, const std::vector<DeductionLine>& approved) {
  xbase::WorkArea& lines = tables["Piutkr2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("PIUTKR21");
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, ReceiptKey(branch, number), &rows);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [](size_t) { return true; };
  how.reverse = [&] { return UPDATEPIUTANGDANGIRO(session, lines.Text("NOTA"), "", lines.Number("KREDIT"), 0); };
  how.write = [&](size_t k, bool appended) {
    const DeductionLine& line = approved[k];
    xbase::Status w = appended ? lines.Put("KDCB", Value::Text(std::string(branch))) : xbase::Status::OK();
    if (w.ok() && appended) w = lines.Put("NOMOR", Value::Text(std::string(number)));
    if (w.ok()) w = lines.Put("NOTA", Value::Text(line.nota));
    if (w.ok()) w = lines.Put("KD_TT", Value::Text(line.code));
    if (w.ok()) w = lines.Put("NO_BUKTI", Value::Text(std::string(xbase::AllTrim(xbase::Str(line.percent, 6, 2)))));
    if (w.ok()) w = lines.Put("KREDIT", Value::Num(line.amount));
    if (w.ok()) w = lines.Put("NOTES", Value::Text(line.notes));
    if (w.ok()) w = lines.Put("URUT", Value::Text(xbase::Str(static_cast<double>(k + 1), 3)));
    return w;
  };
  how.apply = [&](size_t k) { return UPDATEPIUTANGDANGIRO(session, approved[k].nota, "", 0, approved[k].amount); };
  return documents::RewriteLines(session.console(), lines, rows, approved.size(), how);
}

xbase::Status MarkRealised(frame::Session& session, xbase::WorkArea& row) {
  xbase::Status s = console::LOCK_REC(session.console(), row);
  if (s.ok()) s = row.Put("REALISASI", Value::Logical(true));
  return Unlocked(row, s);
}

// What realising the approval the area stands on changes: the receipt's header and stored lines, the
// invoices every old and new line settles, the request's header and the approval's own row.
xbase::Status NameRealisation(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                              const std::string& branch, const std::string& number,
                              const std::vector<DeductionLine>& approved) {
  xbase::WorkArea& header = tables["Piutkr1"];
  xbase::WorkArea& lines = tables["Piutkr2"];
  xbase::WorkArea& request = tables["BPOT_HDR"];
  xbase::WorkArea& approval = tables["BPOT_AP1"];
  save.Update(approval, approval.recno());
  std::vector<uint32_t> rows;
  xbase::Status s = documents::NameKeyedRecord(save, header, "PIUTKR11", ReceiptKey(branch, number));
  if (s.ok())
    s = documents::NameStoredRows(save, session.tables(), lines, "PIUTKR21", ReceiptKey(branch, number), &rows);
  if (s.ok()) s = documents::NameKeyedRecord(save, request, "BPOT_HDR1", request.PadToField("NOMOR", number));
  xbase::ShowDeleted show(&session.tables());
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); s.ok() && !lines.deleted()) s = NameSettlement(save, session, lines.Text("NOTA"), "");
  }
  for (size_t k = 0; s.ok() && k < approved.size(); ++k) s = NameSettlement(save, session, approved[k].nota, "");
  return s;
}

// Realises the approval the area stands on as one save. A lock given up or a receipt of the key that
// a realisation did not make is told, and nothing of it is written.
xbase::Status Realise(frame::Session& session, const frame::OpenedTables& tables, bool* done) {
  *done = false;
  xbase::WorkArea& approval = tables["BPOT_AP1"];
  const uint32_t at = approval.recno();
  const std::string branch = approval.Text("KDCB");
  const std::string number = approval.Text("NOMOR");
  const xbase::Date date = approval.DateOf("TANGGAL");
  std::vector<DeductionLine> approved;
  documents::SaveScope save(session.console());
  xbase::Status s = ApprovedLines(tables, number, &approved);
  if (s.ok()) s = NameRealisation(save, session, tables, branch, number, approved);
  if (s.ok()) s = save.Lock();
  bool found = false;
  if (s.ok()) s = SeekKey(tables["Piutkr1"], "PIUTKR11", ReceiptKey(branch, number), &found);
  if (s.ok() && found && xbase::RTrim(tables["Piutkr1"].Text("NOTES")) != kRealisationNote) {
    s = xbase::Status::InvalidArgument("TT " + std::string(xbase::RTrim(branch)) + "/" +
                                       std::string(xbase::RTrim(number)) +
                                       " sudah ada dan bukan realisasi potongan, tidak direalisasi");
  }
  if (!s.ok()) {
    save.Release().IgnoreError();  // the refusal is what is told
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  bool foreign = false;
  if (s.ok()) s = ReceiptHeader(session, tables, branch, number, date, &foreign);
  if (s.ok()) s = ReceiptLines(session, tables, branch, number, approved);
  if (s.ok()) s = SeekExact(tables["BPOT_HDR"], "BPOT_HDR1", "NOMOR", number, &found);
  if (s.ok() && found) s = MarkRealised(session, tables["BPOT_HDR"]);
  if (s.ok()) s = approval.GoTo(at);
  if (s.ok()) s = MarkRealised(session, approval);
  s = save.CommitWrites(s);
  *done = s.ok();
  return s;
}

}  // namespace

xbase::Status RealiseDeductions(frame::Session& session, const frame::OpenedTables& tables, int* realised) {
  *realised = 0;
  xbase::WorkArea& approval = tables["BPOT_AP1"];
  std::vector<uint32_t> pending;
  xbase::Status s = approval.SetOrder(0);
  if (s.ok()) s = approval.GoTop();
  while (s.ok() && !approval.eof()) {
    if (approval.Logical("APPROVAL") && !approval.Logical("REALISASI")) pending.push_back(approval.recno());
    s = approval.Skip();
  }
  for (size_t i = 0; s.ok() && i < pending.size(); ++i) {
    bool done = false;
    if (s = approval.GoTo(pending[i]); s.ok()) s = Realise(session, tables, &done);
    if (done) ++*realised;
  }
  return s;
}

xbase::Status RPOTDRAF(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (console::Alert(con, "Yakin akan menjalankan proses realisasi POTONGAN TT", {"ya", "tidak"}) != 1) {
    return xbase::Status::OK();
  }
  const frame::OpenedTables tables = OpenDeductionTables(session, true);
  if (!tables) return xbase::Status::OK();
  int realised = 0;
  xbase::Status s = RealiseDeductions(session, tables, &realised);
  if (s.ok()) console::PESAN(con, "Realisasi potongan berhasil");
  return frame::CloseTables(session, s);
}

}  // namespace receivables
