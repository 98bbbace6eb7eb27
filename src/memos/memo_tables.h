// The four memo kinds and what they share: a header table and a line table joined on branch +
// number, a SETUP counter per branch, the lookups of a memo and of the memo that holds a delivery
// note, and the save that numbers a new memo and rewrites its lines in place.
#ifndef PALUNDA_MEMOS_MEMO_TABLES_H_
#define PALUNDA_MEMOS_MEMO_TABLES_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace memos {

// One kind of memo: its tables (opened under these aliases by OPENMEMORANDUM), its counter prefix
// and the texts of its save.
struct MemoKind {
  const char* header;   // the header table
  const char* lines;    // the line table
  const char* prefix;   // the counter key before the branch code
  const char* word;     // the kind's name in the "Sudah terdaftar" refusal
  const char* success;  // the text before the number of a memo numbered by a save
  // The refusal of a delivery note held by another memo of the kind ("nomor sj " + number + this +
  // that memo's number); empty for a kind whose memos may share delivery notes.
  const char* elsewhere;
};

extern const MemoKind kAdminMemo;   // MEMADM1/MEMADM2, "MADM"
extern const MemoKind kDriverMemo;  // MEMDRV1/MEMDRV2, "MDRV"
extern const MemoKind kBackMemo;    // MEMGDG1/MEMGDG2, "MGDG"
extern const MemoKind kTaxMemo;     // MEMPJK1/MEMPJK2, "MPJK"

using FieldValues = std::vector<std::pair<std::string, xbase::Value>>;

// A line of a memo as its screen holds it: a blank delivery note is an empty screen line.
struct MemoLine {
  std::string invoice;
  FieldValues fields;  // the kind's line fields besides KDCB, NOMOR and INVOICE
};

// A memo as its screen holds it.
struct Memo {
  std::string branch;
  std::string number;   // blank for a memo not yet saved
  FieldValues header;   // TANGGAL, NOTES and the kind's other header fields
  std::vector<MemoLine> lines;
};

// The key of a memo in both its tables: the branch in 6 and the number in 10 characters.
std::string MemoKey(std::string_view branch, std::string_view number);
// A delivery-note number as its key in the line tables (20 characters).
std::string NoteKey(std::string_view invoice);
// The delivery-note number for messages: without its trailing blanks.
std::string NoteText(std::string_view invoice);

// Seeks the header of a memo in `headers`, the kind's header table; *found tells whether the area
// stands on it.
xbase::Status FindMemo(frame::Session& session, xbase::WorkArea& headers, std::string_view branch,
                       std::string_view number, bool* found);
// The live rows of a memo in `lines`, the kind's line table, in record order.
xbase::Status MemoLineRecords(frame::Session& session, xbase::WorkArea& lines, std::string_view branch,
                              std::string_view number, std::vector<uint32_t>* records);

// The live rows of a kind's line table `lines` that hold a delivery note, in record order of the note's key.
xbase::Status NoteLineRecords(frame::Session& session, xbase::WorkArea& lines, std::string_view invoice,
                              std::vector<uint32_t>* records);
// Where a delivery note stands in memos of a kind: the branch and number of the first live line
// holding it, read from the kind's line table `lines` (empty when none) and, when `other_than` is a
// memo key, the first line of a memo with another key. When found, `lines` stands on that line.
struct NoteHolder {
  bool found = false;
  std::string branch;
  std::string number;
  uint32_t record = 0;
};
xbase::Status FindNoteHolder(frame::Session& session, xbase::WorkArea& lines, std::string_view invoice,
                             NoteHolder* holder, std::string_view other_than = {});

// The memo of a kind that holds a delivery note (its first live line): number and date. When found,
// the kind's line table stands on the note's line and its header table on the memo's header.
struct MemoOfNote {
  bool found = false;
  std::string number;
  xbase::Date date;
};
MemoOfNote FindMemoOfNote(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                          std::string_view invoice, xbase::Status* s);

// The outcome of a delivery (delivered flag, date, time, note) written onto the first live line of
// the delivery note in `admin_lines` (the admin memos' line table), under its lock; a note in no admin
// memo is left alone. The area is left on its delivery-note order.
xbase::Status WriteMemoOutcome(frame::Session& session, xbase::WorkArea& admin_lines, std::string_view invoice,
                               xbase::Date date, std::string_view time, std::string_view note, bool delivered);
// The admin-memo line WriteMemoOutcome rewrites for `invoice`, named in a save (nothing when none).
xbase::Status NameOutcome(documents::SaveScope& save, frame::Session& session, xbase::WorkArea& admin_lines,
                          std::string_view invoice);

// Called after each line row a save wrote, rewritten or appended.
using LineWritten = std::function<xbase::Status(const MemoLine&)>;
// Names in the save what LineWritten will change for a line, before any lock is taken.
using LineNamed = std::function<xbase::Status(documents::SaveScope&, const MemoLine&)>;

// The memo save: after "Yakin data akan disimpan" (Ya/Tidak) numbers a new memo from the kind's
// counter (numbers already taken are passed over), writes the header (deleted when no line holds a
// delivery note), rewrites the memo's line rows in place by position and appends the rest. A kind
// whose memos do not share notes refuses, before anything is written, a note that another memo of
// the kind took meanwhile. Every record the save changes (the counter, header, line rows and what
// `named` names for each line) is locked before the first write; a lock given up writes nothing.
// True when saved; a new memo's number goes to memo->number and is told.
bool SaveMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind, Memo* memo,
              const LineWritten& written = {}, const LineNamed& named = {});

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_TABLES_H_
