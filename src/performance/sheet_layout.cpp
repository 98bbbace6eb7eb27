// Laying out the sales-performance workbooks: blocks and heads addressed by row and column
// numbers, the two heading rows 4 and 5, and the formats the reports share.
#include "performance/sheet_layout.h"

#include "frame/spreadsheet.h"
#include "platform/cell_range.h"
#include "xbase/text_functions.h"

namespace performance {

std::string Block(int row1, int column1, int row2, int column2) {
  return platform::ColumnName(column1) + std::to_string(row1) + ":" + platform::ColumnName(column2) +
         std::to_string(row2);
}

std::string Columns(int column1, int column2) {
  return platform::ColumnName(column1) + ":" + platform::ColumnName(column2);
}

void TallHead(platform::Worksheet& sheet, int column, std::string_view text, int row) {
  sheet.SetValue(row, column, text);
  sheet.Merge(Block(row, column, row + 1, column));
}

void SpanHead(platform::Worksheet& sheet, int column, std::string_view text, const std::vector<std::string>& subheads,
              int row) {
  sheet.SetValue(row, column, text);
  const int last = column + static_cast<int>(subheads.size()) - 1;
  if (last > column) sheet.Merge(Block(row, column, row, last));
  for (size_t i = 0; i < subheads.size(); ++i) sheet.SetValue(row + 1, column + static_cast<int>(i), subheads[i]);
}

void FinishHeads(platform::Worksheet& sheet, int last_column, int first_row, int last_row) {
  const std::string block = Block(first_row, 1, last_row, last_column);
  sheet.Centre(block);
  sheet.Bold(block);
  sheet.SetBorders(block, frame::kBorderWeight);
}

void SalesmanHeads(platform::Worksheet& sheet, std::string_view title_head) {
  TallHead(sheet, 1, "NO");
  SpanHead(sheet, 2, "SALES", {"KODE", "NAMA", std::string(title_head)});
}

void SalesmanCells(platform::Worksheet& sheet, int row, std::string_view code, std::string_view name,
                   std::string_view title) {
  sheet.SetNumber(row, 1, row - kFirstDataRow + 1);
  sheet.SetValue(row, 2, frame::AsText(xbase::AllTrim(code)));
  sheet.SetValue(row, 3, std::string(xbase::RTrim(name)));
  sheet.SetValue(row, 4, frame::AsText(xbase::RTrim(title)));
}

void Titles(platform::Worksheet& sheet, const std::vector<std::string>& lines, double size) {
  for (size_t i = 0; i < lines.size(); ++i) sheet.SetValue(static_cast<int>(i) + 1, 1, lines[i]);
  if (lines.empty()) return;
  const std::string block = Block(1, 1, static_cast<int>(lines.size()), 1);
  sheet.Bold(block);
  if (size > 0) sheet.SetFontSize(block, size);
}

void TotalRow(platform::Worksheet& sheet, int row, int last_column, int fill) {
  const std::string block = Block(row, 1, row, last_column);
  sheet.Bold(block);
  if (fill != 0) sheet.SetFill(block, fill);
}

}  // namespace performance
