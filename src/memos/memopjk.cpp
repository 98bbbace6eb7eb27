// MEMOPJK: the receivables memo, with which administration hands delivered notes to the receivables
// department. A delivery note stands in one receivables memo only.
#include "console/get.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/memo_back.h"
#include "memos/memo_entry.h"
#include "memos/memo_screens.h"
#include "memos/memos.h"

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
  std::string invoice;
  if (!TakeNote(session, typed, &invoice)) return false;
  NoteFacts facts;
  if (!frame::Checked(session, ReadNote(tables, invoice, &facts)) || !facts.found) return false;
  if (!NotOnOtherRow(session, form.rows, invoice, form.index) ||
      !NotInOtherMemo(session, tables, kTaxMemo, invoice, form.branch, form.number)) {
    return false;
  }
  return FillTaxRow(session, tables, invoice, &CurrentRow(form.rows, form.index));
}

// SIMPANPAJAK: the lines hold their delivery notes only.
bool Save(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  return SaveEntry(session, tables, kTaxMemo, form, {}, {});
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  MemoListHooks hooks;
  hooks.check = [&](int, xbase::Value* typed) { return CheckNote(session, tables, form, typed); };
  hooks.new_row = [](const console::ValueRow&, int number) { return EmptyTaxRow(number); };
  EditEntryLines(session, form, kLayout, hooks, [&] { return Save(session, tables, form); });
}

bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  return ReadPlainHeader(session, form, [&] { return LCGETMEMOPAJAK(session, tables, &form, false); });
}

}  // namespace

xbase::Status MEMOPJK(frame::Session& session, const Args&) {
  return RunEntryScreen(session, kTitle, kPlainHeaderLabels, ReadHeader, EditLines);
}

}  // namespace memos
