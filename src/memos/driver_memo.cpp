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

bool LCGETSJKIRIM(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm* form) {
  form->rows.clear();
  if (LookUpMemo(session, tables, kDriverMemo, form->branch, &form->number)) {
    const xbase::WorkArea& header = tables[kDriverMemo.header];
    form->date = header.DateOf("TANGGAL");
    form->vehicle = header.Text("ARMADA");
    form->driver = header.Text("SOPIR");
    form->departure = header.Text("JAM_PERGI");
    form->note = header.Text("NOTES");
    std::vector<uint32_t> records;
    xbase::WorkArea& lines = tables[kDriverMemo.lines];
    if (!frame::Checked(session, MemoLineRecords(session, lines, form->branch, form->number, &records))) {
      return false;
    }
    for (uint32_t record : records) {
      if (!frame::Checked(session, lines.GoTo(record))) return false;
      const std::string invoice = lines.Text("INVOICE");
      console::ValueRow row = EmptyDriverRow(static_cast<int>(form->rows.size() + 1), lines.DateOf("TG_KIRIM"));
      const double colly = lines.Number("CARTON");
      NoteFacts facts;
      if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return false;
      row[kDriverNote - 1] = TextCell(invoice, 20);
      row[kDriverDate - 1] = DateCell(facts.date);
      row[kDriverCustomer - 1] = TextCell(facts.customer, 9);
      row[kDriverColly - 1] = NumberCell(colly);
      form->rows.push_back(std::move(row));
    }
  }
  const xbase::Date above = form->rows.empty() ? xbase::Date() : CellDate(form->rows.back(), kDriverPlanned);
  form->rows.push_back(EmptyDriverRow(static_cast<int>(form->rows.size() + 1), above));
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
