// The save every memo screen shares: confirmation, numbering, header, and the lines rewritten in place.
#include <algorithm>

#include "console/alert.h"
#include "console/table_access.h"
#include "documents/document_counter.h"
#include "documents/save_scope.h"
#include "frame/status_display.h"
#include "memos/memo_entry.h"
#include "memos/memo_tables.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

bool HoldsNote(const MemoLine& line) { return !xbase::IsBlank(line.invoice); }

xbase::Status PutAll(xbase::WorkArea& area, const FieldValues& fields) {
  for (const auto& [name, value] : fields) {
    if (xbase::Status s = area.Put(name, value); !s.ok()) return s;
  }
  return xbase::Status::OK();
}

// Unlocks the area and hands on the first failure.
xbase::Status Release(xbase::WorkArea& area, xbase::Status status) {
  xbase::Status s = area.Unlock();
  return status.ok() ? s : status;
}

class MemoWriter {
 public:
  MemoWriter(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind, const Memo& memo,
             const LineWritten& written)
      : session_(session),
        con_(session.console()),
        headers_(tables[kind.header]),
        lines_(tables[kind.lines]),
        memo_(memo),
        written_(written) {}

  xbase::Status Write() {
    const bool any = std::any_of(memo_.lines.begin(), memo_.lines.end(), HoldsNote);
    xbase::Status s = WriteHeader(any);
    if (s.ok()) s = RewriteLines();
    return s;
  }

 private:
  xbase::Status WriteHeader(bool any_line) {
    bool found = false;
    xbase::Status s = FindMemo(session_, headers_, memo_.branch, memo_.number, &found);
    if (!s.ok()) return s;
    if (!any_line) {
      // An emptied memo loses its header; its line rows stay as deleted rows.
      if (!found) return xbase::Status::OK();
      if (s = console::LOCK_REC(con_, headers_); !s.ok()) return s;
      return Release(headers_, headers_.Delete());
    }
    if (found) {
      s = console::LOCK_REC(con_, headers_);
    } else if (s = console::APP_REC(con_, headers_); s.ok()) {
      s = PutAll(headers_, {{"KDCB", xbase::Value::Text(memo_.branch)},
                           {"NOMOR", xbase::Value::Text(memo_.number)},
                           {"TGINPUT", xbase::Value::FromDate(session_.Today())},
                           {"OPERATOR", xbase::Value::Text(session_.MMEMBER.nik)}});
      if (!s.ok()) return Release(headers_, s);
    }
    if (!s.ok()) return s;
    return Release(headers_, PutAll(headers_, memo_.header));
  }

  xbase::Status WriteLine(xbase::WorkArea& lines, const MemoLine& line) {
    xbase::Status s = PutAll(lines, {{"KDCB", xbase::Value::Text(memo_.branch)},
                                     {"NOMOR", xbase::Value::Text(memo_.number)},
                                     {"INVOICE", xbase::Value::Text(line.invoice)}});
    if (s.ok()) s = PutAll(lines, line.fields);
    if (s = Release(lines, s); !s.ok()) return s;
    return written_ ? written_(line) : xbase::Status::OK();
  }

  // The stored rows of the memo, deleted ones too, paired with the screen lines by position.
  xbase::Status RewriteLines() {
    xbase::Status s = lines_.SetOrder(1);
    if (!s.ok()) return s;
    std::vector<uint32_t> records;
    {
      xbase::ShowDeleted all_rows(&session_.tables());
      if (s = lines_.SeekAll(MemoKey(memo_.branch, memo_.number), &records); !s.ok()) return s;
      for (size_t i = 0; i < records.size(); ++i) {
        if (s = lines_.GoTo(records[i]); !s.ok()) return s;
        const bool paired = i < memo_.lines.size() && HoldsNote(memo_.lines[i]);
        if (!paired && lines_.deleted()) continue;
        if (s = console::LOCK_REC(con_, lines_); !s.ok()) return s;
        if (!paired) {
          s = Release(lines_, lines_.Delete());
        } else if (lines_.deleted() && !(s = lines_.Recall()).ok()) {
          s = Release(lines_, s);
        } else {
          s = WriteLine(lines_, memo_.lines[i]);
        }
        if (!s.ok()) return s;
      }
    }
    for (size_t i = records.size(); i < memo_.lines.size(); ++i) {
      if (!HoldsNote(memo_.lines[i])) continue;
      if (s = console::APP_REC(con_, lines_); !s.ok()) return s;
      if (s = WriteLine(lines_, memo_.lines[i]); !s.ok()) return s;
    }
    return xbase::Status::OK();
  }

