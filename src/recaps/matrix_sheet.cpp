// The sheets of the customer and salesman recaps: a row per customer, group or salesman, a total and
// a column per licence, line, group or month, each column split into the same sub-columns.
#include "recaps/matrix_sheet.h"

#include <algorithm>

#include "frame/spreadsheet.h"
#include "platform/cell_range.h"
#include "xbase/text_functions.h"

namespace recaps {

Matrix::Row& Matrix::RowOf(const std::string& key, const std::string& code, const std::string& name,
                           const std::string& city) {
  auto [at, added] = rows_.try_emplace(key);
  if (added) {
    at->second.code = code;
    at->second.name = std::string(xbase::RTrim(name));
    at->second.city = std::string(xbase::RTrim(city));
    at->second.total.assign(Width(), 0);
  }
  return at->second;
}

void Matrix::Add(Row& row, const std::string& column, size_t sub, double value) {
  std::vector<double>& cell = row.cells[column];
  cell.resize(Width());
  cell[sub] += value;
  row.total[sub] += value;
}

void Matrix::Mark(Row& row, const std::string& column) {
  std::vector<double>& cell = row.cells[column];
  if (!cell.empty() && cell[0] != 0) return;
  cell.assign(Width(), 1);
  row.total[0] += 1;
}

std::vector<Heading> MatrixHeadings(const Matrix& matrix, const MatrixLayout& layout) {
  std::vector<Heading> headings;
  if (layout.numbered) headings.push_back({"NO"});
  headings.push_back({"KODE"});
  headings.push_back({"NAMA"});
  if (layout.city) headings.push_back({"KOTA"});
  for (const std::string& lead : layout.lead_headings) headings.push_back({lead});
  if (layout.coverage_share) headings.push_back({"% PP"});
  if (layout.grand_share) headings.push_back({"%"});
  if (!layout.sum_heading.empty()) headings.push_back({layout.sum_heading});
  headings.push_back({layout.total_heading, matrix.subs_});
  for (const Matrix::Column& column : matrix.columns_) headings.push_back({column.heading, matrix.subs_});
  return headings;
}

namespace {

// Where the parts of a row stand.
struct Places {
  int share = 0;  // "% PP" or "%", 0 without
  int first_figure = 0;  // the lead figures, then the sum, the total and the columns
};

Places PlacesOf(const MatrixLayout& layout) {
  int column = (layout.numbered ? 1 : 0) + 2 + (layout.city ? 1 : 0) + 1;
  Places places;
  places.first_figure = column;
  if (layout.coverage_share || layout.grand_share) {
    places.share = column + static_cast<int>(layout.lead_headings.size());
    places.first_figure = column;
  }
  return places;
}

// The figures of a row in sheet order, and the column each goes to.
std::vector<std::pair<int, double>> Figures(const Matrix& matrix, const MatrixLayout& layout, const Matrix::Row& row) {
  const Places places = PlacesOf(layout);
  std::vector<std::pair<int, double>> figures;
  int column = places.first_figure;
  for (size_t i = 0; i < layout.lead_headings.size(); ++i) figures.push_back({column++, i < row.lead.size() ? row.lead[i] : 0});
  if (places.share != 0) ++column;
  if (!layout.sum_heading.empty()) {
    double sum = 0;
    for (const double figure : row.total) sum += figure;
    figures.push_back({column++, sum});
  }
  for (const double figure : row.total) figures.push_back({column++, figure});
  const size_t width = matrix.Width();
  for (const Matrix::Column& key : matrix.columns()) {
    const auto cell = row.cells.find(key.key);
    for (size_t sub = 0; sub < width; ++sub) {
      figures.push_back({column++, cell == row.cells.end() ? 0 : cell->second[sub]});
    }
  }
  return figures;
}

}  // namespace

std::vector<const Matrix::Row*> OrderedRows(const Matrix& matrix, const MatrixLayout& layout) {
  std::vector<const Matrix::Row*> rows;
  for (const auto& [key, row] : matrix.rows()) rows.push_back(&row);
  if (layout.by_total) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Matrix::Row* a, const Matrix::Row* b) { return a->total[0] > b->total[0]; });
  }
  return rows;
}

