// A purchase return: its header and lines as the return screen keeps them, the checks of its line
// cells, and its save, which takes the goods out of stock line by line.
#ifndef PALUNDA_PURCHASING_PURCHASE_RETURN_H_
#define PALUNDA_PURCHASING_PURCHASE_RETURN_H_

#include <map>
#include <string>

#include "console/array_browse.h"
#include "documents/record_binding.h"
#include "documents/seen_records.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace purchasing {

// The columns of a return line (from 1, as the line editor counts them).
enum ReturnColumn {
  kLineNo = 1, kReceipt, kCode, kWarehouse, kBoxes, kPacks, kPieces, kQuantity, kPrice, kDisc1, kDisc2, kValue,
  kPosition, kAverage, kName, kReturnColumns = kName
};
// At most this many lines.
inline constexpr int kMaxReturnLines = 19;

struct PurchaseReturn {
  std::string number;  // blank for a new return
  std::string supplier, branch, notes, code_id;
  xbase::Date date;
  double cash1 = 0, cash2 = 0;
  console::ValueTable lines;
  // Pieces the stored lines took out, by code + warehouse: they are back in stock when the return is
  // saved again.
  std::map<std::string, double> stored;
  // The stored header and lines as they were loaded, for the save to see another workstation's save.
  documents::SeenRecords seen;
};

// RTBELI1: a return's header; NOMOR, TG_INPUT and OPERATOR are written beside it by the first save.
const documents::RecordBinding<PurchaseReturn>& ReturnHeadRecord();
// RTBELI2: a line of the return grid; NOMOR and URUT are written beside it.
const documents::RecordBinding<console::ValueRow>& ReturnLineRecord();

// A blank line in `warehouse`, numbered `position`.
console::ValueRow BlankReturnLine(int position, std::string_view warehouse);

// Opens the tables of the return screen; empty with all closed when one cannot be opened. The
// functions below take their areas from what it hands back.
frame::OpenedTables OpenReturnTables(frame::Session& session);

// Loads the stored return `number` (header and lines, a blank line after them); *found false when it
// is not there. A record that cannot be read is the error, and *ret is left as it was.
xbase::Status LoadReturn(frame::Session& session, const frame::OpenedTables& tables, const std::string& number,
                         PurchaseReturn* ret, bool* found);

// The check of a new value of cell `column` of line `row` (from 1); it may change the value, the
// other cells of the line and the header (a receipt's cash discounts). False refuses the value,
// with a message where the user needs one.
bool CheckReturnCell(frame::Session& session, const frame::OpenedTables& tables, PurchaseReturn* ret, int row,
                     int column, xbase::Value* value);

// Gross and net totals of the lines.
double ReturnGross(const PurchaseReturn& ret);
double ReturnNet(const PurchaseReturn& ret);

// Saves the return: a new one is numbered from the "RTBL" + branch counter (a missing row is refused
// with its alert); the stored lines are rewritten in place, the stock of each old line put back and
// that of each new line taken out. ret->number receives the number. Every record it changes is locked
// before the first write (a lock given up writes nothing); a stored return another workstation saved
// since it was loaded is refused; a failure is shown and returned.
xbase::Status SaveReturn(frame::Session& session, const frame::OpenedTables& tables, PurchaseReturn* ret);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PURCHASE_RETURN_H_