  frame::Session& session_;
  console::Console& con_;
  xbase::WorkArea& headers_;
  xbase::WorkArea& lines_;
  const Memo& memo_;
  const LineWritten& written_;
};

// False (after a message) when a delivery note of the memo stands in another memo of the kind.
bool NotesFree(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind, const Memo& memo) {
  if (*kind.elsewhere == '\0') return true;
  return std::all_of(memo.lines.begin(), memo.lines.end(), [&](const MemoLine& line) {
    return NotInOtherMemo(session, tables, kind, line.invoice, memo.branch, memo.number);
  });
}

// Names the header and the stored line rows of the memo (deleted ones too: the save may take them
// back), the rows it appends, and what `named` names for each line.
xbase::Status NameMemo(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                       const MemoKind& kind, const Memo& memo, bool numbered_now, const LineNamed& named) {
  xbase::WorkArea& headers = tables[kind.header];
  xbase::WorkArea& lines = tables[kind.lines];
  save.Append(headers);
  save.Append(lines);
  xbase::Status s;
  if (!numbered_now) {
    bool found = false;
    if (s = FindMemo(session, headers, memo.branch, memo.number, &found); !s.ok()) return s;
    if (found) save.Update(headers, headers.recno());
    std::vector<uint32_t> records;
    if (s = lines.SetOrder(1); !s.ok()) return s;
    xbase::ShowDeleted all_rows(&session.tables());
    if (s = lines.SeekAll(MemoKey(memo.branch, memo.number), &records); !s.ok()) return s;
    for (uint32_t record : records) save.Update(lines, record);
  }
  for (size_t i = 0; named && s.ok() && i < memo.lines.size(); ++i) {
    if (HoldsNote(memo.lines[i])) s = named(save, memo.lines[i]);
  }
  return s;
}

}  // namespace

bool SaveMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind, Memo* memo,
              const LineWritten& written, const LineNamed& named) {
  console::Console& con = session.console();
  if (console::Alert(con, "Yakin data akan disimpan", {"Ya", "Tidak"}) != 1) return false;
  memo->branch = xbase::PadR(xbase::RTrim(memo->branch), 6);
  const bool numbered_now = xbase::IsBlank(memo->number);
  if (numbered_now && std::none_of(memo->lines.begin(), memo->lines.end(), HoldsNote)) {
    console::Alert(con, "nomor : " + memo->number + " tidak terbentuk");
    return false;
  }
  if (!NotesFree(session, tables, kind, *memo)) return false;
  documents::CounterKind counter;
  counter.prefix = kind.prefix;
  counter.missing = documents::kMissingNomerator;
  xbase::WorkArea& setup = tables["setup"];
  xbase::WorkArea& headers = tables[kind.header];
  documents::SaveScope save(con);
  xbase::Status s;
  if (numbered_now) s = documents::NameCounter(save, setup, counter, memo->branch);
  if (s.ok()) s = NameMemo(save, session, tables, kind, *memo, numbered_now, named);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    if (numbered_now) memo->number.clear();
    return documents::NothingSaved(session, s);
  }
  s = save.BeginWrites();
  MemoWriter writer(session, tables, kind, *memo, written);
  if (s.ok() && !numbered_now) {
    s = writer.Write();
  } else if (s.ok()) {
    const auto taken = [&](const std::string& number, bool* held) {
      return FindMemo(session, headers, memo->branch, number, held);
    };
    const auto write = [&](const std::string& number) {
      memo->number = number;
      return writer.Write();
    };
    std::string number;
    s = documents::NumberDocument(con, setup, counter, memo->branch, taken, write, &number);
  }
  s = save.CommitWrites(s);
  if (s.IsNotFound() && numbered_now) {  // the missing counter was told
    memo->number.clear();
    return false;
  }
  if (!frame::Checked(session, s)) {
    // A new memo whose header was not written keeps no number; one whose header was keeps it, so
    // the next save finishes it.
    bool stored = false;
    if (numbered_now && !(FindMemo(session, headers, memo->branch, memo->number, &stored).ok() && stored)) {
      memo->number.clear();
    }
    return false;
  }
  if (numbered_now) console::Alert(con, kind.success + memo->number);
  return true;
}

}  // namespace memos
