// A workbook of the receivables reports: title lines, one row of column heads and rows of cells,
// amounts in the house format, shown when done.
#include "receivable-reports/sheet_table.h"

#include "platform/cell_range.h"

namespace receivable_reports {

SheetTable::SheetTable(frame::Session& session, std::string file_title, const std::vector<std::string>& titles,
                       const std::vector<std::string>& heads)
    : book_(session, std::move(file_title)), sheet_(book_.ActiveSheet()), columns_(static_cast<int>(heads.size())) {
  for (const std::string& title : titles) {
    sheet_.SetValue(++row_, 1, title);
    sheet_.Bold("A" + std::to_string(row_));
  }
  head_row_ = row_ + 2;
  row_ = head_row_;
  for (size_t i = 0; i < heads.size(); ++i) sheet_.SetValue(head_row_, static_cast<int>(i) + 1, heads[i]);
  const std::string range = "A" + std::to_string(head_row_) + ":" + platform::ColumnName(columns_) + std::to_string(head_row_);
  sheet_.Bold(range);
  sheet_.Centre(range);
}

void SheetTable::Row(const std::vector<SheetCell>& cells, bool bold) {
  ++row_;
  for (size_t i = 0; i < cells.size(); ++i) {
    const int column = static_cast<int>(i) + 1;
    if (const auto* text = std::get_if<std::string>(&cells[i])) {
      if (!text->empty()) sheet_.SetValue(row_, column, *text);
    } else if (const auto* number = std::get_if<double>(&cells[i])) {
      sheet_.SetNumber(row_, column, *number);
      amount_columns_.insert(column);
    } else {
      sheet_.SetDate(row_, column, std::get<xbase::Date>(cells[i]));
    }
  }
  if (bold) sheet_.Bold("A" + std::to_string(row_) + ":" + platform::ColumnName(columns_) + std::to_string(row_));
}

bool SheetTable::Show() {
  for (const int column : amount_columns_) {
    const std::string name = platform::ColumnName(column);
    sheet_.SetNumberFormat(name + ":" + name, frame::kAmountFormat);
  }
  sheet_.SetBorders("A" + std::to_string(head_row_) + ":" + platform::ColumnName(columns_) + std::to_string(row_),
                    frame::kBorderWeight);
  sheet_.AutoFit("A:" + platform::ColumnName(columns_));
  return book_.Show();
}

}  // namespace receivable_reports
