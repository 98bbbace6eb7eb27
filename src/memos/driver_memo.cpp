// The driver memo in memory, its lookup (LCGETSJKIRIM) and the driver field (GETDRIVER), which the
// driver memo screens and the driver-memo reports share.
#include "memos/driver_memo.h"

#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/memo_entry.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

frame::PickSpec DriverPick() {
  frame::PickSpec pick;
  pick.alias = "Karyawan";
  pick.expressions = {"Nik", "Nama"};
  return pick;
}

}  // namespace

console::ValueRow EmptyDriverRow(int number, xbase::Date planned) {
  return {NumberCell(number), TextCell("", 20), DateCell(planned), DateCell(), TextCell("", 9), NumberCell(0),
          TextCell("", 5)};
}

console::ValueRow DriverNoteRow(int number, xbase::Date planned, std::string_view invoice, const NoteFacts& facts,
                                double colly) {
  console::ValueRow row = EmptyDriverRow(number, planned);
  row[kDriverNote - 1] = TextCell(invoice, 20);
  row[kDriverDate - 1] = DateCell(facts.date);
  row[kDriverCustomer - 1] = TextCell(facts.customer, 9);
  row[kDriverColly - 1] = NumberCell(colly);
  return row;
}

void AddEmptyDriverRow(console::ValueTable* rows) {
  const xbase::Date above = rows->empty() ? xbase::Date() : CellDate(rows->back(), kDriverPlanned);
  rows->push_back(EmptyDriverRow(static_cast<int>(rows->size() + 1), above));
}

bool LCGETSJKIRIM(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm* form) {
  form->rows.clear();
  if (LookUpMemo(session, tables, kDriverMemo, form->branch, &form->number)) {
    const xbase::WorkArea& header = tables[kDriverMemo.header];
    form->date = header.DateOf("TANGGAL");
    form->vehicle = header.Text("ARMADA");
    form->driver = header.Text("SOPIR");
    form->departure = header.Text("JAM_PERGI");
    form->note = header.Text("NOTES");
    const auto add = [&](xbase::WorkArea& line) {
      const std::string invoice = line.Text("INVOICE");
      NoteFacts facts;
      if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return false;
      form->rows.push_back(DriverNoteRow(static_cast<int>(form->rows.size() + 1), line.DateOf("TG_KIRIM"), invoice,
                                         facts, line.Number("CARTON")));
      return true;
    };
    if (!EachMemoLine(session, tables[kDriverMemo.lines], form->branch, form->number, add)) return false;
  }
  AddEmptyDriverRow(&form->rows);
  return true;
}

bool GETDRIVER(frame::Session& session, std::string* id, int row, int col, std::string_view colour) {
  const frame::PickSpec pick = DriverPick();
  bool found = false;
  xbase::WorkArea* employees = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, id, &found, &employees)) || !found) return false;
  if (row >= 0) session.console().Say(row, col, employees->Text("NAMA"), session.console().Colour(colour));
  return true;
}

std::string DriverName(frame::Session& session, std::string_view id) {
  bool found = false;
  xbase::WorkArea* employees = nullptr;
  const xbase::Status s = frame::SeekCode(session, DriverPick(), xbase::PadR(xbase::RTrim(id), 10), &found);
  if (s.ok() && found && frame::PickerArea(session, DriverPick(), &employees).ok()) return employees->Text("NAMA");
  return std::string(30, ' ');
}

}  // namespace memos
