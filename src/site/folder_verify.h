// Checking what a data folder derives and stores against what it derives it from, and setting it
// right: customer balances against their receivables, the settled totals of invoices and instruments
// against their settlement lines, goods totals against their warehouse rows, stock against the
// movements, document counters against the highest number used, and every index against its table.
#ifndef PALUNDA_SITE_FOLDER_VERIFY_H_
#define PALUNDA_SITE_FOLDER_VERIFY_H_

#include <string>
#include <vector>

#include "xbase/status.h"

namespace site {

// Every difference in `folder`, one line each naming the row, the stored value and the value it
// derives from (index faults as the index check words them). Other workstations may keep working.
xbase::Status VerifyFolder(const std::string& folder, std::vector<std::string>* differences);

// Sets every derived value to what it derives from and rebuilds every index file that differs from
// its table; *repaired lists the differences set right. Every table is opened exclusively: nobody
// else may be in the folder (InUse otherwise, and nothing is changed).
xbase::Status RepairFolder(const std::string& folder, std::vector<std::string>* repaired);

}  // namespace site

#endif  // PALUNDA_SITE_FOLDER_VERIFY_H_
