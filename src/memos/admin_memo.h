// The admin memo in memory: its list rows and the lookup that loads a memo into them.
#ifndef PALUNDA_MEMOS_ADMIN_MEMO_H_
#define PALUNDA_MEMOS_ADMIN_MEMO_H_

#include <string>
#include <string_view>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace memos {

// The columns of an admin memo row: number, delivery note (20), its date, customer (9), colly, a spare (5).
enum AdminColumn { kAdminNo = 1, kAdminNote, kAdminDate, kAdminCustomer, kAdminColly, kAdminSpare };

// The empty row `number` of an admin memo list.
console::ValueRow EmptyAdminRow(int number);

// LCGETMEMODL: empties the rows, then loads the admin memo *number of the branch ("?" picks one):
// date, note and one row per line (delivery note, its date and customer, colly), and an empty row.
// A number not found is cleared (a new memo). An approved memo shows "Memo ke Gdg ... sudah
// Approval" and gives false unless `accept_approved`.
bool LCGETMEMODL(frame::Session& session, const frame::OpenedTables& tables, std::string* number,
                 console::ValueTable* rows, xbase::Date* date, std::string* note, std::string_view branch,
                 bool accept_approved);

}  // namespace memos

#endif  // PALUNDA_MEMOS_ADMIN_MEMO_H_
