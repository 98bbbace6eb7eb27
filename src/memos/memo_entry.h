// What the memo entry, print and approval screens share: the entry screen's frame with its header,
// list and save, the lookup of a memo number, the list editing with its Esc, F10 and Del, and the box
// that asks branch and number.
#ifndef PALUNDA_MEMOS_MEMO_ENTRY_H_
#define PALUNDA_MEMOS_MEMO_ENTRY_H_

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/array_browse.h"
#include "console/get.h"
#include "frame/session.h"
#include "memos/memo_list.h"
#include "memos/memo_tables.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace memos {

// The header form of the entry screens: labels from row 3 at column 2, fields at column 13.
inline constexpr int kFirstLabelRow = 3;
inline constexpr int kFieldColumn = 13;
// The colours of the memo screens: the form, the field being edited, the fields not being edited.
inline constexpr char kEntryColours[] = "W+/b,N/W,,,W+/b";
inline constexpr char kEntryMono[] = "W/n,N/W,,,W/n";

// The branch field: true when GETCB knows the branch.
bool BranchValid(frame::Session& session, std::string* branch);

// Opens the memo work set, then until Esc on the header: clears the screen in the entry colours, draws
// the centred title on row 1 and the header labels from row 3, reads the header (false: Esc) and edits
// the list, each given the work set. Closes the tables at the end.
xbase::Status RunEntryRounds(frame::Session& session, std::string_view title, const std::vector<std::string>& labels,
                             const std::function<bool(const frame::OpenedTables&)>& read_header,
                             const std::function<void(const frame::OpenedTables&)>& edit_lines);

// An entry screen of the memo held in a `Form`, which has what every memo form has: branch, number,
// date, note, rows and index. The form starts empty and dated today; RunEntryRounds draws the title
// and labels, `read_header` reads the header and `edit_lines` edits the list.
template <typename Form>
xbase::Status RunEntryScreen(frame::Session& session, std::string_view title, const std::vector<std::string>& labels,
                             bool (*read_header)(frame::Session&, const frame::OpenedTables&, Form&),
                             void (*edit_lines)(frame::Session&, const frame::OpenedTables&, Form&)) {
  Form form;
  form.date = session.Today();
  return RunEntryRounds(
      session, title, labels, [&](const frame::OpenedTables& tables) { return read_header(session, tables, form); },
      [&](const frame::OpenedTables& tables) { edit_lines(session, tables, form); });
}

// The header of an entry screen: the branch (BranchValid) on row 3, the number on row 4, checked by
// `look_up`, then the fields `fields` adds, then the note on row 6. False when it was left with Esc.
template <typename Form>
bool ReadEntryHeader(frame::Session& session, Form& form, std::function<bool()> look_up,
                     const std::function<void(console::GetList&)>& fields) {
  console::GetList gets;
  gets.Add(kFirstLabelRow, kFieldColumn, &form.branch, "@!").valid = [&session, &form] {
    return BranchValid(session, &form.branch);
  };
  gets.Add(kFirstLabelRow + 1, kFieldColumn, &form.number, "@!").valid = std::move(look_up);
  fields(gets);
  gets.Add(kFirstLabelRow + 3, kFieldColumn, &form.note, "@!");
  return !gets.Read(session.console()).escaped;
}

// A plain header: branch, number, date and note; its labels and the date field on row 5.
inline const std::vector<std::string> kPlainHeaderLabels = {"  CABANG :", "   NOMOR :", " TANGGAL :", "    NOTE :"};
template <typename Form>
bool ReadPlainHeader(frame::Session& session, Form& form, std::function<bool()> look_up) {
  return ReadEntryHeader(session, form, std::move(look_up),
                         [&form](console::GetList& gets) { gets.Add(kFirstLabelRow + 2, kFieldColumn, &form.date); });
}

// The number field: "?" opens the pick list of the kind's headers (cabang, nomor, tanggal, notes) at
// branch + the text before it; a number the branch does not hold is cleared. True when *number
// names a memo of the branch; the kind's header table then stands on it.
bool LookUpMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                std::string_view branch, std::string* number);

// Stands `lines`, a kind's line table, on each live row of the memo of `branch` and `number` in record
// order and hands it to `each`. False after a failure, which was shown, or when `each` gave false.
bool EachMemoLine(frame::Session& session, xbase::WorkArea& lines, std::string_view branch, std::string_view number,
                  const std::function<bool(xbase::WorkArea& line)>& each);

