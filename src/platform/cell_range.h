// Cell addresses as the spreadsheet writes them: "A4", "A4:B5", whole columns "C" or "B:D".
#ifndef PALUNDA_PLATFORM_CELL_RANGE_H_
#define PALUNDA_PLATFORM_CELL_RANGE_H_

#include <string>
#include <string_view>

#include "xbase/status.h"

namespace platform {

inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

// A block of cells, rows and columns counted from 1; whole columns run over every row.
struct CellRange {
  int first_row = 1;
  int first_column = 1;
  int last_row = 1;
  int last_column = 1;

  bool whole_columns() const { return first_row == 1 && last_row == kMaxRows; }
  bool Contains(int row, int column) const {
    return row >= first_row && row <= last_row && column >= first_column && column <= last_column;
  }
  bool Overlaps(const CellRange& other) const {
    return first_row <= other.last_row && other.first_row <= last_row && first_column <= other.last_column &&
           other.first_column <= last_column;
  }
  bool operator==(const CellRange&) const = default;
};

// Reads "A4", "A4:B5", "C" or "B:D" (letters in either case, corners in either order);
// InvalidArgument for anything else.
xbase::Status ParseRange(std::string_view text, CellRange* range);
// The letters of a column: 1 is "A", 27 is "AA".
std::string ColumnName(int column);
// The range in the spreadsheet's notation, "A4:B5" ("A4" for one cell, "B:D" for whole columns).
std::string RangeName(const CellRange& range);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_CELL_RANGE_H_
