// The return requests travelling to head office: the request files made empty, drafts sent into
// them, and the approval written onto a request.
#include "returns/requests.h"

#include <utility>
#include <vector>

#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "returns/draft.h"
#include "returns/return_tables.h"
#include "returns/returns.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "schema/field_builders.h"
#include "xbase/text_functions.h"

namespace returns {

using documents::D;
using documents::L;
using documents::N;
using documents::T;

namespace {

// The fields of the drafts that travel: the first 13 of a header and the first 12 of a line.
constexpr size_t kHeaderFields = 13;
constexpr size_t kLineFields = 12;

// Appends the draft `head` stands on, with its line rows `rows` of `draft_lines`, to the request files.
xbase::Status CopyDraft(console::Console& con, const xbase::WorkArea& head, xbase::WorkArea& draft_lines,
                        const std::vector<uint32_t>& rows, const RequestFiles& files) {
  Draft draft;
  xbase::Status s = DraftHeadRecord().Read(head, &draft);
  if (s.ok()) s = DraftHeadRecord().Append(con, files.headers, draft, {{"NILAI", N(head.Number("NILAI"))}});
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    DraftLine line;
    if (s = draft_lines.GoTo(rows[i]); s.ok()) s = DraftLineRecord().Read(draft_lines, &line);
    if (s.ok()) s = DraftLineRecord().Append(con, files.lines, line, {{"NOMOR", T(draft.number)}});
  }
  return s;
}

bool Wanted(const xbase::WorkArea& head, const SendFilter& filter) {
  const xbase::Date date = head.DateOf("TANGGAL");
  return date >= filter.from && date <= filter.to && head.Text("RELASI").starts_with(filter.customer) &&
         !head.Logical("APPROVAL") && !head.Logical("CETAK");
}

xbase::Status Send(frame::Session& session, const frame::OpenedTables& tables, const RequestFiles& files,
                   const std::vector<uint32_t>& lines, bool* copied) {
  xbase::WorkArea& head = tables["DRAFTR1"];
  bool there = false;
  xbase::Status s = SeekExact(files.headers, kRequestHeaders, "NOMOR", head.Text("NOMOR"), &there);
  *copied = !there;
  if (s.ok() && !there) s = CopyDraft(session.console(), head, tables["DRAFTR2"], lines, files);
  return s.ok() ? Rewrite(session, head, {{"CETAK", L(true)}}) : s;
}

}  // namespace

xbase::Status CreateRequestFiles(const std::string& folder) {
  using namespace schema::build;
  static const std::vector<schema::FieldDef> headers = [] {
    const schema::TableDef* drafts = schema::FindTable("DRAFTR1");
    std::vector<schema::FieldDef> fields(drafts->fields.begin(), drafts->fields.begin() + kHeaderFields);
    fields.push_back(C("SETUJU", 4));
    return fields;
  }();
  const schema::TableDef* lines = schema::FindTable("DRAFTR2");
  const schema::IndexDef header_index[] = {{kRequestHeaders, "nomor"}};
  const schema::IndexDef line_index[] = {{kRequestLines, "nomor"}};
  const schema::TableDef tables[] = {{kRequestHeaders, headers, header_index},
                                     {kRequestLines, lines->fields.first(kLineFields), line_index}};
  for (const schema::TableDef& table : tables) {
    if (xbase::Status s = schema::CreateTable(table, folder); !s.ok()) return s;
  }
  return xbase::Status::OK();
}

xbase::Status SendDrafts(frame::Session& session, const frame::OpenedTables& tables, const RequestFiles& files,
                         const SendFilter& filter, int* sent, bool* saved) {
  *sent = 0;
  *saved = false;
  xbase::WorkArea& head = tables["DRAFTR1"];
  xbase::WorkArea& lines = tables["DRAFTR2"];
  // The drafts taken, each with its lines; all go in one save, every lock taken before the first write.
  std::vector<std::pair<uint32_t, std::vector<uint32_t>>> taken;
  std::vector<uint32_t> drafts;
  documents::SaveScope save(session.console());
  save.Append(files.headers);
  save.Append(files.lines);
  xbase::Status s = head.SetOrder("DRAFTR11");
  if (s.ok()) s = head.SeekAll(filter.number, &drafts);
  for (size_t i = 0; s.ok() && i < drafts.size(); ++i) {
    if (s = head.GoTo(drafts[i]); !s.ok() || !Wanted(head, filter)) continue;
    std::vector<uint32_t> rows;
    if (s = lines.SetOrder("DRAFTR21"); s.ok()) s = lines.SeekAll(head.Text("NOMOR"), &rows);
    if (!s.ok() || rows.empty()) continue;
    save.Update(head, drafts[i]);
    taken.emplace_back(drafts[i], std::move(rows));
  }
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  for (size_t i = 0; s.ok() && i < taken.size(); ++i) {
    bool copied = false;
    if (s = head.GoTo(taken[i].first); s.ok()) s = Send(session, tables, files, taken[i].second, &copied);
  }
  s = save.CommitWrites(s);
  *saved = s.ok();
  if (s.ok()) *sent = static_cast<int>(taken.size());
  return s;
}

xbase::Status ApproveRequest(frame::Session& session, xbase::WorkArea& headers, xbase::Date date,
                             const std::string& reason2) {
  return Rewrite(session, headers,
                 {{"SETUJU", T(kApprovalMarker)}, {"TANGGAL", D(date)}, {"ALASAN2", T(reason2)}});
}

}  // namespace returns
