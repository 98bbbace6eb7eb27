// A workbook built the way the reports drive a spreadsheet program: named sheets, cells, and their formats on ranges.
#include "platform/workbook.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/colour_palette.h"
#include "xbase/cp437.h"
#include "xbase/text_functions.h"

namespace platform {
namespace {

// A plain decimal number: an optional sign, digits with at most one point, an optional exponent.
bool ReadsAsNumber(std::string_view text, double* number) {
  text = xbase::AllTrim(text);
  if (text.empty()) return false;
  std::string_view digits = text;
  if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
  if (digits.empty() || !(std::isdigit(static_cast<unsigned char>(digits.front())) || digits.front() == '.')) return false;
  const std::string plain(text.front() == '+' ? text.substr(1) : text);
  const char* end = plain.data() + plain.size();
  const auto result = std::from_chars(plain.data(), end, *number);
  return result.ec == std::errc() && result.ptr == end;
}

// Characters in a UTF-8 text.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// How many characters a number takes when shown with `format` (its first section): thousands
// separators where it has a comma, its decimals, a percent sign, brackets around negatives.
std::size_t ShownNumberLength(double number, std::string_view format) {
  const std::string_view section = format.substr(0, format.find(';'));
  const bool percent = section.find('%') != std::string_view::npos;
  const std::size_t point = section.find('.');
  int decimals = 0;
  if (point != std::string_view::npos) {
    for (std::size_t i = point + 1; i < section.size() && (section[i] == '0' || section[i] == '#'); ++i) ++decimals;
  }
  char text[64];
  if (format.empty()) {
    std::snprintf(text, sizeof text, "%.10g", number);
    return std::string_view(text).size();
  }
  std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(percent ? number * 100 : number));
  std::size_t length = std::string_view(text).size();
  const std::size_t whole = decimals > 0 ? length - static_cast<std::size_t>(decimals) - 1 : length;
  if (section.find(',') != std::string_view::npos && whole > 3) length += (whole - 1) / 3;
  if (percent) ++length;
  if (number < 0) length += 2;
  return length;
}

}  // namespace

bool Worksheet::Refuse(xbase::Status status) {
  if (status_.ok()) status_ = xbase::Status::InvalidArgument("sheet " + name_, status.message());
  return false;
}

bool Worksheet::ValidPlace(int row, int column) {
  if (row >= 1 && row <= kMaxRows && column >= 1 && column <= kMaxColumns) return true;
  return Refuse(xbase::Status::InvalidArgument("cell (" + std::to_string(row) + ", " + std::to_string(column) + ")",
                                               "outside the sheet"));
}

bool Worksheet::CellBlock(std::string_view text, CellRange* range) {
  const xbase::Status parsed = ParseRange(text, range);
  if (!parsed.ok()) return Refuse(parsed);
  if (range->whole_columns()) {
    return Refuse(xbase::Status::InvalidArgument("range '" + std::string(text) + "'", "give a block of cells such as A4:D9"));
  }
  return true;
}

bool Worksheet::ColumnSpan(std::string_view text, CellRange* range) {
  const xbase::Status parsed = ParseRange(text, range);
  return parsed.ok() || Refuse(parsed);
}

template <typename Change>
void Worksheet::ForEachCell(std::string_view text, Change change) {
  CellRange range;
  if (!CellBlock(text, &range)) return;
  for (int row = range.first_row; row <= range.last_row; ++row) {
    for (int column = range.first_column; column <= range.last_column; ++column) change(styles_[{row, column}]);
  }
}

void Worksheet::SetFont(std::string_view name, double size) {
  if (xbase::AllTrim(name).empty() || size <= 0 || size > 409) {
    Refuse(xbase::Status::InvalidArgument("font '" + std::string(name) + "'", "needs a name and a size from 1 to 409"));
    return;
  }
  font_name_ = std::string(xbase::AllTrim(name));
  font_size_ = size;
}

void Worksheet::SetValue(int row, int column, std::string_view text) {
  if (!ValidPlace(row, column)) return;
  double number = 0;
  if (text.empty()) {
    cells_.erase({row, column});
  } else if (text.front() == '\'') {
    cells_[{row, column}] = Cell{Cell::Kind::kText, xbase::Cp437ToUtf8(text.substr(1)), 0};
  } else if (ReadsAsNumber(text, &number)) {
    cells_[{row, column}] = Cell{Cell::Kind::kNumber, "", number};
  } else {
    cells_[{row, column}] = Cell{Cell::Kind::kText, xbase::Cp437ToUtf8(text), 0};
  }
}

void Worksheet::SetNumber(int row, int column, double number) {
  if (!ValidPlace(row, column)) return;
  if (!std::isfinite(number)) {
    Refuse(xbase::Status::InvalidArgument("cell " + RangeName({row, column, row, column}), "not a finite number"));
    return;
  }
  cells_[{row, column}] = Cell{Cell::Kind::kNumber, "", number};
}

void Worksheet::SetDate(int row, int column, xbase::Date date) {
  if (date.empty()) {
    if (ValidPlace(row, column)) cells_.erase({row, column});
    return;
  }
  SetNumber(row, column, date - xbase::Date::FromYmd(1899, 12, 30));
}

void Worksheet::Merge(std::string_view text) {
  CellRange range;
  if (!CellBlock(text, &range)) return;
  if (range.first_row == range.last_row && range.first_column == range.last_column) return;
  for (const CellRange& merged : merges_) {
    if (merged.Overlaps(range)) {
      Refuse(xbase::Status::InvalidArgument("merge " + std::string(text), "overlaps the merge " + RangeName(merged)));
      return;
    }
  }
  merges_.push_back(range);
}

