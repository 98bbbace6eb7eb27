// Saving a deduction request into the request tables, and its approval into the approval work files.
#include <algorithm>
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "receivables/deductions.h"
#include "receivables/keyed_seek.h"
#include "receivables/lettered_counter.h"
#include "receivables/table_steps.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

const LetteredKind kRequestCounter{"DPOT", 3, 7, documents::kMissingNomerator, "PENGAJUAN POTONGAN ",
                                       " Sudah terdaftar"};

bool HasInvoice(const console::ValueRow& line) { return !xbase::IsBlank(line[kDedNota].text()); }

// The header row of the request in `tables`: kept (appended when new) or deleted; `approval` marks
// it printed and approved.
xbase::Status WriteHeader(frame::Session& session, const frame::OpenedTables& tables, const RequestTables& files,
                          const DeductionRequest& request, bool keep, bool approval) {
  xbase::WorkArea& header = tables[files.header];
  bool found = false;
  xbase::Status s = SeekExact(tables[files.header], files.header_order, "NOMOR", request.number, &found);
  if (!s.ok()) return s;
  if (!keep) {
    if (!found) return s;
    if (s = console::LOCK_REC(session.console(), header); s.ok()) s = header.Delete();
    return Unlocked(header, s);
  }
  if (found) {
    s = console::LOCK_REC(session.console(), header);
  } else if (s = console::APP_REC(session.console(), header); s.ok()) {
    s = header.Put("NOMOR", Value::Text(request.number));
    if (s.ok()) s = header.Put("KDCB", Value::Text(request.branch));
    if (s.ok()) s = header.Put("TGINPUT", Value::FromDate(session.Today()));
    if (s.ok()) s = header.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
  }
  if (s.ok() && approval) s = header.Put("CETAK", Value::Logical(true));
  if (s.ok() && approval) s = header.Put("APPROVAL", Value::Logical(true));
  if (s.ok()) s = header.Put("TANGGAL", Value::FromDate(request.date));
  return Unlocked(header, s);
}

// Pairs the stored lines of the request in `tables` with the lines kept.
xbase::Status WriteLines(frame::Session& session, const frame::OpenedTables& tables, const RequestTables& files,
                         const DeductionRequest& request, bool keep_any) {
  xbase::WorkArea& lines = tables[files.lines];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder(files.lines_order);
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, lines.PadToField("NOMOR", request.number), &rows);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return keep_any && HasInvoice(request.lines[k]); };
  how.write = [&](size_t k, bool appended) {
    const console::ValueRow& line = request.lines[k];
    xbase::Status w = appended ? lines.Put("NOMOR", Value::Text(request.number)) : xbase::Status::OK();
    if (w.ok()) w = lines.Put("NOTA", line[kDedNota]);
    if (w.ok()) w = lines.Put("KDTT", Value::Text(request.code));
    if (w.ok()) w = lines.Put("TARIF", line[kDedPercent]);
    if (w.ok()) w = lines.Put("POTONGAN", line[kDedAmount]);
    if (w.ok()) w = lines.Put("NO_BPT", line[kDedBpt]);
    if (w.ok()) w = lines.Put("NOTES", line[kDedNote]);
    if (w.ok()) w = lines.Put("RELASI", line[kDedCustomer]);
    if (w.ok()) w = lines.Put("TIPE", line[kDedType]);
    if (w.ok()) w = lines.Put("SALES", line[kDedSalesman]);
    if (w.ok()) w = lines.Put("CODE_ID", line[kDedCompany]);
    return w;
  };
  return documents::RewriteLines(session.console(), lines, rows, request.lines.size(), how);
}

// The request's header and stored lines in `tables` (a request not numbered yet has none), with both
// tables' append locks.
xbase::Status NameRequest(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                          const RequestTables& files, const DeductionRequest& request) {
  xbase::WorkArea& header = tables[files.header];
  xbase::WorkArea& lines = tables[files.lines];
  save.Append(header);
  save.Append(lines);
  if (xbase::IsBlank(request.number)) return xbase::Status::OK();
  xbase::Status s =
      documents::NameKeyedRecord(save, header, files.header_order, header.PadToField("NOMOR", request.number));
  if (s.ok()) {
    s = documents::NameStoredRows(save, session.tables(), lines, files.lines_order,
                                  lines.PadToField("NOMOR", request.number));
  }
  return s;
}

}  // namespace

xbase::Status SaveRequest(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request,
                          bool* saved) {
  *saved = false;
  const bool counted = std::any_of(request->lines.begin(), request->lines.end(), DeductionCounts);
  const bool numbered = !xbase::IsBlank(request->number);
  if (!numbered && !counted) {
    console::Alert(session.console(), "nomor tidak terbentuk");
    return xbase::Status::OK();
  }
  documents::SaveScope save(session.console());
  xbase::Status s =
      numbered ? xbase::Status::OK() : NameLettered(save, tables["Setup"], kRequestCounter, request->branch);
  if (s.ok()) s = NameRequest(save, session, tables, kRequestTables, *request);
  if (s.ok()) s = save.Lock();
  if (s.ok() && numbered) {
    s = request->seen.Unchanged(session.tables(), "DRAFT POTONGAN " + std::string(xbase::RTrim(request->number)) +
                                                      " diubah di komputer lain, panggil ulang datanya");
  }
  if (!s.ok()) {
    documents::NothingSaved(session, save, s);
    return xbase::Status::OK();
  }
  const auto write = [&](const std::string& number) {
    request->number = xbase::PadR(number, 10);
    xbase::Status w = WriteHeader(session, tables, kRequestTables, *request, counted, false);
    return w.ok() ? WriteLines(session, tables, kRequestTables, *request, counted) : w;
  };
  s = save.BeginWrites();
  if (numbered) {
    if (s.ok()) s = write(request->number);
    if (s = save.CommitWrites(s); !s.ok()) return s;
    *saved = true;
    request->is_new = !counted;
    return s;
  }
  const auto taken = [&](const std::string& number, bool* held) {
    return SeekExact(tables["BPOT_HDR"], "BPOT_HDR1", "NOMOR", number, held);
  };
  std::string number;
  if (s.ok()) s = NumberLettered(session, tables["Setup"], kRequestCounter, request->branch, taken, write, &number);
  s = save.CommitWrites(s);
  if (!s.ok() || number.empty()) {
    request->number = std::string(10, ' ');
    return s;
  }
  *saved = true;
  request->is_new = false;
  console::Alert(session.console(), "Nomor PENGAJUAN POTONGAN : " + number);
  return s;
}

xbase::Status SaveApproval(frame::Session& session, const frame::OpenedTables& tables,
                           const DeductionRequest& request) {
  documents::SaveScope save(session.console());
  xbase::Status s = NameRequest(save, session, tables, kApprovalTables, request);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = WriteHeader(session, tables, kApprovalTables, request, true, true);
  if (s.ok()) s = WriteLines(session, tables, kApprovalTables, request, true);
  return save.CommitWrites(s);
}

}  // namespace receivables
