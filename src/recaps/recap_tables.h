// Opening the tables of a posting or a report, and small readers they share.
#ifndef PALUNDA_RECAPS_RECAP_TABLES_H_
#define PALUNDA_RECAPS_RECAP_TABLES_H_

#include <string>
#include <string_view>
#include <unordered_map>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace recaps {

using frame::OpenTables;
using frame::TableUse;

// The factor of a discount in percent: (100 - percent) / 100.
inline double Off(double percent) { return (100 - percent) / 100; }

// Reads a field of the row of a code in a master table, remembering what it read.
class MasterLookup {
 public:
  // `area` is open with an index on the code; `field` is a numeric field.
  MasterLookup(xbase::WorkArea& area, std::string field) : area_(area), field_(std::move(field)) {}
  // The field of the row of `code` (padded to the key), 0 when there is none; a failed seek goes
  // to *status.
  double Number(const std::string& code, xbase::Status* status);

 private:
  xbase::WorkArea& area_;
  std::string field_;
  std::unordered_map<std::string, double> known_;
};

}  // namespace recaps

#endif  // PALUNDA_RECAPS_RECAP_TABLES_H_
