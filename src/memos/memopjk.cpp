// MEMOPJK: the receivables memo, with which administration hands delivered notes to the receivables
// department. A delivery note stands in one receivables memo only.
#include "console/get.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/memo_back.h"
#include "memos/memo_entry.h"
#include "memos/memo_screens.h"
#include "memos/memos.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

constexpr char kTitle[] = "          DAFTAR SURAT JALAN YANG DISERAHKAN KE ADMINISTRASI PIUTANG          ";

const ListLayout kLayout{{8, 5, 21, 74},
                         {"No.", "Nomor SJ", "Tgl SJ", "TG.KIRIM", "RELASI"},
                         {"99.", "@!S13", "", "", "@!"},
                         kTaxNote,
                         kTaxNote,
                         {kTaxNote}};

// CHKPAJAK: a delivery note that stands on no other row and in no other receivables memo.
bool CheckNote(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form, xbase::Value* typed) {
  std::string invoice = typed->text();
  if (!PickNote(session, &invoice)) return false;
  *typed = TextCell(invoice, 20);
  NoteFacts facts;
  if (!frame::Checked(session, ReadNote(tables, invoice, &facts)) || !facts.found) return false;
  if (!NotOnOtherRow(session, form.rows, invoice, form.index) ||
      !NotInOtherMemo(session, tables, kTaxMemo, invoice, form.branch, form.number)) {
    return false;
  }
  return FillTaxRow(session, tables, invoice, &CurrentRow(form.rows, form.index));
}

// SIMPANPAJAK.
bool Save(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  Memo memo{form.branch,
            form.number,
            {{"TANGGAL", xbase::Value::FromDate(form.date)}, {"NOTES", xbase::Value::Text(form.note)}},
            {}};
  for (const console::ValueRow& row : form.rows) memo.lines.push_back({CellText(row, kTaxNote), {}});
  const bool saved = SaveMemo(session, tables, kTaxMemo, &memo);
  if (!saved) form.number = xbase::PadR(memo.number, 10);
  return saved;
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  if (form.rows.empty()) form.rows.push_back(EmptyTaxRow(1));
  form.index = 1;
  MemoListHooks hooks;
  hooks.check = [&](int, xbase::Value* typed) {
    return CheckNote(session, tables, form, typed);
  };
  hooks.after_edit = [](int) { return ListMove::kNextRow; };
  hooks.new_row = [](const console::ValueRow&, int number) { return EmptyTaxRow(number); };
  if (EditMemoList(session, &form.rows, &form.index, kLayout, hooks, [&] { return Save(session, tables, form); })) {
    StartNewMemo(&form, session.Today());
  }
}

bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  console::GetList gets;
  const int row = kFirstLabelRow;
  AddBranchAndNumber(session, &gets, &form.branch, &form.number, [&] {
    return LCGETMEMOPAJAK(session, tables, &form, false);
  });
  gets.Add(row + 2, kFieldColumn, &form.date);
  gets.Add(row + 3, kFieldColumn, &form.note, "@!");
  return !gets.Read(session.console()).escaped;
}

}  // namespace

xbase::Status MEMOPJK(frame::Session& session, const Args&) {
  MemoForm form;
  form.date = session.Today();
  return RunEntryScreen(
      session, [&] { DrawEntryScreen(session.console(), kTitle, {"  CABANG :", "   NOMOR :", " TANGGAL :", "    NOTE :"}); },
      [&](const frame::OpenedTables& tables) { return ReadHeader(session, tables, form); },
      [&](const frame::OpenedTables& tables) { EditLines(session, tables, form); });
}

}  // namespace memos
