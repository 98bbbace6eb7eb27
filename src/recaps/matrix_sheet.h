// The sheets of the customer and salesman recaps: a row per customer, group or salesman, a total and
// a column per licence, line, group or month, each column split into the same sub-columns.
#ifndef PALUNDA_RECAPS_MATRIX_SHEET_H_
#define PALUNDA_RECAPS_MATRIX_SHEET_H_

#include <map>
#include <string>
#include <vector>

#include "platform/workbook.h"
#include "recaps/recap_report.h"

namespace recaps {

class Matrix {
 public:
  struct Column {
    std::string key;
    std::string heading;
  };
  struct Row {
    std::string code, name, city;
    std::vector<double> lead;                            // figures before the total (layout.lead_headings)
    std::vector<double> total;                           // one figure per sub-column
    std::map<std::string, std::vector<double>> cells;    // by column key
  };

  // `subs` are the sub-headings of every column and of the total (empty: one figure each).
  Matrix(std::vector<Column> columns, std::vector<std::string> subs)
      : columns_(std::move(columns)), subs_(std::move(subs)) {}

  // The row of `key`, made with its labels when new.
  Row& RowOf(const std::string& key, const std::string& code, const std::string& name, const std::string& city = {});
  // Adds to sub-column `sub` of a cell of a row and to the row's total.
  void Add(Row& row, const std::string& column, size_t sub, double value);
  // Marks a cell 1 (coverage); the total counts the cells marked.
  void Mark(Row& row, const std::string& column);

  const std::vector<Column>& columns() const { return columns_; }
  const std::map<std::string, Row>& rows() const { return rows_; }
  // Figures in each column: the number of sub-columns, at least 1.
  size_t Width() const { return subs_.empty() ? 1 : subs_.size(); }

 private:
  std::vector<Column> columns_;
  std::vector<std::string> subs_;
  std::map<std::string, Row> rows_;

  friend std::vector<Heading> MatrixHeadings(const Matrix&, const struct MatrixLayout&);
  friend void WriteMatrixRow(platform::Worksheet&, const Matrix&, const struct MatrixLayout&, int, int, const Row&,
                             std::vector<double>*);
};

// How a matrix is written.
struct MatrixLayout {
  bool numbered = true;             // "NO" first
  bool city = true;                 // "KOTA" after "NAMA"
  bool coverage_share = false;      // "% PP": columns holding anything / columns, before the total
  bool grand_share = false;         // "%": the row's total / the grand total, before the total
  std::vector<std::string> lead_headings;  // single columns before the total, from Row::lead
  std::string sum_heading;          // when set, one column before the total holding the sum of its figures
  std::string total_heading = "JUMLAH";
  bool blank_zeros = false;         // cells of 0 are left empty
  bool by_total = true;             // rows in descending order of their first total figure; else by key
  std::string total_row = "TOTAL";  // the closing row; empty for none
  int total_fill = 0;
  bool shares_row = false;          // under the totals each column's share of the grand total, in percent
};

// The headings of a matrix in its layout.
std::vector<Heading> MatrixHeadings(const Matrix& matrix, const MatrixLayout& layout);
// Writes the rows from row 6; returns the last row written.
int WriteMatrix(platform::Worksheet& sheet, const Matrix& matrix, const MatrixLayout& layout, int columns);
// The rows in the order the layout gives them.
std::vector<const Matrix::Row*> OrderedRows(const Matrix& matrix, const MatrixLayout& layout);
// Writes one row (numbered `number`) at `row_number`; its cells are added to *sums (lead, sum, total and
// the columns in sheet order).
void WriteMatrixRow(platform::Worksheet& sheet, const Matrix& matrix, const MatrixLayout& layout, int row_number,
                    int number, const Matrix::Row& row, std::vector<double>* sums);
// Writes a bold row of sums (as WriteMatrixRow gathers them) labelled `label`, filled when `fill` is set.
void WriteMatrixSums(platform::Worksheet& sheet, const MatrixLayout& layout, int row_number, const std::string& label,
                     const std::vector<double>& sums, int columns, int fill);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_MATRIX_SHEET_H_
