// Laying out the sales-performance workbooks: blocks and heads addressed by row and column
// numbers, the two heading rows 4 and 5, and the formats the reports share.
#ifndef PALUNDA_PERFORMANCE_SHEET_LAYOUT_H_
#define PALUNDA_PERFORMANCE_SHEET_LAYOUT_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/workbook.h"

namespace performance {

inline constexpr int kHeadRow = 4;   // the first heading row
inline constexpr int kFirstDataRow = 6;

// The block from (row1, column1) to (row2, column2), "B4:D5".
std::string Block(int row1, int column1, int row2, int column2);
// The columns from column1 to column2, "C:F".
std::string Columns(int column1, int column2);

// A head over the two heading rows from `row` at `column` (merged).
void TallHead(platform::Worksheet& sheet, int column, std::string_view text, int row = kHeadRow);
// A head on `row` over the columns of `subheads` from `column` (merged), with the subheads on the row below.
void SpanHead(platform::Worksheet& sheet, int column, std::string_view text, const std::vector<std::string>& subheads,
              int row = kHeadRow);
// Centres, borders and makes bold the heading rows from column 1 to `last_column`.
void FinishHeads(platform::Worksheet& sheet, int last_column, int first_row = kHeadRow, int last_row = kHeadRow + 1);
// "NO" and "SALES" over "KODE", "NAMA" and `title_head` in columns 1 to 4.
void SalesmanHeads(platform::Worksheet& sheet, std::string_view title_head);
// The number of a data row and a salesman's code, name and job title in columns 1 to 4.
void SalesmanCells(platform::Worksheet& sheet, int row, std::string_view code, std::string_view name,
                   std::string_view title);
// The title rows: bold, the given lines from row 1.
void Titles(platform::Worksheet& sheet, const std::vector<std::string>& lines, double size = 0);
// A bold total row from column 1 to `last_column`, filled with `fill` when not 0.
void TotalRow(platform::Worksheet& sheet, int row, int last_column, int fill = 0);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_SHEET_LAYOUT_H_
