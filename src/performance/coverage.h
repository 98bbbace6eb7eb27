// PP and PA, the coverage figures of the KPI reports: per salesman code and period (a week or a
// month, 0 the whole time) the net value bought by each customer and sold of each item, counted
// against the minimums of the salesman's job title.
#ifndef PALUNDA_PERFORMANCE_COVERAGE_H_
#define PALUNDA_PERFORMANCE_COVERAGE_H_

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "performance/sale_documents.h"
#include "performance/salesman_chain.h"
#include "platform/workbook.h"
#include "xbase/status.h"

namespace performance {

// XX of YY: how many reached the minimum of all that bought or were sold.
struct Coverage {
  int pp_reached = 0, pp_all = 0, pa_reached = 0, pa_all = 0;
};

class CoverageTally {
 public:
  // Adds a document, for each of `codes`, to period `period` and to the whole time.
  void Add(const std::vector<std::string>& codes, int period, const SaleDocument& document,
           const std::vector<SaleLine>& lines);
  // The coverage of each of `entries` in each of `periods` (0 the whole time) against the minimums of
  // KPI year `year` (SETUP open, TARIFPA among `tables`), a row per entry. A minimum or an item's
  // TARIFPA row that cannot be read is the error, with the table empty.
  xbase::Status CountAll(frame::Session& session, const frame::OpenedTables& tables,
                         const std::vector<const SalesmanEntry*>& entries, const std::vector<int>& periods, int year,
                         std::vector<std::vector<Coverage>>* table) const;

 private:
  xbase::Status Count(frame::Session& session, const frame::OpenedTables& tables, const SalesmanEntry& entry,
                      int period, int year, Coverage* coverage) const;

  using Key = std::pair<std::string, int>;  // salesman code, period
  std::map<Key, std::map<std::string, double>> customers_, items_;
};

// The four cells PP XX, PP YY, PA XX and PA YY from `column`.
void CoverageCells(platform::Worksheet& sheet, int row, int column, const Coverage& coverage);
// `head` over the `before` heads and then "PP" and "PA", each over two cells.
void CoverageHead(platform::Worksheet& sheet, int column, std::string_view head, std::vector<std::string> before = {});

// The notes under the PP/PA reports: the legend and the minimums of each title; `legend` opens
// the job-title line, `customers` and `items` the XX lines. A minimum that cannot be read is the error.
xbase::Status CoverageNotes(frame::Session& session, int year, std::string_view legend, std::string_view customers,
                            std::string_view items, std::string_view bought, std::string_view sold,
                            std::vector<std::string>* notes);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_COVERAGE_H_
