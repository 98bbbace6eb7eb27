// The admin memo in memory: its list rows and the lookup that loads a memo into them.
#include "memos/admin_memo.h"

#include "console/alert.h"
#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/memo_entry.h"
#include "xbase/text_functions.h"

namespace memos {

console::ValueRow EmptyAdminRow(int number) {
  return {NumberCell(number), TextCell("", 20), DateCell(), TextCell("", 9), NumberCell(0), TextCell("", 5)};
}

bool LCGETMEMODL(frame::Session& session, const frame::OpenedTables& tables, std::string* number,
                 console::ValueTable* rows, xbase::Date* date, std::string* note, std::string_view branch,
                 bool accept_approved) {
  rows->clear();
  if (LookUpMemo(session, tables, kAdminMemo, branch, number)) {
    const xbase::WorkArea& header = tables[kAdminMemo.header];
    if (header.Logical("APPROVAL") && !accept_approved) {
      console::Alert(session.console(), "Memo ke Gdg " + *number + " sudah Approval");
      rows->push_back(EmptyAdminRow(1));
      return false;
    }
    *date = header.DateOf("TANGGAL");
    *note = header.Text("NOTES");
    const auto add = [&](xbase::WorkArea& line) {
      const std::string invoice = line.Text("INVOICE");
      NoteFacts facts;
      if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return false;
      console::ValueRow row = EmptyAdminRow(static_cast<int>(rows->size() + 1));
      row[kAdminNote - 1] = TextCell(invoice, 20);
      row[kAdminDate - 1] = DateCell(facts.date);
      row[kAdminCustomer - 1] = TextCell(facts.customer, 9);
      row[kAdminColly - 1] = NumberCell(line.Number("CARTON"));
      rows->push_back(std::move(row));
      return true;
    };
    if (!EachMemoLine(session, tables[kAdminMemo.lines], branch, *number, add)) return false;
  }
  rows->push_back(EmptyAdminRow(static_cast<int>(rows->size() + 1)));
  return true;
}

}  // namespace memos
