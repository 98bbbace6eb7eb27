// The monthly work tables of the branch forecast ("fcs") and the D1 plan ("D1"): one table per branch
// and month in the data folder, named by the branch and the month's stamp, with an index on product
// line + item and one on the item; and the dates the plans are made for.
#ifndef PALUNDA_PURCHASING_PLAN_TABLES_H_
#define PALUNDA_PURCHASING_PLAN_TABLES_H_

#include <functional>
#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace purchasing {

enum class PlanKind { kForecast, kD1 };

// The alias a work table is open under.
inline constexpr std::string_view kPlanAlias = "plan";

// The month's stamp: yyyymm of `today` + "05".
std::string PeriodStamp(xbase::Date today);
// The work table's name: "fcs" or "D1" + the trimmed branch + the stamp of `today`'s month.
std::string PlanTableName(PlanKind kind, std::string_view branch, xbase::Date today);
// The ship date of a monthly plan: the last day of `today`'s month + 15.
xbase::Date PlanShipDate(xbase::Date today);
// The ship date of an additional D1 order asked on `today`: 15 days after the end of this month up to
// the 15th, after the end of next month from the 16th on.
xbase::Date AdditionalShipDate(xbase::Date today);
// The last day of the sales a plan counts: the day before the first of `today`'s month.
xbase::Date PlanCutOff(xbase::Date today);

// Creates the work table `name` empty in the first folder of `tables`' search path and builds its two
// index files, calling `indexing` with each index file's name before it is built; the table is left
// closed. The caller has taken any old one away.
xbase::Status MakePlanTable(xbase::Session& tables, PlanKind kind, const std::string& name,
                            const std::function<void(const std::string& index)>& indexing = {});
// Opens the two index files of the work table `name` on `area`, the first controlling.
xbase::Status OpenPlanIndexes(const xbase::Session& tables, const std::string& name, xbase::WorkArea* area);

// True when the work table `name` is in the data folder.
bool PlanTableExists(frame::Session& session, std::string_view name);
// Makes the work table `name` anew in the data folder, empty: an old one is taken away first (waiting,
// with the retry line, while another workstation has it open; Esc gives up). Its two index files are
// built with the index progress box; then it is open shared under kPlanAlias on the first index.
// False after a message.
bool CreatePlanTable(frame::Session& session, PlanKind kind, const std::string& name, xbase::WorkArea** area);
// Opens the work table `name` shared under kPlanAlias with its two index files, on the first; false
// after a message (the retry line's Esc or a missing file).
bool OpenPlanTable(frame::Session& session, const std::string& name, xbase::WorkArea** area);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PLAN_TABLES_H_
