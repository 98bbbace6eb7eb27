// The cells of the entry screens' line grids, each row a ValueRow and its columns counted from 1.
#ifndef PALUNDA_STOCK_GRID_CELLS_H_
#define PALUNDA_STOCK_GRID_CELLS_H_

#include <string>

#include "console/array_browse.h"

namespace stock {

// The text and the number of column `column` (from 1) of a row.
inline const std::string& Cell(const console::ValueRow& row, int column) { return row[static_cast<size_t>(column - 1)].text(); }
inline double Figure(const console::ValueRow& row, int column) { return row[static_cast<size_t>(column - 1)].number(); }

// Removes row `index` (from 1) and numbers the rest in their first column.
inline void RemoveRow(console::ValueTable* rows, int index) {
  rows->erase(rows->begin() + (index - 1));
  for (size_t i = 0; i < rows->size(); ++i) (*rows)[i][0] = xbase::Value::Num(static_cast<double>(i + 1), 2, 0);
}

}  // namespace stock

#endif  // PALUNDA_STOCK_GRID_CELLS_H_
