// Reading .xlsx workbooks: sheet names, cells (text and numbers, shared and inline strings) with
// their formats, merges and column widths.
#ifndef PALUNDA_PLATFORM_XLSX_READER_H_
#define PALUNDA_PLATFORM_XLSX_READER_H_

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/cell_range.h"
#include "xbase/status.h"

namespace platform {

struct SheetCell {
  enum class Kind { kEmpty, kText, kNumber };
  int row = 0;     // from 1
  int column = 0;  // from 1
  Kind kind = Kind::kEmpty;
  std::string text;  // UTF-8, for text cells (shared, inline, formula results, errors)
  double number = 0;  // for number cells (booleans as 0 and 1)
  // The cell's format.
  std::string font_name;
  double font_size = 0;
  bool bold = false;
  bool centred = false;       // horizontally and vertically
  bool wrapped = false;       // text wraps inside the cell
  std::string border;         // the style of its edges ("thin", "medium", ...) when all four share one
  std::string fill_rgb;       // "RRGGBB" of a solid fill, empty without one
  std::string number_format;  // "General" when none was set
};

struct SheetData {
  std::string name;
  std::vector<SheetCell> cells;  // by row, then column
  std::vector<CellRange> merges;
  std::map<int, double> column_widths;  // by column, from 1, as stored (the typed width plus padding)

  // The cell at a place, or nullptr when the sheet has none there.
  const SheetCell* Find(int row, int column) const;
};

class XlsxReader {
 public:
  XlsxReader();
  ~XlsxReader();
  XlsxReader(const XlsxReader&) = delete;
  XlsxReader& operator=(const XlsxReader&) = delete;

  // Opens the workbook and reads its sheet list, shared strings and formats; NotFound for a
  // missing file, Corruption for one that is not a readable workbook.
  xbase::Status Open(const std::string& path);
  const std::vector<std::string>& sheet_names() const;
  // Reads the sheet at `index` (from 0, in workbook order).
  xbase::Status ReadSheet(std::size_t index, SheetData* sheet) const;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

// The first sheet of the workbook at `path`, as the imports take it.
xbase::Status ReadFirstSheet(const std::string& path, SheetData* sheet);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_XLSX_READER_H_
