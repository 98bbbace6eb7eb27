// The cells of the entry screens' line grids (each row a ValueRow, its columns counted from 1) and
// the texts that grids, forms and reports show: a stored text without its trailing blanks, a number
// through a picture.
#ifndef PALUNDA_FRAME_GRID_CELLS_H_
#define PALUNDA_FRAME_GRID_CELLS_H_

#include <string>
#include <string_view>

#include "console/array_browse.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"
#include "xbase/value.h"

namespace frame {

// The text and the number of column `column` (from 1) of a row.
inline const std::string& Cell(const console::ValueRow& row, int column) { return row[static_cast<size_t>(column - 1)].text(); }
inline double Figure(const console::ValueRow& row, int column) { return row[static_cast<size_t>(column - 1)].number(); }

// Removes row `index` (from 1) and numbers the rest in their first column.
inline void RemoveRow(console::ValueTable* rows, int index) {
  rows->erase(rows->begin() + (index - 1));
  for (size_t i = 0; i < rows->size(); ++i) (*rows)[i][0] = xbase::Value::Num(static_cast<double>(i + 1), 2, 0);
}

// A text without its trailing blanks.
inline std::string Trimmed(std::string_view text) { return std::string(xbase::RTrim(text)); }

// A number through a picture (" 999,999,999.99").
inline std::string Pictured(double value, std::string_view picture) { return xbase::Transform(xbase::Value::Num(value), picture); }

}  // namespace frame

#endif  // PALUNDA_FRAME_GRID_CELLS_H_