// The list of an entry screen.
struct ListLayout {
  console::Window window;
  std::vector<std::string> heads;
  std::vector<std::string> pictures;
  int first = 2;                   // the columns the cursor moves within
  int last = 2;
  std::vector<int> edited;         // the columns that are edited (the others are read-only)
};

// Edits the list until Esc (false) or a save that succeeded (true). Del removes the current row when
// the list has more than one and the row holds a delivery note (column 2), numbering the rows after it.
bool EditMemoList(frame::Session& session, console::ValueTable* rows, int* index, const ListLayout& layout,
                  const MemoListHooks& hooks, const std::function<bool()>& save);

// The list of an entry screen (EditMemoList), which starts with the row new_row gives below an empty
// one. A save that succeeded leaves a fresh form for the next memo: the branch kept, the date today.
template <typename Form>
void EditEntryLines(frame::Session& session, Form& form, const ListLayout& layout, const MemoListHooks& hooks,
                    const std::function<bool()>& save) {
  if (form.rows.empty()) form.rows.push_back(hooks.new_row(console::ValueRow(), 1));
  form.index = 1;
  if (!EditMemoList(session, &form.rows, &form.index, layout, hooks, save)) return;
  Form fresh;
  fresh.branch = form.branch;
  fresh.date = session.Today();
  form = std::move(fresh);
}

// A line's fields besides its delivery note, as the save writes them.
using LineFields = std::function<FieldValues(const console::ValueRow& row)>;

// The save of an entry screen (SaveMemo): the form's memo with TANGGAL, the kind's `header` fields
// and NOTES, and per row its delivery note (column 2) with the `line` fields (none when empty). A save
// that failed leaves in the form the number the save kept (blank for a new memo not stored).
template <typename Form>
bool SaveEntry(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind, Form& form,
               const FieldValues& header, const LineFields& line, const LineWritten& written = {},
               const LineNamed& named = {}) {
  Memo memo{form.branch, form.number, {{"TANGGAL", xbase::Value::FromDate(form.date)}}, {}};
  memo.header.insert(memo.header.end(), header.begin(), header.end());
  memo.header.emplace_back("NOTES", xbase::Value::Text(form.note));
  for (const console::ValueRow& row : form.rows) {
    memo.lines.push_back({CellText(row, 2), line ? line(row) : FieldValues()});
  }
  const bool saved = SaveMemo(session, tables, kind, &memo, written, named);
  if (!saved) form.number = xbase::PadR(memo.number, 10);
  return saved;
}

// The print and approval screens: opens the memo work set, then asks in a box the branch (GETCB) and
// the memo number (LookUpMemo, approved memos accepted), again after each `act`, until Esc or an
// empty number; closes the tables at the end.
xbase::Status AskMemos(
    frame::Session& session, std::string_view title, const MemoKind& kind,
    const std::function<void(const frame::OpenedTables& tables, const std::string& branch,
                             const std::string& number)>& act);

// The delivery note typed into a list's cell: "?" picks one (PickNote), which goes back into the cell
// at its width. False after a failure, which was shown.
bool TakeNote(frame::Session& session, xbase::Value* typed, std::string* invoice);

// The line checks every memo kind shares, each refusing with its message: the delivery note must not
// stand on another row of the list than row `index` (column 2), nor in another memo of the kind than
// the memo of `branch` and `number` (for kinds whose memos do not share notes).
bool NotOnOtherRow(frame::Session& session, const console::ValueTable& rows, std::string_view invoice, int index);
bool NotInOtherMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                    std::string_view invoice, std::string_view branch, std::string_view number);

// A delivery date typed on a list: refused when empty, and with "tidak boleh kirim hari minggu" on a Sunday.
bool DeliveryDateValid(frame::Session& session, const xbase::Value& typed);

// "Ya"/"Tidak": true for "Ya".
bool Confirm(frame::Session& session, std::string_view question);

// An approval screen (AskMemos): each memo confirmed with `question` gets
// APPROVAL true and TGAPPROV today.
xbase::Status RunApproval(frame::Session& session, std::string_view title, const MemoKind& kind,
                          std::string_view question);

// Writes APPROVAL true and TGAPPROV today into the header of the memo of `branch` and `number`, under
// its lock; a failure is shown.
void ApproveMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                 std::string_view branch, std::string_view number);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_ENTRY_H_
