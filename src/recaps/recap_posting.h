// The posting of the recap tables: sales, returns and targets of a month or a year condensed into the
// six RKP_* tables, and the closing stock of a month into RKP_BRC and RKP_CAB.
#ifndef PALUNDA_RECAPS_RECAP_POSTING_H_
#define PALUNDA_RECAPS_RECAP_POSTING_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace recaps {

// The branch code of every closing-stock row.
inline constexpr std::string_view kStockBranch = "B223  ";

// The period key of a date: its year and month as "yyyymm".
std::string PeriodOf(xbase::Date date);

// TENTUKANCABANG: the branch of a customer: the first 6 characters of KET of the SETUP row whose key
// is "NMRSJ" + the customer code's first 1 to 5 characters, the longest such prefix winning; empty
// without one. `setup` is the SETUP table with its index.
xbase::Status TENTUKANCABANG(xbase::WorkArea& setup, std::string_view customer, std::string* branch);

// Rebuilds the targets and net sales of every period beginning with `key` ("yyyymm" or "yyyy") in
// the six recap tables; the closing stock stays. Opens and closes its tables; false after a message on
// row 24, when nothing was written if a table could not be opened or a source could not be read.
bool PostRecaps(frame::Session& session, std::string_view key);

// Rebuilds the closing stock of the month of `date` in RKP_BRC and RKP_CAB from every movement up to
// that date. Opens and closes its tables; false after a message on row 24.
bool PostClosingStock(frame::Session& session, xbase::Date date);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_RECAP_POSTING_H_
