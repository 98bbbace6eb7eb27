// An additional D1 order ("D1 TAMBAHAN"): one per branch and day, its lines typed in cartons.
#ifndef PALUNDA_PURCHASING_ADDITIONAL_D1_H_
#define PALUNDA_PURCHASING_ADDITIONAL_D1_H_

#include <string>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/value.h"

namespace purchasing {

// The columns of an order line (from 1).
enum AdditionalColumn { kAddNo = 1, kAddCode, kAddName, kAddPerBox, kAddOrder, kAddQuantity };

struct AdditionalD1 {
  std::string branch;  // padded to 6
  std::string number;  // the branch's D1NU prefix + yyyymmdd of the request date
  xbase::Date date;    // the request date
  xbase::Date ship;
  console::ValueTable lines;
};

// A blank line numbered `number`.
console::ValueRow BlankAdditionalLine(int number);
// The order of the branch for today (`tables` holds D1CBNG2 and MASTBRJ, `setup` is open): its number
// and dates, and its stored lines, or one blank line. False after the message of a missing D1NU row.
bool LoadAdditionalD1(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                      AdditionalD1* order);
// The check of a typed cell of line `row`: a code must be a good not on another line (it brings the
// name and pieces per carton); an order in cartons sets the quantity in pieces. False after a message.
bool CheckAdditionalCell(frame::Session& session, const frame::OpenedTables& tables, AdditionalD1* order, int row,
                         int column, xbase::Value* value);
// Stores the lines with a code and the header, all at once. True when written; a failure is shown.
bool SaveAdditionalD1(frame::Session& session, const AdditionalD1& order);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_ADDITIONAL_D1_H_
