// Cell addresses as the spreadsheet writes them: "A4", "A4:B5", whole columns "C" or "B:D".
#include "platform/cell_range.h"

#include <algorithm>
#include <cctype>

namespace platform {
namespace {

// One corner: column letters, then row digits unless `column_only`; false when malformed.
bool ParseCorner(std::string_view text, int* row, int* column, bool* column_only) {
  std::size_t i = 0;
  long col = 0;
  for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); ++i) {
    col = col * 26 + (std::toupper(static_cast<unsigned char>(text[i])) - 'A' + 1);
    if (col > kMaxColumns) return false;
  }
  if (i == 0) return false;
  long number = 0;
  const std::size_t digits_start = i;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    number = number * 10 + (text[i] - '0');
    if (number > kMaxRows) return false;
  }
  if (i != text.size()) return false;
  *column_only = i == digits_start;
  if (!*column_only && number == 0) return false;
  *column = static_cast<int>(col);
  *row = static_cast<int>(number);
  return true;
}

}  // namespace

xbase::Status ParseRange(std::string_view text, CellRange* range) {
  const std::size_t colon = text.find(':');
  const std::string_view first = text.substr(0, colon);
  const std::string_view last = colon == std::string_view::npos ? first : text.substr(colon + 1);
  int r1 = 0, c1 = 0, r2 = 0, c2 = 0;
  bool whole1 = false, whole2 = false;
  if (!ParseCorner(first, &r1, &c1, &whole1) || !ParseCorner(last, &r2, &c2, &whole2) || whole1 != whole2) {
    return xbase::Status::InvalidArgument("range '" + std::string(text) + "'", "not a cell, block or column such as A4, A4:B5 or B:D");
  }
  if (whole1) {
    r1 = 1;
    r2 = kMaxRows;
  }
  *range = {std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2)};
  return xbase::Status::OK();
}

std::string ColumnName(int column) {
  std::string name;
  for (; column > 0; column = (column - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
  return name;
}

std::string RangeName(const CellRange& range) {
  if (range.whole_columns()) return ColumnName(range.first_column) + ":" + ColumnName(range.last_column);
  const std::string first = ColumnName(range.first_column) + std::to_string(range.first_row);
  if (range.first_row == range.last_row && range.first_column == range.last_column) return first;
  return first + ":" + ColumnName(range.last_column) + std::to_string(range.last_row);
}

}  // namespace platform
