// The base run of the monthly plans: a row per item of the product lines with its sales history,
// targets and stock, in cartons, written into the month's work table.
#ifndef PALUNDA_PURCHASING_PLAN_BASE_H_
#define PALUNDA_PURCHASING_PLAN_BASE_H_

#include <functional>
#include <string>
#include <string_view>

#include "frame/open_table.h"
#include "frame/session.h"
#include "purchasing/plan_tables.h"
#include "xbase/date.h"
#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace purchasing {

// What a base run is asked.
struct PlanBase {
  PlanKind kind = PlanKind::kD1;
  std::string branch;     // the branch the targets are read for, padded to 6
  std::string warehouse;  // the stock of the warehouses whose code begins with it (all when blank)
  xbase::Date cut_off;    // sales counted up to this day
  xbase::Date ship;       // the ship date; its month is the target month
  double per_page = 60;   // "Baris/Hal": the forecast's working days, the D1 print's rows per page
};

// The tables a base run reads, each open under its name with its catalog index files.
inline constexpr std::string_view kBaseTables[] = {"PATRON2", "MASTBRJ", "TARGET", "STOKBRG",
                                                   "SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2"};
frame::OpenedTables OpenBaseTables(frame::Session& session);

// What a base run tells and how it appends: the text of its progress (row 24 from a column), and the
// append of a blank locked record to the work table.
struct PlanHooks {
  std::function<void(int column, std::string_view text)> progress;
  std::function<xbase::Status(xbase::WorkArea& plan)> append;
};

// Appends a row to the work table open in `tables` under kPlanAlias for every item of PATRON2 marked for the plan
// (STAG 1 for the forecast, which also needs the item in MASTBRJ; STKNAS 1 for D1), in product line
// order, telling each item, target record and document read:
// - stock: the item's STOKBRG rows of the warehouses chosen;
// - targets of the branch: the forecast those of the ship date's month, D1 also the cumulative ones
//   from January of the ship date's year to its month;
// - sales: delivery-note lines less sales-return lines, by their document's date: last year from
//   1 January to the end of the cut-off's month a year back, this year from 1 January of the
//   cut-off's year to the cut-off; the forecast keeps the largest single sale of this year, D1 the
//   sales of the cut-off's month;
// - the average of this year's months and, for D1, the reference order 2 x average - stock (0 when
//   below 0).
// Every figure is in cartons (pieces / DOS, 0 when DOS is 0). A table of kBaseTables or the work table
// not open is an error naming it, before anything is read.
xbase::Status FillPlan(xbase::Session& tables, const PlanBase& base, const PlanHooks& hooks);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PLAN_BASE_H_
