// The four memo kinds and what they share: header and line tables, the counter, the lookups and the save of a memo.
#include "memos/memo_tables.h"

#include "xbase/text_functions.h"

namespace memos {

const MemoKind kAdminMemo = {"memadm1", "memadm2", "MADM", "Memorandum ", "Nomor memo ke gudang ini : ",
                             " sudah diexpedisi dg nomor "};
const MemoKind kDriverMemo = {"memdrv1", "memdrv2", "MDRV", "Memo Driver ", "Nomor memo ke DRIVER ini : ", ""};
const MemoKind kBackMemo = {"memgdg1", "memgdg2", "MGDG", "Memo Balik ", "Nomor memo kembali ke admin ini : ",
                            " sudah dikembalikan ke admin dg nomor "};
const MemoKind kTaxMemo = {"mempjk1", "mempjk2", "MPJK", "Memo PAJAK ", "Nomor memo ke Admin Piutang : ",
                           " sudah diserahkan ke admin piutang dg no : "};

namespace {

// The line tables' orders: branch + number first, the delivery note second.
constexpr int kByMemo = 1;
constexpr int kByNote = 2;

// Deleted rows are passed over while it lives, whatever the session's setting.
class LiveRowsOnly {
 public:
  explicit LiveRowsOnly(frame::Session& session) : tables_(session.tables()), saved_(tables_.deleted_hidden()) {
    tables_.set_deleted_hidden(true);
  }
  ~LiveRowsOnly() { tables_.set_deleted_hidden(saved_); }
  LiveRowsOnly(const LiveRowsOnly&) = delete;
  LiveRowsOnly& operator=(const LiveRowsOnly&) = delete;

 private:
  xbase::Session& tables_;
  bool saved_;
};

// The live rows of `key` in order `order` of a table.
xbase::Status RowsOfKey(frame::Session& session, xbase::WorkArea& area, int order, const std::string& key,
                        std::vector<uint32_t>* records) {
  records->clear();
  if (xbase::Status s = area.SetOrder(order); !s.ok()) return s;
  LiveRowsOnly live(session);
  return area.SeekAll(key, records);
}

}  // namespace

std::string MemoKey(std::string_view branch, std::string_view number) {
  return xbase::PadR(xbase::RTrim(branch), 6) + xbase::PadR(xbase::RTrim(number), 10);
}

std::string NoteKey(std::string_view invoice) { return xbase::PadR(xbase::RTrim(invoice), 20); }

std::string NoteText(std::string_view invoice) { return std::string(xbase::RTrim(invoice)); }

xbase::Status FindMemo(frame::Session& session, xbase::WorkArea& headers, std::string_view branch,
                       std::string_view number, bool* found) {
  *found = false;
  xbase::Status s = headers.SetOrder(1);
  if (!s.ok()) return s;
  LiveRowsOnly live(session);
  if (s = headers.Seek(MemoKey(branch, number)); !s.ok()) return s;
  *found = headers.found();
  return xbase::Status::OK();
}

xbase::Status MemoLineRecords(frame::Session& session, xbase::WorkArea& lines, std::string_view branch,
                              std::string_view number, std::vector<uint32_t>* records) {
  return RowsOfKey(session, lines, kByMemo, MemoKey(branch, number), records);
}

xbase::Status NoteLineRecords(frame::Session& session, xbase::WorkArea& lines, std::string_view invoice,
                              std::vector<uint32_t>* records) {
  return RowsOfKey(session, lines, kByNote, NoteKey(invoice), records);
}

xbase::Status FindNoteHolder(frame::Session& session, xbase::WorkArea& lines, std::string_view invoice,
                             NoteHolder* holder, std::string_view other_than) {
  *holder = NoteHolder();
  if (xbase::IsBlank(invoice)) return xbase::Status::OK();
  std::vector<uint32_t> records;
  xbase::Status s = NoteLineRecords(session, lines, invoice, &records);
  if (!s.ok()) return s;
  for (uint32_t record : records) {
    if (s = lines.GoTo(record); !s.ok()) return s;
    std::string branch = lines.Text("KDCB");
    std::string number = lines.Text("NOMOR");
    if (!other_than.empty() && branch + number == other_than) continue;
    *holder = {true, std::move(branch), std::move(number), record};
    return xbase::Status::OK();
  }
  return xbase::Status::OK();
}

MemoOfNote FindMemoOfNote(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                          std::string_view invoice, xbase::Status* s) {
  NoteHolder note;
  MemoOfNote memo;
  if (*s = FindNoteHolder(session, tables[kind.lines], invoice, &note); !s->ok() || !note.found) return memo;
  bool found = false;
  xbase::WorkArea& headers = tables[kind.header];
  if (*s = FindMemo(session, headers, note.branch, note.number, &found); !s->ok()) return memo;
  return {true, note.number, found ? headers.DateOf("TANGGAL") : xbase::Date()};
}

}  // namespace memos