void WriteMatrixRow(platform::Worksheet& sheet, const Matrix& matrix, const MatrixLayout& layout, int row_number,
                    int number, const Matrix::Row& row, std::vector<double>* sums) {
  int column = 1;
  if (layout.numbered) sheet.SetNumber(row_number, column++, number);
  sheet.SetValue(row_number, column++, frame::AsText(xbase::RTrim(row.code)));
  sheet.SetValue(row_number, column++, row.name);
  if (layout.city) sheet.SetValue(row_number, column++, row.city);
  const Places places = PlacesOf(layout);
  if (layout.coverage_share) {
    // The lines bought: the columns holding anything.
    double bought = 0;
    for (const auto& [key, cell] : row.cells) bought += AllZero(cell) ? 0 : 1;
    sheet.SetNumber(row_number, places.share, frame::Ratio(bought, static_cast<double>(matrix.columns_.size())) / 100);
  }
  const std::vector<std::pair<int, double>> figures = Figures(matrix, layout, row);
  if (sums->size() < figures.size()) sums->resize(figures.size());
  for (size_t i = 0; i < figures.size(); ++i) {
    (*sums)[i] += figures[i].second;
    if (figures[i].second != 0 || !layout.blank_zeros) sheet.SetNumber(row_number, figures[i].first, figures[i].second);
  }
}

void WriteMatrixSums(platform::Worksheet& sheet, const MatrixLayout& layout, int row_number, const std::string& label,
                     const std::vector<double>& sums, int columns, int fill) {
  sheet.SetValue(row_number, layout.numbered ? 3 : 2, label);
  const Places places = PlacesOf(layout);
  int column = places.first_figure;
  for (size_t i = 0; i < sums.size(); ++i, ++column) {
    if (places.share != 0 && column == places.share) ++column;
    sheet.SetNumber(row_number, column, sums[i]);
  }
  MarkRow(sheet, row_number, columns, true, fill);
}

int WriteMatrix(platform::Worksheet& sheet, const Matrix& matrix, const MatrixLayout& layout, int columns) {
  const std::vector<const Matrix::Row*> rows = OrderedRows(matrix, layout);
  std::vector<double> grand;
  for (const Matrix::Row* row : rows) AddTo(&grand, row->total);
  const Places places = PlacesOf(layout);
  std::vector<double> sums;
  int row_number = 5, number = 0;
  for (const Matrix::Row* row : rows) {
    WriteMatrixRow(sheet, matrix, layout, ++row_number, ++number, *row, &sums);
    if (layout.grand_share) sheet.SetNumber(row_number, places.share, frame::Ratio(row->total[0], grand[0]) / 100);
  }
  if (places.share != 0) sheet.SetNumberFormat(platform::ColumnName(places.share), frame::kPercentFormat);
  if (layout.total_row.empty()) return row_number;
  WriteMatrixSums(sheet, layout, ++row_number, layout.total_row, sums, columns, layout.total_fill);
  if (layout.shares_row) {
    // Under each column its share of the grand total; the grand total two rows below in the "%" column.
    const size_t width = matrix.Width();
    const size_t first_column = sums.size() - matrix.columns().size() * width;
    ++row_number;
    for (size_t i = first_column; i < sums.size(); ++i) {
      const int column = places.first_figure + static_cast<int>(i) + (places.share != 0 ? 1 : 0);
      sheet.SetNumber(row_number, column, frame::Ratio(sums[i], grand.empty() ? 0 : grand[(i - first_column) % width]) / 100);
    }
    const int from = places.first_figure + static_cast<int>(first_column) + (places.share != 0 ? 1 : 0);
    sheet.SetNumberFormat(platform::ColumnName(from) + std::to_string(row_number) + ":" + platform::ColumnName(columns) +
                              std::to_string(row_number),
                          frame::kPercentFormat);
    MarkRow(sheet, row_number, columns, true, layout.total_fill);
    if (places.share != 0 && !grand.empty()) {
      sheet.SetNumber(row_number + 2, places.share, grand[0]);
      sheet.Bold(platform::ColumnName(places.share) + std::to_string(row_number + 2));
    }
  }
  return row_number;
}

}  // namespace recaps
