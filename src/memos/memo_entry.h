// What the memo entry, print and approval screens share: the entry screen's frame, the lookup of a
// memo number, the list editing with its Esc, F10 and Del, and the box that asks branch and number.
#ifndef PALUNDA_MEMOS_MEMO_ENTRY_H_
#define PALUNDA_MEMOS_MEMO_ENTRY_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/array_browse.h"
#include "console/get.h"
#include "frame/session.h"
#include "memos/memo_list.h"
#include "memos/memo_tables.h"
#include "xbase/work_area.h"

namespace memos {

// The header form of the entry screens: labels from row 3 at column 2, fields at column 13.
inline constexpr int kFirstLabelRow = 3;
inline constexpr int kFieldColumn = 13;
// The colours of the memo screens: the form, the field being edited, the fields not being edited.
inline constexpr char kEntryColours[] = "W+/b,N/W,,,W+/b";
inline constexpr char kEntryMono[] = "W/n,N/W,,,W/n";

// Clears the screen in the entry colours and draws the centred title on row 1 and the header
// labels from row 3.
void DrawEntryScreen(console::Console& con, std::string_view title, const std::vector<std::string>& labels);

// The branch field: true when GETCB knows the branch.
bool BranchValid(frame::Session& session, std::string* branch);

// The first two fields of an entry header: the branch (BranchValid) on row 3 and the number, checked
// by `lookup`, on row 4.
void AddBranchAndNumber(frame::Session& session, console::GetList* gets, std::string* branch, std::string* number,
                        std::function<bool()> lookup);

// An entry screen: opens the memo work set, then draws the screen, reads the header (false: Esc) and
// edits the list, each given the work set, in turn until Esc on the header; closes the tables at the end.
xbase::Status RunEntryScreen(frame::Session& session, const std::function<void()>& draw,
                             const std::function<bool(const frame::OpenedTables&)>& read_header,
                             const std::function<void(const frame::OpenedTables&)>& edit_lines);

// The number field: "?" opens the pick list of the kind's headers (cabang, nomor, tanggal, notes) at
// branch + the text before it; a number the branch does not hold is cleared. True when *number
// names a memo of the branch; the kind's header table then stands on it.
bool LookUpMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                std::string_view branch, std::string* number);

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

// A fresh form for the next memo after a save: the branch kept, the date today.
template <typename Form>
void StartNewMemo(Form* form, xbase::Date today) {
  Form fresh;
  fresh.branch = form->branch;
  fresh.date = today;
  *form = std::move(fresh);
}

// The print and approval screens: opens the memo work set, then asks in a box the branch (GETCB) and
// the memo number (LookUpMemo, approved memos accepted), again after each `act`, until Esc or an
// empty number; closes the tables at the end.
xbase::Status AskMemos(
    frame::Session& session, std::string_view title, const MemoKind& kind,
    const std::function<void(const frame::OpenedTables& tables, const std::string& branch,
                             const std::string& number)>& act);

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

// Writes APPROVAL true and TGAPPROV today into the header the area stands on, under its lock.
xbase::Status ApproveMemo(frame::Session& session, xbase::WorkArea& header);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_ENTRY_H_
