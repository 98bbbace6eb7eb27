// The public face of the sales performance, targets and incentives: targets, salesman recaps and KPI,
// incentives, sales reports, the price audit.
// Other subsystems include only this header of the folder.
#ifndef PALUNDA_PERFORMANCE_PERFORMANCE_H_
#define PALUNDA_PERFORMANCE_PERFORMANCE_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/open_table.h"
#include "frame/procedure_registry.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace performance {

// The value of goods that counts as one carton of an item without a carton size.
inline constexpr double kCartonValue = 600000;

// Shared sales helpers of the sales-performance and recap reports. The KONVERT and PATRON2
// lookups read the tables open under the aliases "konvert" and "PATRON2" (ordered by item code,
// as OPENDATABASE opens them); a table that is not open counts as holding no row.

// KONVERSIBOX: the quantity in cartons, not rounded: through the item's KONVERT row (qty x DIKALI
// / DIBAGI, 0 when DIBAGI is 0), else value / 600000 for an item without a carton size, else
// qty / carton size. A KONVERT row that cannot be read is the error, never an item without one.
xbase::Status KONVERSIBOX(frame::Session& session, std::string_view code, double quantity, double carton_size,
                          double value, double* cartons);
// KONVERSIQTY: the quantity in base units: qty x DIKALI through the item's KONVERT row, else qty.
xbase::Status KONVERSIQTY(frame::Session& session, std::string_view code, double quantity, double* base);
// GETLEVELSALES: the salesman level of a job title by its first letters: "BM" 1, "DB" and "KAM"
// 2, "SP" and "KAS" 3, "SL" 4, anything else 9.
std::string GETLEVELSALES(std::string_view title);
// _CARIPATRON: the item's product group code and the group's name (PATRON), by default
// {"M449", "BELUM MASUK GROUP"}. These group reads give an error when a row cannot be read, never the
// default group.
xbase::Status CARIPATRON_(frame::Session& session, std::string_view code, std::pair<std::string, std::string>* group);
// CARIPATRON2: the item's product group code as stored, by default "M44".
xbase::Status CARIPATRON2(frame::Session& session, std::string_view code, std::string* group);
// CARIPATORNK1K2: the item's group family, 10 characters: the group code's first three characters
// when it begins with "M", else its first two; "M44" by default.
xbase::Status CARIPATORNK1K2(frame::Session& session, std::string_view code, std::string* family);
// OPENDATABASE: opens the tables of the product-group reports under their aliases (a table already
// open under its alias stays as it is), each with its index files and the one named here
// controlling; empty (after the failure is told, nothing of the list left open) when one cannot be
// opened. The reports look related rows up themselves.
frame::OpenedTables OPENDATABASE(frame::Session& session);
// The list OPENDATABASE opens, for a report that opens it among its own tables.
std::vector<frame::TableUse> ReportTableUses();
// CBTARGET: always true; the branch becomes "B2    " and the warehouse "".
bool CBTARGET(std::string_view customer, std::string* branch, std::string* warehouse);
// BETWEENTANGGAL: always true; the end date becomes the last day of the date's month.
bool BETWEENTANGGAL(xbase::Date date, xbase::Date* end);

// The top menu entry under which a new data folder lists this subsystem's entries.
inline constexpr const char* kMenuGroup = "KINERJA";

// Registers every entry procedure of this subsystem.
void RegisterPerformanceProcedures(frame::ProcedureRegistry& registry);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_PERFORMANCE_H_
