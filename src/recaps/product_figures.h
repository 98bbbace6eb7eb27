// The figures of the product recaps, summed per item from the recap rows of a branch: actual and
// target windows of the target reports, and the months of two years of the monthly reports.
#ifndef PALUNDA_RECAPS_PRODUCT_FIGURES_H_
#define PALUNDA_RECAPS_PRODUCT_FIGURES_H_

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/workbook.h"
#include "recaps/recap_report.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace recaps {

// The two units of a figure and the sheets named after them.
enum Unit { kCartons = 0, kValues = 1 };
inline constexpr std::array<std::string_view, 2> kUnitSheets = {"Carton", "Value"};

// Per item, the figures in cartons and in value (thousands).
using ItemFigures = std::map<std::string, std::array<std::vector<double>, 2>>;

// The eight figures of the target reports: actual and target this year to the month, actual last year
// to the month, target of the year, actual and target of the month, actual of the month last year,
// target of the next month. From the RKP_CAB rows (open in `area`) whose branch begins with `branch`.
xbase::Status TargetFigures(xbase::WorkArea& area, std::string_view branch, const Windows& windows,
                            ItemFigures* items);
// The headings of the target columns, after "KODE" and "NAMA".
std::vector<Heading> TargetHeadings();
// Writes the 13 target columns (figures, and the ratios between them) of a row from column `first`.
void WriteTargetColumns(platform::Worksheet& sheet, int row, std::vector<double> figures, int first = 3);

// The 26 figures of the monthly reports: total last year, total this year, then each month's last
// year and this year. From the RKP_CAB rows of the branch in `year` and the year before.
xbase::Status MonthFigures(xbase::WorkArea& area, std::string_view branch, int year, ItemFigures* items);
// The headings of the month columns, after "KODE" and "NAMA".
std::vector<Heading> MonthHeadings();

// Names of the months, "JANUARI" ... "DESEMBER".
const std::array<std::string, 12>& MonthNames();

// The name of an item in the goods master `goods`, blank when unknown.
std::string ItemName(xbase::WorkArea& goods, const std::string& item);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_PRODUCT_FIGURES_H_
