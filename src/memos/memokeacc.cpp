// MEMOKEACC: the memo back, with which the warehouse returns the delivery notes to marketing
// administration after the trip: per note whether it was delivered, the real date and time and a
// reason. Each line saved writes its outcome onto the note's admin-memo line.
#include "console/get.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/memo_back.h"
#include "memos/memo_entry.h"
#include "memos/memo_screens.h"
#include "memos/memos.h"
#include "pickers/picker_support.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

constexpr char kTitle[] = "         DAFTAR SURAT JALAN YANG DIKEMBALIKAN ADMINISTRASI PEMASARAN         ";

const ListLayout kLayout{{8, 1, 21, 78},
                         {"NO.", "NOMOR SJ", "TG. SJ", "RELASI", "TG.REAL", "JAM", "KETERANGAN/ALASAN", "KRM"},
                         {"99.", "@!S13", "", "@!", "", "99:99", "@!S16", "Y"},
                         kBackNote,
                         kBackSent,
                         {kBackNote, kBackReal, kBackTime, kBackReason, kBackSent}};

// The row of a delivery note: its date and customer, and the real date proposed from its first
// driver-memo line.
bool FillRow(frame::Session& session, const frame::OpenedTables& tables, std::string_view invoice,
             console::ValueRow* row) {
  NoteFacts facts;
  NoteHolder driver;
  xbase::WorkArea& driver_lines = tables[kDriverMemo.lines];
  if (!frame::Checked(session, ReadNote(tables, invoice, &facts)) ||
      !frame::Checked(session, FindNoteHolder(session, driver_lines, invoice, &driver))) {
    return false;
  }
  (*row)[kBackDate - 1] = DateCell(facts.date);
  (*row)[kBackCustomer - 1] = TextCell(facts.customer, 9);
  if (driver.found) (*row)[kBackReal - 1] = DateCell(driver_lines.DateOf("TG_KIRIM"));
  return true;
}

// CHKISI on the delivery-note column.
bool CheckNote(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form, xbase::Value* typed) {
  std::string invoice;
  if (!TakeNote(session, typed, &invoice)) return false;
  NoteHolder admin;
  if (!frame::Checked(session, FindNoteHolder(session, tables[kAdminMemo.lines], invoice, &admin)) || !admin.found) {
    return false;
  }
  if (!NotOnOtherRow(session, form.rows, invoice, form.index) ||
      !NotInOtherMemo(session, tables, kBackMemo, invoice, form.branch, form.number)) {
    return false;
  }
  return FillRow(session, tables, invoice, &CurrentRow(form.rows, form.index));
}

// GETEKSMEMODRV: while the list holds no delivery note and the memo is new, the lines of the branch's
// driver memo whose notes are in no memo back replace it, delivered at the planned date. A list that
// cannot be read whole is refused (the field stays, the rows as they were) rather than taken in part.
bool TakeOverDriverMemo(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  const bool empty = std::all_of(form.rows.begin(), form.rows.end(),
                                 [](const console::ValueRow& row) { return xbase::IsBlank(CellText(row, kBackNote)); });
  if (!empty || !xbase::IsBlank(form.number)) return true;
  if (!LookUpMemo(session, tables, kDriverMemo, form.branch, &form.driver_memo)) return true;
  console::ValueTable taken;
  const auto add = [&](xbase::WorkArea& line) {
    const std::string invoice = line.Text("INVOICE");
    const xbase::Date planned = line.DateOf("TG_KIRIM");
    const std::string time = line.Text("JAM_REAL");
    NoteHolder back;
    if (!frame::Checked(session, FindNoteHolder(session, tables[kBackMemo.lines], invoice, &back))) return false;
    if (back.found) return true;
    console::ValueRow row = EmptyBackRow(static_cast<int>(taken.size() + 1));
    row[kBackNote - 1] = TextCell(invoice, 20);
    if (!FillRow(session, tables, invoice, &row)) return false;
    row[kBackReal - 1] = DateCell(planned);
    row[kBackTime - 1] = TextCell(time, 5);
    taken.push_back(std::move(row));
    return true;
  };
  if (!EachMemoLine(session, tables[kDriverMemo.lines], form.branch, form.driver_memo, add)) return false;
  taken.push_back(EmptyBackRow(static_cast<int>(taken.size() + 1)));
  form.rows = std::move(taken);
  return true;
}

const xbase::Value& FieldOf(const MemoLine& line, std::string_view name) {
  static const xbase::Value kNone;
  for (const auto& [field, value] : line.fields) {
    if (field == name) return value;
  }
  return kNone;
}

// SIMPAN: refused while a delivery note has no real date; each line written passes its outcome on.
bool Save(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  for (const console::ValueRow& row : form.rows) {
    if (!xbase::IsBlank(CellText(row, kBackNote)) && CellDate(row, kBackReal).empty()) {
      return pickers::Refuse(session, "tidak bisa disimpan, karena ada tg. kirim yg kosong");
    }
  }
  const auto outcome = [](const console::ValueRow& row) -> FieldValues {
    return {{"TG_KIRIM", DateCell(CellDate(row, kBackReal))},
            {"JAM_KIRIM", xbase::Value::Text(CellText(row, kBackTime))},
            {"NOTES", xbase::Value::Text(CellText(row, kBackReason))},
            {"TERKIRIM", xbase::Value::Logical(CellFlag(row, kBackSent))}};
  };
  xbase::WorkArea& admin_lines = tables[kAdminMemo.lines];
  const auto written = [&](const MemoLine& line) {
    return WriteMemoOutcome(session, admin_lines, line.invoice, FieldOf(line, "TG_KIRIM").date(),
                            FieldOf(line, "JAM_KIRIM").text(), FieldOf(line, "NOTES").text(),
                            FieldOf(line, "TERKIRIM").logical());
  };
  const auto named = [&](documents::SaveScope& save, const MemoLine& line) {
    return NameOutcome(save, session, admin_lines, line.invoice);
  };
  return SaveEntry(session, tables, kBackMemo, form, {}, outcome, written, named);
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  MemoListHooks hooks;
  hooks.check = [&](int column, xbase::Value* typed) {
    if (column == kBackNote) return CheckNote(session, tables, form, typed);
    return column != kBackReal || DeliveryDateValid(session, *typed);
  };
  hooks.new_row = [](const console::ValueRow&, int number) { return EmptyBackRow(number); };
  EditEntryLines(session, form, kLayout, hooks, [&] { return Save(session, tables, form); });
}

bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, MemoForm& form) {
  const auto fields = [&](console::GetList& gets) {
    gets.Add(kFirstLabelRow + 2, kFieldColumn, &form.date);
    gets.Add(kFirstLabelRow + 2, 39, &form.driver_memo, "@!").valid = [&] {
      return TakeOverDriverMemo(session, tables, form);
    };
  };
  return ReadEntryHeader(session, form, [&] { return LCGETKEMBALI(session, tables, &form, false); }, fields);
}

}  // namespace

xbase::Status MEMOKEACC(frame::Session& session, const Args&) {
  return RunEntryScreen(session, kTitle,
                        {"  CABANG :", "   NOMOR :", " TANGGAL :            Eks Memo Drv :", "    NOTE :"},
                        ReadHeader, EditLines);
}

}  // namespace memos
