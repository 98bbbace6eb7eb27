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
  std::string invoice = typed->text();
  if (!PickNote(session, &invoice)) return false;
  *typed = TextCell(invoice, 20);
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
  std::vector<uint32_t> records;
  xbase::WorkArea& lines = tables[kAdminMemo.lines];
  if (!frame::Checked(session, MemoLineRecords(session, lines, form.branch, form.admin_memo, &records))) {
    return false;
  }
  std::vector<console::ValueRow> taken;
  for (uint32_t record : records) {
    if (!frame::Checked(session, lines.GoTo(record))) return false;
    const std::string invoice = lines.Text("INVOICE");
    const double colly = lines.Number("CARTON");
    NoteFacts facts;
    if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return false;
    console::ValueRow row = EmptyDriverRow(static_cast<int>(taken.size() + 1), facts.shipping);
    row[kDriverNote - 1] = TextCell(invoice, 20);
    row[kDriverDate - 1] = DateCell(facts.date);
    row[kDriverCustomer - 1] = TextCell(facts.customer, 9);
    row[kDriverColly - 1] = NumberCell(colly);
    taken.push_back(std::move(row));
  }
  const xbase::Date above = taken.empty() ? xbase::Date() : CellDate(taken.back(), kDriverPlanned);
  taken.push_back(EmptyDriverRow(static_cast<int>(taken.size() + 1), above));
  form.rows = std::move(taken);
  return true;
}

// KSIMPAN.
bool Save(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form) {
  Memo memo{form.branch,
            form.number,
            {{"TANGGAL", xbase::Value::FromDate(form.date)},
             {"ARMADA", xbase::Value::Text(form.vehicle)},
             {"SOPIR", xbase::Value::Text(form.driver)},
             {"JAM_PERGI", xbase::Value::Text(form.departure)},
             {"NOTES", xbase::Value::Text(form.note)}},
            {}};
  for (const console::ValueRow& row : form.rows) {
    memo.lines.push_back({CellText(row, kDriverNote),
                          {{"TG_KIRIM", xbase::Value::FromDate(CellDate(row, kDriverPlanned))},
                           {"CARTON", xbase::Value::Num(CellNumber(row, kDriverColly))}}});
  }
  const bool saved = SaveMemo(session, tables, kDriverMemo, &memo);
  if (!saved) form.number = xbase::PadR(memo.number, 10);
  return saved;
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form) {
  if (form.rows.empty()) form.rows.push_back(EmptyDriverRow(1));
  form.index = 1;
  MemoListHooks hooks;
  hooks.check = [&](int column, xbase::Value* typed) {
    return column == kDriverNote ? CheckNote(session, tables, form, typed) : DeliveryDateValid(session, *typed);
  };
  hooks.after_edit = [&](int column) {
    if (column == kDriverNote) return ListMove::kRight;
    return xbase::IsBlank(CellText(CurrentRow(form.rows, form.index), kDriverNote)) ? ListMove::kRowStart
                                                                                    : ListMove::kNextRow;
  };
  hooks.new_row = [](const console::ValueRow& above, int number) {
    return EmptyDriverRow(number, CellDate(above, kDriverPlanned));
  };
  if (EditMemoList(session, &form.rows, &form.index, kLayout, hooks, [&] { return Save(session, tables, form); })) {
    StartNewMemo(&form, session.Today());
  }
}

bool ReadHeader(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm& form) {
  console::Console& con = session.console();
  console::GetList gets;
  const int row = kFirstLabelRow;
  xbase::Date stored;  // the date of a stored memo, kept without the posting checks; empty for a new memo
  AddBranchAndNumber(session, &gets, &form.branch, &form.number, [&] {
    if (!LCGETSJKIRIM(session, tables, &form)) return false;
    stored = xbase::IsBlank(form.number) ? xbase::Date() : form.date;
    return true;
  });
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
  gets.Add(row + 3, kFieldColumn, &form.note, "@!");
  return !gets.Read(con).escaped;
}

}  // namespace

xbase::Status SJDIKIRIM(frame::Session& session, const Args&) {
  DriverMemoForm form;
  form.date = session.Today();
  return RunEntryScreen(
      session, [&] { 
        DrawEntryScreen(session.console(), kTitle,
                        {"  CABANG :", "   NOMOR :             TANGGAL :             SOPIR :",
                         "EKS MEMO :               MOBIL : ..........    JAM : ..:..", "    NOTE :"});
        session.console().Say(kNameRow, 2, " Sopir");
       },
      [&](const frame::OpenedTables& tables) { return ReadHeader(session, tables, form); },
      [&](const frame::OpenedTables& tables) { EditLines(session, tables, form); });
}

}  // namespace memos
