// The prints of the plans: the D1 base run's report, the D1 plan as a text report or a workbook, and
// the forecast workbook of a work table or a saved forecast.
#ifndef PALUNDA_PURCHASING_PLAN_PRINTS_H_
#define PALUNDA_PURCHASING_PLAN_PRINTS_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "purchasing/plan_base.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace purchasing {

// One item of a plan as its prints show it, in cartons.
struct PlanRow {
  std::string code, line, name;
  double per_box = 0;
  std::vector<double> figures;
};

// The forecast figures of a row, in this order.
enum ForecastFigure { kLastYear, kLargest, kTarget, kAverage, kEstimate, kDays, kLead, kBuffer, kStock, kTransit, kToEnd };
// The D1 figures of a row, in this order.
enum D1Figure { kD1Stock, kD1LastYear, kD1TargetMonth, kD1TargetCumulative, kD1LastMonth, kD1ThisYear, kD1Average,
                kD1Reference, kD1Order };

// The rows of an open work table of the kind, in product line + item order; with `orders_only` only
// those with an estimate (forecast) or an order (D1) that is not 0.
xbase::Status ReadPlanRows(xbase::WorkArea& plan, PlanKind kind, bool orders_only, std::vector<PlanRow>* rows);

// The report of a D1 base run (the work table of the month made by it): every row with its eight
// figures, "Baris/Hal" - 1 rows a page.
void PrintD1Base(frame::Session& session, const PlanBase& base);

// The D1 plan as a text report (`per_page` rows a page) or a workbook, grouped by product line (the
// product line names from the open PATRON).
bool PrintD1Text(frame::Session& session, const std::vector<PlanRow>& rows, const std::string& branch, xbase::Date ship,
                 int per_page);
bool D1Workbook(frame::Session& session, const std::vector<PlanRow>& rows, const std::string& branch, xbase::Date ship,
                std::string* path = nullptr);
// The forecast workbook, grouped by product line.
bool ForecastWorkbook(frame::Session& session, const std::vector<PlanRow>& rows, const std::string& branch,
                      xbase::Date ship, std::string* path = nullptr);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PLAN_PRINTS_H_
