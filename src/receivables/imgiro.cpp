// Merging instrument revisions from a folder: each incoming register row replaces the row of its
// number, its proformas and customers are paired with the stored ones in order, and the other-branch
// register rows follow.
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/message.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/open_table.h"
#include "receivables/keyed_seek.h"
#include "receivables/tgiro.h"
#include "receivables/transfer_files.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

// The header step: the live row of the incoming row's number (deleted rows seen and recalled) takes
// its fields, or a new row takes them all.
xbase::Status MergeRow(frame::Session& session, const xbase::WorkArea& incoming, xbase::WorkArea& target,
                       std::string_view order) {
  bool found = false;
  {
    xbase::ShowDeleted show(&session.tables());
    if (xbase::Status s = SeekExact(target, order, "NOMOR", incoming.Text("NOMOR"), &found); !s.ok()) {
      return s;
    }
  }
  return documents::MergeHeaderRow(session.console(), target, found, incoming, true);
}

// The detail step: the stored rows of `number` in `target` paired in order with the incoming rows of
// `source`; every incoming row is written, surplus rows deleted, extra incoming rows appended.
xbase::Status MergeLines(frame::Session& session, xbase::WorkArea& source, xbase::WorkArea& target,
                         std::string_view number) {
  std::vector<uint32_t> incoming;
  std::vector<uint32_t> stored;
  xbase::Status s = source.SeekAll(source.PadToField("NOMOR", xbase::RTrim(number)), &incoming);
  if (s.ok()) s = target.SetOrder(1);
  if (s.ok())
    s = documents::StoredRows(session.tables(), target, target.PadToField("NOMOR", xbase::RTrim(number)), &stored);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [](size_t) { return true; };
  how.write = [&](size_t k, bool) {
    xbase::Status w = source.GoTo(incoming[k]);
    return w.ok() ? documents::CopyFieldsByPosition(source, target) : w;
  };
  return documents::RewriteLines(session.console(), target, stored, incoming.size(), how);
}

// What merging the incoming row changes: the live row of its number (deleted rows seen), with the
// table's append lock.
xbase::Status NameRow(documents::SaveScope& save, frame::Session& session, const xbase::WorkArea& incoming,
                      xbase::WorkArea& target, std::string_view order) {
  xbase::ShowDeleted show(&session.tables());
  save.Append(target);
  return documents::NameKeyedRecord(save, target, order,
                                    target.PadToField("NOMOR", xbase::RTrim(incoming.Text("NOMOR"))));
}

// Walks `source` in its index order, merging each row into `target`; `each` runs after the row, and
// `named` names what it changes. Each row is one save: a lock given up is told and ends the walk, the
// rows before it merged and nothing of it written.
xbase::Status MergeAll(frame::Session& session, xbase::WorkArea& source, xbase::WorkArea& target,
                       std::string_view order, const char* reading, const char* writing,
                       const std::function<xbase::Status(std::string_view number)>& each,
                       const std::function<xbase::Status(documents::SaveScope&, std::string_view number)>& named,
                       int* merged) {
  console::Console& con = session.console();
  console::WARNING(con, reading, "W+/b");
  xbase::Status s = source.GoTop();
  if (s.ok()) console::WARNING(con, writing, "W+/b");
  while (s.ok() && !source.eof()) {
    const uint32_t at = source.recno();
    const std::string number = source.Text("NOMOR");
    documents::SaveScope save(con);
    s = NameRow(save, session, source, target, order);
    if (s.ok() && named) s = named(save, number);
    if (s.ok()) s = save.Lock();
    if (!s.ok()) {
      documents::NothingSaved(session, s);
      return s;
    }
    s = save.BeginWrites();
    if (s.ok()) s = source.GoTo(at);
    if (s.ok()) s = MergeRow(session, source, target, order);
    if (s.ok() && each) s = each(number);
    s = save.CommitWrites(s);
    if (s.ok()) s = source.GoTo(at);
    if (s.ok()) s = source.Skip();
    if (s.ok()) ++*merged;
  }
  return s;
}

xbase::Status Import(frame::Session& session, const frame::OpenedTables& tables, const RevisionAreas& files,
                     int* merged) {
  const auto lists = [&](std::string_view number) {
    xbase::Status s = MergeLines(session, files["rlt_pi"], tables["GIRO_PI"], number);
    return s.ok() ? MergeLines(session, files["rlt_rl"], tables["GIRO_RL"], number) : s;
  };
  const auto named_lists = [&](documents::SaveScope& save, std::string_view number) {
    return NameInstrumentLists(save, session, tables, number);
  };
  int others = 0;
  xbase::Status s = MergeAll(session, files["rlt_gr"], tables["GIRODBT"], "GIRODBT1", "Proses Baca exgrd.....",
                             "Proses tulis girodbt", lists, named_lists, merged);
  if (s.ok()) {
    s = MergeAll(session, files["rlt_gk"], tables["GIROKDT"], "GIROKDT1", "Proses Baca rlt_gk.....",
                 "Proses tulis girokdt", {}, {}, &others);
  }
  return s;
}

}  // namespace

xbase::Status IMGIRO(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenRevisionTargets(session);
  if (!tables) return xbase::Status::OK();
  std::string folder;
  if (xbase::Status s = StoredTransferFolder(session, &folder); !s.ok()) return frame::CloseTables(session, s);
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  xbase::Status s;
  for (;;) {
    if (!AskTransferFolder(con, colour, {9, 14, "Impor kiriman data giro/transfer/voucher", "Dari Folder :", "@S30"},
                           &folder)) {
      break;
    }
    const std::string typed(xbase::AllTrim(folder));
    if (console::Alert(con, "Yakin impor data dari " + typed + "; akan dijalankan", {"Ya", "Tidak"}) != 1) continue;
    RevisionAreas files;
    if (!OpenRevisionFiles(session, TransferFolder(session, folder), &files)) break;
    int merged = 0;
    s = Import(session, tables, files, &merged);
    CloseRevisionFiles(session);
    if (s.ok()) console::PESAN(con, "Impor selesai: " + std::to_string(merged) + " penerimaan");
    if (s.IsLocked()) s = xbase::Status::OK();  // the lock given up was told
    break;
  }
  session.CloseTables();
  return s;
}

}  // namespace receivables
