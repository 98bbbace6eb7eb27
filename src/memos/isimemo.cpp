// ISIMEMO: the admin memo, the list of delivery notes that marketing administration hands to the
// warehouse. F10 numbers a new memo from the "MADM" counter and saves it; an approved memo is closed.
#include "console/get.h"
#include "frame/status_display.h"
#include "memos/admin_memo.h"
#include "memos/delivery_notes.h"
#include "memos/memo_entry.h"
#include "memos/memo_screens.h"
#include "memos/memos.h"
#include "pickers/picker_support.h"

namespace memos {
namespace {

constexpr char kTitle[] = "       DAFTAR SURAT JALAN yg DISERAHKAN ke GUDANG       ";

const ListLayout kLayout{{8, 12, 21, 67},
                         {"No.", "Nomor SJ", "Tgl SJ", "Relasi", "     Colly"},
                         {"99.", "@!", "", "@!", "999,999.99"},
                         kAdminNote,
                         kAdminNote,
                         {kAdminNote}};

struct AdminMemoForm {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(10, ' ');
  xbase::Date date;
  std::string note = std::string(40, ' ');
  console::ValueTable rows;
  int index = 1;
};

// CHK on the delivery-note column of row `index`.
bool CheckLine(frame::Session& session, const frame::OpenedTables& tables, AdminMemoForm& form, xbase::Value* typed) {
  std::string invoice;
  if (!TakeNote(session, typed, &invoice)) return false;
  NoteFacts facts;
  if (!frame::Checked(session, ReadNote(tables, invoice, &facts)) || !facts.found) return false;
  double cartons = 0;
  std::vector<uint32_t> goods;
  if (!frame::Checked(session, NoteGoods(tables, invoice, &goods))) return false;
  if (goods.empty()) return pickers::Refuse(session, "nomor sj " + NoteText(invoice) + " tidak ada isinya ");
  if (!NotOnOtherRow(session, form.rows, invoice, form.index)) return false;
  if (!NotInOtherMemo(session, tables, kAdminMemo, invoice, form.branch, form.number)) return false;
  if (!frame::Checked(session, NoteCartons(tables, invoice, &cartons))) return false;
  console::ValueRow& row = CurrentRow(form.rows, form.index);
  row[kAdminDate - 1] = DateCell(facts.date);
  row[kAdminCustomer - 1] = TextCell(facts.customer, 9);
  row[kAdminColly - 1] = NumberCell(cartons);
  return true;
}

// SIMPAN: the memo's lines with their colly.
bool Save(frame::Session& session, const frame::OpenedTables& tables, AdminMemoForm& form) {
  const auto colly = [](const console::ValueRow& row) -> FieldValues {
    return {{"CARTON", xbase::Value::Num(CellNumber(row, kAdminColly))}};
  };
  return SaveEntry(session, tables, kAdminMemo, form, {}, colly);
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, AdminMemoForm& form) {
  MemoListHooks hooks;
  hooks.check = [&](int, xbase::Value* typed) { return CheckLine(session, tables, form, typed); };
  hooks.new_row = [](const console::ValueRow&, int number) { return EmptyAdminRow(number); };
  EditEntryLines(session, form, kLayout, hooks, [&] { return Save(session, tables, form); });
}

// The header; false when it was left with Esc.
bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, AdminMemoForm& form) {
  const auto look_up = [&] {
    return LCGETMEMODL(session, tables, &form.number, &form.rows, &form.date, &form.note, form.branch, false);
  };
  return ReadPlainHeader(session, form, look_up);
}

}  // namespace

xbase::Status ISIMEMO(frame::Session& session, const Args&) {
  return RunEntryScreen(session, kTitle, kPlainHeaderLabels, ReadHeader, EditLines);
}

}  // namespace memos
