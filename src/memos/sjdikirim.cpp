// SJDIKIRIM: the driver memo, the delivery notes of approved admin memos that the warehouse hands to
// a driver, each with its planned delivery date. A note may go out on several driver memos, but not
// after the warehouse reported it back to administration.
#include "console/get.h"
#include "documents/posting_date.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/driver_memo.h"
#include "memos/memo_entry.h"
#include "memos/memo_screens.h"
#include "memos/memos.h"
#include "pickers/picker_support.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

constexpr char kTitle[] = "             DAFTAR SURAT JALAN yg DISERAHKAN KE DRIVER              ";
constexpr int kNameRow = 22;
constexpr int kNameColumn = 16;

const ListLayout kLayout{{8, 5, 21, 74},
                         {"No.", "Nomor SJ", "Tg Kirim", "Tgl SJ", "Relasi", "     Colly"},
                         {"99.", "@!", "", "", "@!", "999,999.99"},
                         kDriverNote,
                         kDriverPlanned,
                         {kDriverNote, kDriverPlanned}};

// CHKDRIVER on the delivery-note column.
bool CheckNote(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form,
               xbase::Value* typed) {
  std::string invoice;
  if (!TakeNote(session, typed, &invoice)) return false;
  NoteHolder admin;
  if (!frame::Checked(session, FindNoteHolder(session, tables[kAdminMemo.lines], invoice, &admin)) || !admin.found) {
    return false;
  }
  const double colly = tables[kAdminMemo.lines].Number("CARTON");
  bool found = false;
  xbase::WorkArea& headers = tables[kAdminMemo.header];
  if (!frame::Checked(session, FindMemo(session, headers, admin.branch, admin.number, &found))) return false;
  if (!found || !headers.Logical("APPROVAL")) {
    return pickers::Refuse(session, "Memorandum " + NoteText(admin.number) + " belum approval");
  }
  if (!NotOnOtherRow(session, form.rows, invoice, form.index)) return false;
  NoteHolder back;
  if (!frame::Checked(session, FindNoteHolder(session, tables[kBackMemo.lines], invoice, &back))) return false;
  if (back.found) return pickers::Refuse(session, "nomor sj " + NoteText(invoice) + " sudah dikembalikan ke ADM  [" + NoteText(back.number) + "]");
  NoteFacts facts;
  if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return false;
  console::ValueRow& row = CurrentRow(form.rows, form.index);
  row[kDriverDate - 1] = DateCell(facts.date);
  row[kDriverCustomer - 1] = TextCell(facts.customer, 9);
  row[kDriverColly - 1] = NumberCell(colly);
  return true;
}

// GETEKMOMODRV: while nothing is entered, the lines of the branch's admin memo replace the list, each
// planned for its note's delivery date. They pass no line check. A list that cannot be read whole is
// refused (the field stays, the rows as they were) rather than taken in part.
bool TakeOverAdminMemo(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form) {
  if (form.rows.size() > 1 || xbase::IsBlank(form.admin_memo)) return true;
  console::ValueTable taken;
  const auto add = [&](xbase::WorkArea& line) {
    const std::string invoice = line.Text("INVOICE");
    NoteFacts facts;
    if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return false;
    taken.push_back(
        DriverNoteRow(static_cast<int>(taken.size() + 1), facts.shipping, invoice, facts, line.Number("CARTON")));
    return true;
  };
  if (!EachMemoLine(session, tables[kAdminMemo.lines], form.branch, form.admin_memo, add)) return false;
  AddEmptyDriverRow(&taken);
  form.rows = std::move(taken);
  return true;
}

// KSIMPAN.
bool Save(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form) {
  const auto planned = [](const console::ValueRow& row) -> FieldValues {
    return {{"TG_KIRIM", xbase::Value::FromDate(CellDate(row, kDriverPlanned))},
            {"CARTON", xbase::Value::Num(CellNumber(row, kDriverColly))}};
  };
  const FieldValues trip = {{"ARMADA", xbase::Value::Text(form.vehicle)},
                            {"SOPIR", xbase::Value::Text(form.driver)},
                            {"JAM_PERGI", xbase::Value::Text(form.departure)}};
  return SaveEntry(session, tables, kDriverMemo, form, trip, planned);
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form) {
  MemoListHooks hooks;
  hooks.check = [&](int column, xbase::Value* typed) {
    return column == kDriverNote ? CheckNote(session, tables, form, typed) : DeliveryDateValid(session, *typed);
  };
  hooks.new_row = [](const console::ValueRow& above, int number) {
    return EmptyDriverRow(number, CellDate(above, kDriverPlanned));
  };
  EditEntryLines(session, form, kLayout, hooks, [&] { return Save(session, tables, form); });
}

// The header, below the name line of the driver on row 22.
bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form) {
  console::Console& con = session.console();
  con.Say(kNameRow, 2, " Sopir");
  const int row = kFirstLabelRow;
  xbase::Date stored;  // the date of a stored memo, kept without the posting checks; empty for a new memo
  const auto look_up = [&] {
    if (!LCGETSJKIRIM(session, tables, &form)) return false;
    stored = xbase::IsBlank(form.number) ? xbase::Date() : form.date;
    return true;
  };
  const auto fields = [&](console::GetList& gets) {
    gets.Add(row + 2, kFieldColumn, &form.admin_memo, "@!").valid = [&] {
      return TakeOverAdminMemo(session, tables, form);
    };
    gets.Add(row + 1, 35, &form.date).valid = [&] {
      return (!stored.empty() && form.date == stored) || documents::CheckPostingDate(session, form.date);
    };
    gets.Add(row + 2, 35, &form.vehicle, "@!");
    gets.Add(row + 1, 55, &form.driver, "@!").valid = [&] {
      return GETDRIVER(session, &form.driver, kNameRow, kNameColumn, con.Pick(kEntryColours, kEntryMono));
    };
    gets.Add(row + 2, 55, &form.departure, "99:99");
  };
  return ReadEntryHeader(session, form, look_up, fields);
}

}  // namespace

xbase::Status SJDIKIRIM(frame::Session& session, const Args&) {
  return RunEntryScreen(session, kTitle,
                        {"  CABANG :", "   NOMOR :             TANGGAL :             SOPIR :",
                         "EKS MEMO :               MOBIL : ..........    JAM : ..:..", "    NOTE :"},
                        ReadHeader, EditLines);
}

}  // namespace memos
