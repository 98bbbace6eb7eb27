// A workbook built the way the reports drive a spreadsheet program: named sheets, cells set one
// by one, then fonts, merges, alignment, borders, fills, number formats and column widths on
// ranges. A refused call (a bad range, colour or name) is kept, and the workbook then reports it
// instead of being written.
#ifndef PALUNDA_PLATFORM_WORKBOOK_H_
#define PALUNDA_PLATFORM_WORKBOOK_H_

#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/cell_range.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace platform {

inline constexpr std::string_view kDefaultFontName = "Arial";
inline constexpr double kDefaultFontSize = 10;

struct Cell {
  enum class Kind { kText, kNumber };
  Kind kind = Kind::kText;
  std::string text;  // UTF-8
  double number = 0;
};

struct CellStyle {
  double font_size = 0;       // 0: the sheet's size
  bool bold = false;
  bool wrapped = false;       // WrapText: long text breaks into lines inside the cell
  bool centred = false;       // horizontally and vertically
  int border_weight = 0;      // 0 none; the spreadsheet's weights 1 hairline, 2 thin, 4 thick, -4138 medium
  int fill_index = 0;         // 0 none; otherwise a colour of the default palette, 1 to 56
  std::string number_format;  // empty: the column's format, or General
};

struct ColumnFormat {
  double width = 0;  // in characters; 0 keeps the default width
  std::string number_format;
};

using CellKey = std::pair<int, int>;  // row, column

class Worksheet {
 public:
  explicit Worksheet(std::string name) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }

  // Cells:Font:Name and Size: the font of the whole sheet.
  void SetFont(std::string_view name, double size);
  // Cells(row, column):Value given text in the system's code page: a leading apostrophe keeps the
  // rest as text, other text that reads as a plain decimal number becomes that number, and empty
  // text clears the cell.
  void SetValue(int row, int column, std::string_view text);
  // Cells(row, column):Value given a number.
  void SetNumber(int row, int column, double number);
  // Cells(row, column):Value given a date: its serial number (days since 30-12-1899), shown
  // through the number format the report gives the cells.
  void SetDate(int row, int column, xbase::Date date);
  // Range(range):MergeCells; a block overlapping an earlier merge is refused.
  void Merge(std::string_view range);
  // HorizontalAlignment and VerticalAlignment centred on every cell of the block.
  void Centre(std::string_view range);
  // Font:Bold on every cell of the block.
  void Bold(std::string_view range);
  // Font:Size on every cell of the block (the sheet's font otherwise).
  void SetFontSize(std::string_view range, double size);
  // WrapText on every cell of the block.
  void Wrap(std::string_view range);
  // Borders:Weight on every edge of every cell of the block.
  void SetBorders(std::string_view range, int weight);
  // Interior:ColorIndex, a colour of the default palette (1 to 56).
  void SetFill(std::string_view range, int colour_index);
  // NumberFormat of a block of cells, or of whole columns ("C", "B:D").
  void SetNumberFormat(std::string_view range, std::string_view format);
  // Columns(columns):ColumnWidth, in characters.
  void SetColumnWidth(std::string_view columns, double width);
  // Columns(columns):AutoFit: each column as wide as its widest shown value (cells merged across
  // columns aside).
  void AutoFit(std::string_view columns);

  const std::string& font_name() const { return font_name_; }
  double font_size() const { return font_size_; }
  const std::map<CellKey, Cell>& cells() const { return cells_; }
  const std::map<CellKey, CellStyle>& styles() const { return styles_; }
  const std::vector<CellRange>& merges() const { return merges_; }
  const std::map<int, ColumnFormat>& columns() const { return columns_; }
  // The cell at a place, or nullptr when it is empty.
  const Cell* CellAt(int row, int column) const;
  // The format of a cell, its column's number format filled in.
  CellStyle StyleAt(int row, int column) const;
  // OK, or the first call that was refused.
  const xbase::Status& status() const { return status_; }

 private:
  bool Refuse(xbase::Status status);
  bool ValidPlace(int row, int column);
  // The block of `text` for a call that works on cells, refusing whole columns.
  bool CellBlock(std::string_view text, CellRange* range);
  // The columns of `text` for a call that works on columns ("B:D" or "B4:D9").
  bool ColumnSpan(std::string_view text, CellRange* range);
  template <typename Change>
  void ForEachCell(std::string_view text, Change change);
  double ShownWidth(const Cell& cell, const CellStyle& style) const;

  std::string name_;
  std::string font_name_{kDefaultFontName};
  double font_size_ = kDefaultFontSize;
  std::map<CellKey, Cell> cells_;
  std::map<CellKey, CellStyle> styles_;
  std::vector<CellRange> merges_;
  std::map<int, ColumnFormat> columns_;
  xbase::Status status_;
};

class Workbook {
 public:
  // Adds a sheet after the others (Sheets:Add and Worksheets:Item(n):Name); a name that is empty,
  // longer than 31 characters, holds any of []:*?/\ or is taken is refused, and the sheet then
  // returned is not written.
  Worksheet& AddSheet(std::string_view name);
  // The sheet of that name (any case), or nullptr.
  Worksheet* Sheet(std::string_view name);
  const std::deque<Worksheet>& sheets() const { return sheets_; }
  // OK, or the first refused call of the workbook or any of its sheets.
  xbase::Status status() const;

 private:
  std::deque<Worksheet> sheets_;
  Worksheet refused_{""};
  xbase::Status status_;
};

}  // namespace platform

#endif  // PALUNDA_PLATFORM_WORKBOOK_H_
