// Workbooks written as .xlsx files with libxlsxwriter, and handed to the user.
#include "platform/xlsx_writer.h"

#include <xlsxwriter.h>

#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "platform/colour_palette.h"
#include "platform/program_start.h"

namespace platform {
namespace {

uint8_t BorderStyle(int weight) {
  switch (weight) {
    case 1:
      return LXW_BORDER_HAIR;
    case 2:
      return LXW_BORDER_THIN;
    case 4:
      return LXW_BORDER_THICK;
    case -4138:
      return LXW_BORDER_MEDIUM;
    default:
      return LXW_BORDER_NONE;
  }
}

// One libxlsxwriter format for each distinct look, made when first asked for.
class Formats {
 public:
  explicit Formats(lxw_workbook* book) : book_(book) {}

  lxw_format* For(const Worksheet& sheet, const CellStyle& style) {
    const double size = style.font_size > 0 ? style.font_size : sheet.font_size();
    const auto key = std::make_tuple(sheet.font_name(), size, style.bold, style.wrapped, style.centred,
                                     style.border_weight, style.fill_index, style.number_format);
    auto found = formats_.find(key);
    if (found != formats_.end()) return found->second;
    lxw_format* format = workbook_add_format(book_);
    format_set_font_name(format, sheet.font_name().c_str());
    format_set_font_size(format, size);
    if (style.bold) format_set_bold(format);
    if (style.wrapped) format_set_text_wrap(format);
    if (style.centred) {
      format_set_align(format, LXW_ALIGN_CENTER);
      format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    }
    if (style.border_weight != 0) format_set_border(format, BorderStyle(style.border_weight));
    if (const auto colour = PaletteColour(style.fill_index)) {
      format_set_pattern(format, LXW_PATTERN_SOLID);
      format_set_bg_color(format, static_cast<lxw_color_t>(*colour));
    }
    if (!style.number_format.empty()) format_set_num_format(format, style.number_format.c_str());
    return formats_.emplace(key, format).first->second;
  }

 private:
  lxw_workbook* book_;
  std::map<std::tuple<std::string, double, bool, bool, bool, int, int, std::string>, lxw_format*> formats_;
};

lxw_error WriteCell(lxw_worksheet* out, int row, int column, const Cell* cell, lxw_format* format) {
  const auto r = static_cast<lxw_row_t>(row - 1);
  const auto c = static_cast<lxw_col_t>(column - 1);
  if (cell == nullptr) return worksheet_write_blank(out, r, c, format);
  if (cell->kind == Cell::Kind::kNumber) return worksheet_write_number(out, r, c, cell->number, format);
  return worksheet_write_string(out, r, c, cell->text.c_str(), format);
}

lxw_error WriteSheet(const Worksheet& sheet, lxw_worksheet* out, Formats* formats) {
  lxw_error error = LXW_NO_ERROR;
  for (const auto& [column, look] : sheet.columns()) {
    CellStyle style;
    style.number_format = look.number_format;
    const auto c = static_cast<lxw_col_t>(column - 1);
    if (error == LXW_NO_ERROR) {
      error = worksheet_set_column(out, c, c, look.width > 0 ? look.width : LXW_DEF_COL_WIDTH, formats->For(sheet, style));
    }
  }
  // Merges first: they blank their cells, which are then written with their own values and looks.
  for (const CellRange& merge : sheet.merges()) {
    if (error != LXW_NO_ERROR) break;
    error = worksheet_merge_range(out, static_cast<lxw_row_t>(merge.first_row - 1),
                                  static_cast<lxw_col_t>(merge.first_column - 1), static_cast<lxw_row_t>(merge.last_row - 1),
                                  static_cast<lxw_col_t>(merge.last_column - 1), "",
                                  formats->For(sheet, sheet.StyleAt(merge.first_row, merge.first_column)));
  }
  std::set<CellKey> places;
  for (const auto& [place, cell] : sheet.cells()) places.insert(place);
  for (const auto& [place, style] : sheet.styles()) places.insert(place);
  for (const auto& [row, column] : places) {
    if (error != LXW_NO_ERROR) break;
    error = WriteCell(out, row, column, sheet.CellAt(row, column), formats->For(sheet, sheet.StyleAt(row, column)));
  }
  return error;
}

}  // namespace

xbase::Status WriteXlsx(const Workbook& book, const std::string& path) {
  const xbase::Status status = book.status();
  if (!status.ok()) return status;
  lxw_workbook* out = workbook_new(path.c_str());
  if (out == nullptr) return xbase::Status::IOError(path, "cannot start the workbook");
  Formats formats(out);
  lxw_error error = LXW_NO_ERROR;
  for (const Worksheet& sheet : book.sheets()) {
    lxw_worksheet* sheet_out = workbook_add_worksheet(out, sheet.name().c_str());
    if (sheet_out == nullptr) {
      error = LXW_ERROR_SHEETNAME_ALREADY_USED;
      break;
    }
    error = WriteSheet(sheet, sheet_out, &formats);
    if (error != LXW_NO_ERROR) break;
  }
  // Closing writes the file; it also frees the workbook after an error.
  const lxw_error closed = workbook_close(out);
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR) return xbase::Status::IOError(path, lxw_strerror(error));
  return xbase::Status::OK();
}

xbase::Status PublishWorkbook(const Workbook& book, std::string_view title, const WorkstationSettings& settings,
                              std::string* path, const FileClock& clock) {
  const xbase::Status valid = book.status();
  if (!valid.ok()) return valid;
  // The empty file holds the name while the workbook is written over it.
  std::string written;
  xbase::Status status = WriteNewFile(settings.reports_folder, title, ".xlsx", clock, "", &written);
  if (status.ok()) status = WriteXlsx(book, written);
  if (!status.ok()) {
    std::error_code ignored;
    if (!written.empty()) std::filesystem::remove(written, ignored);
    return status;
  }
  *path = written;
  return settings.viewer.empty() ? xbase::Status::OK() : StartProgram(settings.viewer, written);
}

}  // namespace platform
