// The stock movement recap with turnover: per item the opening stock, the movements of a period by
// kind, the closing stock, the average monthly sales, the storage time and the turnover, grouped by
// goods group.
#ifndef PALUNDA_STOCK_MOVEMENT_RECAP_H_
#define PALUNDA_STOCK_MOVEMENT_RECAP_H_

#include <array>
#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

struct RecapAsk {
  std::string code;       // prefix
  std::string warehouse;  // prefix
  xbase::Date from;
  xbase::Date to;
  bool pieces = true;     // false: in cartons
};

// The ten quantity columns, in the order the recap prints them.
enum RecapColumn {
  kOpening, kProductionIn, kProductionOut, kBranchIn, kBranchOut, kSalesToDate, kSalesOfMonth, kCodeChange,
  kAdjustment, kClosing, kRecapColumns
};

struct RecapRow {
  std::string code;
  std::string name;
  double price = 0;                            // HARGA4
  std::array<double, kRecapColumns> quantity{}; // divided by the carton size when asked
  double value = 0;                            // closing pieces x HARGA4
  double monthly_sales = 0;
  double storage_months = 0;
  double turnover = 0;
};

struct RecapGroup {
  std::string code;
  std::string name;
  std::vector<RecapRow> rows;  // highest turnover first
};

// The groups of MASTGOL in URUTAN order with their listed items. MASTBRJ, MASTGOL and the movement
// tables are open.
xbase::Status MovementRecap(frame::Session& session, const frame::OpenedTables& tables, const RecapAsk& ask,
                            std::vector<RecapGroup>* groups);

}  // namespace stock

#endif  // PALUNDA_STOCK_MOVEMENT_RECAP_H_
