// What the recap reports share: the period windows of a report date, walking a recap table, the
// heading block and rows of their workbooks, and the "OUTPUT EXCELL" choice.
#ifndef PALUNDA_RECAPS_RECAP_REPORT_H_
#define PALUNDA_RECAPS_RECAP_REPORT_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "platform/workbook.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace recaps {

// The periods ("yyyymm") a report measures from its date D.
struct Windows {
  explicit Windows(xbase::Date date);
  std::string year_first;       // January of D's year
  std::string month;            // D's month
  std::string year_last;        // December of D's year
  std::string last_year_first;  // January of the year before
  std::string last_month;       // D's month a year earlier
  std::string next_month;       // the month of D + 1 day
  int month_number = 0;         // D's month, 1 to 12
  // True when `period` lies between `from` and `to`, both included.
  static bool Within(std::string_view period, std::string_view from, std::string_view to) {
    return period >= from && period <= to;
  }
};

// The months from the first date's to the second's, as "yyyymm" bounds.
struct MonthRange {
  std::string from;
  std::string to;
  bool Holds(std::string_view period) const { return Windows::Within(period, from, to); }
};

// True when `text` begins with the trimmed `prefix` (an empty prefix takes everything).
bool Begins(std::string_view text, std::string_view prefix);

// Calls visit() on every record of the open table, in natural order.
xbase::Status ForEachRow(xbase::WorkArea& area, const std::function<void()>& visit);
// Calls visit() on the records whose `field`, the first part of the first index key, begins with the
// trimmed `prefix`, in key order.
xbase::Status ForEachRowFrom(xbase::WorkArea& area, std::string_view field, std::string_view prefix,
                             const std::function<void()>& visit);

// A column heading: alone it spans rows 4 and 5; with sub-headings it spans their columns in row 4
// and they stand in row 5.
struct Heading {
  std::string text;
  std::vector<std::string> subs = {};
};
// Writes the title lines from row 1 (bold) and the headings in rows 4 and 5 from column 1: merged,
// centred, bold, bordered. Returns the number of columns.
int WriteHeadings(platform::Worksheet& sheet, const std::vector<std::string>& titles,
                  const std::vector<Heading>& headings);
// Writes a code (kept as text) and a name into columns 1 and 2 of a row.
void WriteLabel(platform::Worksheet& sheet, int row, std::string_view code, std::string_view name);
// Writes numbers from column `first`.
void WriteNumbers(platform::Worksheet& sheet, int row, int first, const std::vector<double>& numbers);
// Bold, and filled when `fill` is not 0, over columns 1 to `columns` of a row.
void MarkRow(platform::Worksheet& sheet, int row, int columns, bool bold, int fill = 0);
// The data block from row 6 to `last_row` bordered, column A 12 wide and the rest fitted.
void FinishSheet(platform::Worksheet& sheet, int last_row, int columns);

// Writes a workbook titled `file_title` with a sheet per name, each with the titles (of several sheets,
// the first two and the sheet's name as the third), the headings and the amount format from column C; body(sheet, sheet number, columns) writes the rows from row 6
// and returns the last. The data block is then finished and the workbook shown.
void ShowBook(frame::Session& session, std::string_view file_title, const std::vector<std::string>& sheets,
              const std::vector<std::string>& titles, const std::vector<Heading>& headings,
              const std::function<int(platform::Worksheet& sheet, size_t number, int columns)>& body);

// "OUTPUT EXCELL": "Group" writes group rows only, "Detail" the item rows too; asked again after
// each workbook until "Keluar" or Esc.
void AskOutput(frame::Session& session, const std::function<void(bool detail)>& write);

// A code and its name.
struct CodeName {
  std::string code, name;
};
// KODE and NAMA (trimmed) of every row of `area`, in file order.
xbase::Status ReadCodeNames(xbase::WorkArea& area, std::vector<CodeName>* rows);

// Elementwise sums of figure lists.
void AddTo(std::vector<double>* sum, const std::vector<double>& figures);
// True when every figure is 0.
bool AllZero(const std::vector<double>& figures);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_RECAP_REPORT_H_