void Worksheet::Centre(std::string_view range) {
  ForEachCell(range, [](CellStyle& style) { style.centred = true; });
}

void Worksheet::Bold(std::string_view range) {
  ForEachCell(range, [](CellStyle& style) { style.bold = true; });
}

void Worksheet::SetFontSize(std::string_view range, double size) {
  if (size <= 0 || size > 409) {
    Refuse(xbase::Status::InvalidArgument("font size", "use 1 to 409"));
    return;
  }
  ForEachCell(range, [size](CellStyle& style) { style.font_size = size; });
}

void Worksheet::Wrap(std::string_view range) {
  ForEachCell(range, [](CellStyle& style) { style.wrapped = true; });
}

void Worksheet::SetBorders(std::string_view range, int weight) {
  if (weight != 1 && weight != 2 && weight != 4 && weight != -4138) {
    Refuse(xbase::Status::InvalidArgument("border weight " + std::to_string(weight), "use 1, 2, 4 or -4138"));
    return;
  }
  ForEachCell(range, [weight](CellStyle& style) { style.border_weight = weight; });
}

void Worksheet::SetFill(std::string_view range, int colour_index) {
  if (!PaletteColour(colour_index)) {
    Refuse(xbase::Status::InvalidArgument("colour index " + std::to_string(colour_index), "use 1 to 56"));
    return;
  }
  ForEachCell(range, [colour_index](CellStyle& style) { style.fill_index = colour_index; });
}

void Worksheet::SetNumberFormat(std::string_view text, std::string_view format) {
  CellRange range;
  if (!ColumnSpan(text, &range)) return;
  if (range.whole_columns()) {
    for (int column = range.first_column; column <= range.last_column; ++column) {
      columns_[column].number_format = std::string(format);
    }
    return;
  }
  ForEachCell(text, [&format](CellStyle& style) { style.number_format = std::string(format); });
}

void Worksheet::SetColumnWidth(std::string_view text, double width) {
  CellRange range;
  if (!ColumnSpan(text, &range)) return;
  if (width < 0 || width > 255) {
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", width);
    Refuse(xbase::Status::InvalidArgument("column width " + std::string(shown), "use 0 to 255"));
    return;
  }
  for (int column = range.first_column; column <= range.last_column; ++column) columns_[column].width = width;
}

double Worksheet::ShownWidth(const Cell& cell, const CellStyle& style) const {
  const std::size_t characters =
      cell.kind == Cell::Kind::kText ? CharacterCount(cell.text) : ShownNumberLength(cell.number, style.number_format);
  const double size = style.font_size > 0 ? style.font_size : font_size_;
  return static_cast<double>(characters) * (size / kDefaultFontSize) * (style.bold ? 1.1 : 1.0) + 1;
}

void Worksheet::AutoFit(std::string_view text) {
  CellRange range;
  if (!ColumnSpan(text, &range)) return;
  for (int column = range.first_column; column <= range.last_column; ++column) {
    double widest = 0;
    for (const auto& [place, cell] : cells_) {
      const auto [row, at] = place;
      if (at != column || !range.Contains(row, at)) continue;
      // A block merged down one column (a heading over two heading rows) is as wide as that column.
      const bool merged = std::any_of(merges_.begin(), merges_.end(), [&](const CellRange& m) {
        return m.Contains(row, at) && m.first_column != m.last_column;
      });
      if (!merged) widest = std::max(widest, ShownWidth(cell, StyleAt(row, at)));
    }
    if (widest > 0) columns_[column].width = std::min(255.0, std::round(widest * 100) / 100);
  }
}

const Cell* Worksheet::CellAt(int row, int column) const {
  const auto found = cells_.find({row, column});
  return found == cells_.end() ? nullptr : &found->second;
}

CellStyle Worksheet::StyleAt(int row, int column) const {
  const auto found = styles_.find({row, column});
  CellStyle style = found == styles_.end() ? CellStyle() : found->second;
  if (style.number_format.empty()) {
    const auto format = columns_.find(column);
    if (format != columns_.end()) style.number_format = format->second.number_format;
  }
  return style;
}

Worksheet& Workbook::AddSheet(std::string_view name) {
  std::string why;
  if (name.empty() || name.size() > 31) {
    why = "a sheet name has 1 to 31 characters";
  } else if (name.find_first_of("[]:*?/\\") != std::string_view::npos) {
    why = "a sheet name cannot hold any of []:*?/\\";
  } else if (Sheet(name) != nullptr) {
    why = "there is a sheet of that name already";
  }
  if (!why.empty()) {
    if (status_.ok()) status_ = xbase::Status::InvalidArgument("sheet '" + std::string(name) + "'", why);
    refused_ = Worksheet("");
    return refused_;
  }
  return sheets_.emplace_back(std::string(name));
}

Worksheet* Workbook::Sheet(std::string_view name) {
  for (Worksheet& sheet : sheets_) {
    if (xbase::EqualsIgnoreCase(sheet.name(), name)) return &sheet;
  }
  return nullptr;
}

xbase::Status Workbook::status() const {
  if (!status_.ok()) return status_;
  if (sheets_.empty()) return xbase::Status::InvalidArgument("workbook", "no sheets");
  for (const Worksheet& sheet : sheets_) {
    if (!sheet.status().ok()) return sheet.status();
  }
  return xbase::Status::OK();
}

}  // namespace platform
