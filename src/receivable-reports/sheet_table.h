// A workbook of the receivables reports: title lines, one row of column heads and rows of cells,
// amounts in the house format, shown when done.
#ifndef PALUNDA_RECEIVABLE_REPORTS_SHEET_TABLE_H_
#define PALUNDA_RECEIVABLE_REPORTS_SHEET_TABLE_H_

#include <set>
#include <string>
#include <variant>
#include <vector>

#include "frame/session.h"
#include "frame/spreadsheet.h"
#include "xbase/date.h"

namespace receivable_reports {

// A cell: text (codes go in as text), an amount or a date.
using SheetCell = std::variant<std::string, double, xbase::Date>;

class SheetTable {
 public:
  // A new workbook named after `file_title`: the titles from row 1 (bold), an empty row, the heads.
  SheetTable(frame::Session& session, std::string file_title, const std::vector<std::string>& titles,
             const std::vector<std::string>& heads);
  // The next row; a bold row is a sum line.
  void Row(const std::vector<SheetCell>& cells, bool bold = false);
  // Formats the amounts, borders the table, fits the columns and shows the workbook.
  bool Show();

 private:
  frame::SpreadsheetExport book_;
  platform::Worksheet& sheet_;
  int head_row_ = 0;
  int row_ = 0;
  int columns_ = 0;
  std::set<int> amount_columns_;
};

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_SHEET_TABLE_H_
