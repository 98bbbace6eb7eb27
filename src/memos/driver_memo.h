// The driver memo in memory, its lookup (LCGETSJKIRIM) and the driver field (GETDRIVER), which the
// driver memo screens and the driver-memo reports share.
#ifndef PALUNDA_MEMOS_DRIVER_MEMO_H_
#define PALUNDA_MEMOS_DRIVER_MEMO_H_

#include <string>
#include <string_view>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "memos/delivery_notes.h"
#include "xbase/date.h"

namespace memos {

// The columns of a driver memo row: number, delivery note (20), planned delivery date, the note's
// date, customer (9), colly, a spare (5).
enum DriverColumn { kDriverNo = 1, kDriverNote, kDriverPlanned, kDriverDate, kDriverCustomer, kDriverColly, kDriverSpare };

// The empty row `number`, planned for `planned`.
console::ValueRow EmptyDriverRow(int number, xbase::Date planned = {});
// The row `number` of a delivery note, planned for `planned`: the note's date and customer from
// `facts`, and its colly.
console::ValueRow DriverNoteRow(int number, xbase::Date planned, std::string_view invoice, const NoteFacts& facts,
                                double colly);
// Ends the rows with an empty row, planned like the row above it.
void AddEmptyDriverRow(console::ValueTable* rows);

struct DriverMemoForm {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(10, ' ');
  std::string admin_memo = std::string(10, ' ');  // "EKS MEMO"
  xbase::Date date;
  std::string vehicle = std::string(10, ' ');
  std::string driver = std::string(10, ' ');
  std::string departure = std::string(5, ' ');
  std::string note = std::string(40, ' ');
  console::ValueTable rows;
  int index = 1;
};

// LCGETSJKIRIM: empties the rows, then loads the driver memo form->number of form->branch ("?" picks
// one): date, vehicle, driver, departure, note and one row per line, then an empty row. A number not
// found is cleared (a new memo). A driver memo is never closed against editing.
bool LCGETSJKIRIM(frame::Session& session, const frame::OpenedTables& tables, DriverMemoForm* form);

// GETDRIVER: "?" picks from the employees (Nik, Nama) at the text before it; true when *id is an
// employee, whose name is then shown at (row, col) in `colour` when row is not negative.
bool GETDRIVER(frame::Session& session, std::string* id, int row, int col, std::string_view colour);

// The name of an employee, blanks when unknown.
std::string DriverName(frame::Session& session, std::string_view id);

}  // namespace memos

#endif  // PALUNDA_MEMOS_DRIVER_MEMO_H_
