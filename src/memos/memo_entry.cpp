// What the memo entry, print and approval screens share: the entry screen's frame with its header,
// list and save, the lookup of a memo number, the list editing with its Esc, F10 and Del, and the box
// that asks branch and number.
#include "memos/memo_entry.h"

#include <algorithm>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/key_help.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/line_arrays.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/memos.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

namespace key = console::key;

const console::KeyHelp kListHelp{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};

// Clears the screen in the entry colours and draws the centred title on row 1 and the header
// labels from row 3.
void DrawEntryScreen(console::Console& con, std::string_view title, const std::vector<std::string>& labels) {
  con.SetColour(con.Pick(kEntryColours, kEntryMono));
  const console::Attr attr = con.colours().standard;
  con.Clear(0, 0, 23, 79, attr);
  con.Say(1, std::max(0, 40 - static_cast<int>(title.size()) / 2), title, con.colours().enhanced);
  int row = kFirstLabelRow;
  for (const std::string& label : labels) con.Say(row++, 2, label, attr);
}

// Writes APPROVAL true and TGAPPROV today into the header the area stands on, under its lock.
xbase::Status WriteApproval(frame::Session& session, xbase::WorkArea& header) {
  xbase::Status s = console::LOCK_REC(session.console(), header);
  if (!s.ok()) return s;
  s = header.Put("APPROVAL", xbase::Value::Logical(true));
  if (s.ok()) s = header.Put("TGAPPROV", xbase::Value::FromDate(session.Today()));
  xbase::Status unlocked = header.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

bool BranchValid(frame::Session& session, std::string* branch) {
  *branch = xbase::Upper(*branch);
  return pickers::GETCB(session, *branch);
}

xbase::Status RunEntryRounds(frame::Session& session, std::string_view title, const std::vector<std::string>& labels,
                             const std::function<bool(const frame::OpenedTables&)>& read_header,
                             const std::function<void(const frame::OpenedTables&)>& edit_lines) {
  const frame::OpenedTables tables = OPENMEMORANDUM(session);
  if (!tables) return xbase::Status::OK();  // the failure was told on row 24
  console::ScreenKeeper keep(session.console());
  for (;;) {
    DrawEntryScreen(session.console(), title, labels);
    if (!read_header(tables)) break;
    edit_lines(tables);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

bool LookUpMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                std::string_view branch, std::string* number) {
  const size_t mark = number->find('?');
  if (mark != std::string::npos) {
    frame::PickSpec pick;
    pick.alias = kind.header;
    pick.expressions = {"kdcb", "nomor", "tanggal", "notes"};
    pick.heads = {"cabang", "nomor", "tanggal", "notes"};
    pick.result = 2;
    std::string probe = xbase::PadR(xbase::RTrim(branch), 6) + number->substr(0, mark) + "?";
    if (!frame::Checked(session, frame::PickCode(session, pick, &probe))) return false;
    *number = probe;
  }
  bool found = false;
  if (!xbase::IsBlank(*number) &&
      !frame::Checked(session, FindMemo(session, tables[kind.header], branch, *number, &found))) {
    found = false;
  }
  *number = found ? xbase::PadR(xbase::RTrim(*number), 10) : std::string(10, ' ');
  return found;
}

bool EachMemoLine(frame::Session& session, xbase::WorkArea& lines, std::string_view branch, std::string_view number,
                  const std::function<bool(xbase::WorkArea& line)>& each) {
  std::vector<uint32_t> records;
  if (!frame::Checked(session, MemoLineRecords(session, lines, branch, number, &records))) return false;
  for (uint32_t record : records) {
    if (!frame::Checked(session, lines.GoTo(record)) || !each(lines)) return false;
  }
  return true;
}

bool EditMemoList(frame::Session& session, console::ValueTable* rows, int* index, const ListLayout& layout,
                  const MemoListHooks& hooks, const std::function<bool()>& save) {
  console::Console& con = session.console();
  console::ArrayBrowse browse = console::BUATOBJECT(con, rows, layout.heads, layout.pictures, layout.window,
                                                    std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 23, kListHelp, index);
  for (int column = 1; column <= static_cast<int>(layout.heads.size()); ++column) {
    browse.set_read_only(column, std::find(layout.edited.begin(), layout.edited.end(), column) == layout.edited.end());
  }
  browse.set_column(layout.first);
  bool saved = false;
  MemoListHooks all = hooks;
  all.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kEsc: return true;
      case key::kF10: return saved = save();
      case key::kDel:
        if (rows->size() > 1 && !xbase::IsBlank(CellText(CurrentRow(*rows, *index), 2))) {
          frame::HAPUS_(static_cast<size_t>(*index), rows);
          browse.Skip(0);
        }
        return false;
      default: return hooks.other_key && hooks.other_key(pressed);
    }
  };
  RunMemoList(con, browse, rows, index, layout.first, layout.last, all);
  return saved;
}

xbase::Status AskMemos(
    frame::Session& session, std::string_view title, const MemoKind& kind,
    const std::function<void(const frame::OpenedTables& tables, const std::string& branch,
                             const std::string& number)>& act) {
  const frame::OpenedTables tables = OPENMEMORANDUM(session);
  if (!tables) return xbase::Status::OK();  // the failure was told on row 24
  console::Console& con = session.console();
  std::string branch(6, ' ');
  for (;;) {
    std::string number(10, ' ');
    console::ScreenKeeper keep(con);
    console::ISHADOW(con, 8, 20, 13, 58, con.Pick("W+/b,N/W", "W/n,N/W"));
    con.Say(9, 21, xbase::PadC(title, 37));
    con.Say(10, 22, "      Cabang :");
    con.Say(11, 22, "       Nomor : ..........");
    console::GetList form;
    form.Add(10, 37, &branch, "@!").valid = [&] { return BranchValid(session, &branch); };
    form.Add(11, 37, &number, "@!").valid = [&] {
      LookUpMemo(session, tables, kind, branch, &number);
      return true;
    };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    act(tables, branch, number);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

bool TakeNote(frame::Session& session, xbase::Value* typed, std::string* invoice) {
  *invoice = typed->text();
  if (!PickNote(session, invoice)) return false;
  *typed = TextCell(*invoice, 20);
  return true;
}

bool NotOnOtherRow(frame::Session& session, const console::ValueTable& rows, std::string_view invoice, int index) {
  const int row = RowHolding(rows, 2, invoice, index);
  return row == 0 || pickers::Refuse(session, "nomor sj " + NoteText(invoice) + " telah diisikan pada urutan ke " +
                                                  std::to_string(row));
}

bool NotInOtherMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                    std::string_view invoice, std::string_view branch, std::string_view number) {
  NoteHolder holder;
  const xbase::Status s = FindNoteHolder(session, tables[kind.lines], invoice, &holder, MemoKey(branch, number));
  if (!frame::Checked(session, s)) return false;
  return !holder.found ||
         pickers::Refuse(session, "nomor sj " + NoteText(invoice) + kind.elsewhere + NoteText(holder.number));
}

bool DeliveryDateValid(frame::Session& session, const xbase::Value& typed) {
  if (!typed.is_date() || typed.date().empty()) return false;
  if (typed.date().dow() == 1) return pickers::Refuse(session, "tidak boleh kirim hari minggu");
  return true;
}

bool Confirm(frame::Session& session, std::string_view question) {
  return console::Alert(session.console(), question, {"Ya", "Tidak"}) == 1;
}

void ApproveMemo(frame::Session& session, const frame::OpenedTables& tables, const MemoKind& kind,
                 std::string_view branch, std::string_view number) {
  bool found = false;
  xbase::WorkArea& header = tables[kind.header];
  xbase::Status s = FindMemo(session, header, branch, number, &found);
  if (s.ok() && found) s = WriteApproval(session, header);
  frame::ShowFailure(session, s);
}

xbase::Status RunApproval(frame::Session& session, std::string_view title, const MemoKind& kind,
                          std::string_view question) {
  const auto approve = [&](const frame::OpenedTables& tables, const std::string& branch, const std::string& number) {
    if (Confirm(session, question)) ApproveMemo(session, tables, kind, branch, number);
  };
  return AskMemos(session, title, kind, approve);
}

}  // namespace memos
