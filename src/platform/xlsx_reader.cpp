// Reading .xlsx workbooks: sheet names, cells (text and numbers, shared and inline strings) with
// their formats, merges and column widths.
#include "platform/xlsx_reader.h"

#include <zip.h>

#include <charconv>
#include <cstring>
#include <filesystem>
#include <pugixml.hpp>

namespace platform {
namespace {

constexpr zip_uint64_t kLargestPart = 256u << 20;

// The formats of the spreadsheet's own numbers that a file names by number alone.
std::string BuiltInFormat(int id) {
  static const std::map<int, std::string> kFormats = {
      {0, "General"}, {1, "0"}, {2, "0.00"}, {3, "#,##0"}, {4, "#,##0.00"},
      {5, "($#,##0_);($#,##0)"}, {6, "($#,##0_);[Red]($#,##0)"}, {7, "($#,##0.00_);($#,##0.00)"},
      {8, "($#,##0.00_);[Red]($#,##0.00)"}, {9, "0%"}, {10, "0.00%"}, {11, "0.00E+00"}, {12, "# ?/?"},
      {13, "# ?\?/??"}, {14, "m/d/yy"}, {15, "d-mmm-yy"}, {16, "d-mmm"}, {17, "mmm-yy"}, {18, "h:mm AM/PM"},
      {19, "h:mm:ss AM/PM"}, {20, "h:mm"}, {21, "h:mm:ss"}, {22, "m/d/yy h:mm"}, {37, "(#,##0_);(#,##0)"},
      {38, "(#,##0_);[Red](#,##0)"}, {39, "(#,##0.00_);(#,##0.00)"}, {40, "(#,##0.00_);[Red](#,##0.00)"},
      {45, "mm:ss"}, {46, "[h]:mm:ss"}, {47, "mm:ss.0"}, {48, "##0.0E+0"}, {49, "@"}};
  const auto found = kFormats.find(id);
  return found == kFormats.end() ? "General" : found->second;
}

// Element names without their namespace prefix.
bool Named(const pugi::xml_node& node, const char* name) {
  const char* full = node.name();
  const char* colon = std::strchr(full, ':');
  return std::strcmp(colon == nullptr ? full : colon + 1, name) == 0;
}

pugi::xml_node Child(const pugi::xml_node& parent, const char* name) {
  for (pugi::xml_node child : parent.children()) {
    if (Named(child, name)) return child;
  }
  return {};
}

template <typename Visit>
void EachChild(const pugi::xml_node& parent, const char* name, Visit visit) {
  for (pugi::xml_node child : parent.children()) {
    if (Named(child, name)) visit(child);
  }
}

// The text of every <t> under `node`, leaving out phonetic runs.
std::string TextOf(const pugi::xml_node& node) {
  std::string text;
  for (pugi::xml_node child : node.children()) {
    if (Named(child, "t")) {
      text += child.text().get();
    } else if (Named(child, "r")) {
      text += TextOf(child);
    }
  }
  return text;
}

bool ReadNumber(std::string_view text, double* number) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), *number);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

struct Look {
  std::string font_name;
  double font_size = 0;
  bool bold = false;
  bool centred = false;
  bool wrapped = false;
  std::string border;
  std::string fill_rgb;
  std::string number_format = "General";
};

struct Font {
  std::string name;
  double size = 0;
  bool bold = false;
};

std::string FillColour(const pugi::xml_node& fill) {
  const pugi::xml_node pattern = Child(fill, "patternFill");
  if (std::strcmp(pattern.attribute("patternType").as_string(), "solid") != 0) return "";
  std::string rgb = Child(pattern, "fgColor").attribute("rgb").as_string();
  return rgb.size() == 8 ? rgb.substr(2) : rgb;
}

std::string BorderStyle(const pugi::xml_node& border) {
  std::string shared;
  for (const char* edge : {"left", "right", "top", "bottom"}) {
    const std::string style = Child(border, edge).attribute("style").as_string();
    if (edge == std::string_view("left")) {
      shared = style;
    } else if (style != shared) {
      return "mixed";
    }
  }
  return shared;
}

std::vector<Look> ReadLooks(const pugi::xml_node& styles) {
  std::map<int, std::string> custom;
  EachChild(Child(styles, "numFmts"), "numFmt", [&](const pugi::xml_node& format) {
    custom[format.attribute("numFmtId").as_int()] = format.attribute("formatCode").as_string();
  });
  std::vector<Font> fonts;
  EachChild(Child(styles, "fonts"), "font", [&](const pugi::xml_node& font) {
    const pugi::xml_node bold = Child(font, "b");
    fonts.push_back({Child(font, "name").attribute("val").as_string(), Child(font, "sz").attribute("val").as_double(),
                     bold && bold.attribute("val").as_bool(true)});
  });
  std::vector<std::string> fills;
  EachChild(Child(styles, "fills"), "fill", [&](const pugi::xml_node& fill) { fills.push_back(FillColour(fill)); });
  std::vector<std::string> borders;
  EachChild(Child(styles, "borders"), "border", [&](const pugi::xml_node& border) { borders.push_back(BorderStyle(border)); });
  std::vector<Look> looks;
  EachChild(Child(styles, "cellXfs"), "xf", [&](const pugi::xml_node& xf) {
    Look look;
    const std::size_t font = xf.attribute("fontId").as_uint();
    if (font < fonts.size()) look = {fonts[font].name, fonts[font].size, fonts[font].bold};
    const std::size_t fill = xf.attribute("fillId").as_uint();
    if (fill < fills.size()) look.fill_rgb = fills[fill];
    const std::size_t border = xf.attribute("borderId").as_uint();
    if (border < borders.size()) look.border = borders[border];
    const pugi::xml_node alignment = Child(xf, "alignment");
    look.centred = std::strcmp(alignment.attribute("horizontal").as_string(), "center") == 0 &&
                   std::strcmp(alignment.attribute("vertical").as_string(), "center") == 0;
    look.wrapped = alignment.attribute("wrapText").as_bool(false);
    const int format = xf.attribute("numFmtId").as_int();
    look.number_format = custom.count(format) != 0 ? custom[format] : BuiltInFormat(format);
    looks.push_back(std::move(look));
  });
  return looks;
}

}  // namespace

struct XlsxReader::Parts {
  ~Parts() {
    if (zip != nullptr) zip_discard(zip);
  }

  // The bytes of one part of the package; an absent part is empty when `optional`.
  xbase::Status Read(const std::string& name, bool optional, std::string* bytes) const {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(zip, name.c_str(), 0, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
      bytes->clear();
      return optional ? xbase::Status::OK() : xbase::Status::Corruption(path, name + " is missing");
    }
    if (stat.size > kLargestPart) return xbase::Status::Corruption(path, name + " is too large");
    zip_file_t* file = zip_fopen(zip, name.c_str(), 0);
    if (file == nullptr) return xbase::Status::Corruption(path, name + " cannot be opened");
    bytes->resize(stat.size);
    const zip_int64_t got = zip_fread(file, bytes->data(), stat.size);
    zip_fclose(file);
    if (got < 0 || static_cast<zip_uint64_t>(got) != stat.size) return xbase::Status::Corruption(path, name + " cannot be read");
    return xbase::Status::OK();
  }

  xbase::Status Parse(const std::string& name, bool optional, pugi::xml_document* document) const {
    std::string bytes;
    const xbase::Status read = Read(name, optional, &bytes);
    if (!read.ok() || bytes.empty()) return read;
    const pugi::xml_parse_result parsed = document->load_buffer(bytes.data(), bytes.size());
    if (!parsed) return xbase::Status::Corruption(path, name + ": " + parsed.description());
    return xbase::Status::OK();
  }

  std::string path;
  zip_t* zip = nullptr;
  std::vector<std::string> names;
  std::vector<std::string> sheet_parts;
  std::vector<std::string> shared;
  std::vector<Look> looks;
};

XlsxReader::XlsxReader() : parts_(std::make_unique<Parts>()) {}
XlsxReader::~XlsxReader() = default;

xbase::Status XlsxReader::Open(const std::string& path) {
  parts_ = std::make_unique<Parts>();
  parts_->path = path;
  std::error_code ignored;
  if (!std::filesystem::exists(path, ignored)) return xbase::Status::NotFound(path, "no such file");
  int error = 0;
  parts_->zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (parts_->zip == nullptr) return xbase::Status::Corruption(path, "not a workbook (not a zip package)");

  pugi::xml_document workbook, relations, strings, styles;
  xbase::Status status = parts_->Parse("xl/workbook.xml", false, &workbook);
  if (status.ok()) status = parts_->Parse("xl/_rels/workbook.xml.rels", false, &relations);
  if (status.ok()) status = parts_->Parse("xl/sharedStrings.xml", true, &strings);
  if (status.ok()) status = parts_->Parse("xl/styles.xml", true, &styles);
  if (!status.ok()) return status;

  std::map<std::string, std::string> targets;
  EachChild(relations.first_child(), "Relationship", [&](const pugi::xml_node& relation) {
    std::string target = relation.attribute("Target").as_string();
    targets[relation.attribute("Id").as_string()] = target.starts_with('/') ? target.substr(1) : "xl/" + target;
  });
  EachChild(Child(workbook.first_child(), "sheets"), "sheet", [&](const pugi::xml_node& sheet) {
    parts_->names.emplace_back(sheet.attribute("name").as_string());
    parts_->sheet_parts.push_back(targets[sheet.attribute("r:id").as_string()]);
  });
  if (parts_->names.empty()) return xbase::Status::Corruption(path, "the workbook has no sheets");
  EachChild(strings.first_child(), "si", [&](const pugi::xml_node& item) { parts_->shared.push_back(TextOf(item)); });
  parts_->looks = ReadLooks(styles.first_child());
  return xbase::Status::OK();
}

const std::vector<std::string>& XlsxReader::sheet_names() const { return parts_->names; }

xbase::Status XlsxReader::ReadSheet(std::size_t index, SheetData* sheet) const {
  if (index >= parts_->names.size()) {
    return xbase::Status::NotFound(parts_->path, "no sheet " + std::to_string(index + 1));
  }
  pugi::xml_document document;
  const std::string& part = parts_->sheet_parts[index];
  if (part.empty()) return xbase::Status::Corruption(parts_->path, "sheet " + parts_->names[index] + " has no part");
  const xbase::Status parsed = parts_->Parse(part, false, &document);
  if (!parsed.ok()) return parsed;
  const pugi::xml_node root = document.first_child();

  SheetData read;
  read.name = parts_->names[index];
  xbase::Status status;
  int row_number = 0;
  EachChild(Child(root, "sheetData"), "row", [&](const pugi::xml_node& row) {
    row_number = row.attribute("r").as_int(row_number + 1);
    int column_number = 0;
    EachChild(row, "c", [&](const pugi::xml_node& c) {
      SheetCell cell;
      CellRange place{row_number, column_number + 1, row_number, column_number + 1};
      if (c.attribute("r") && !ParseRange(c.attribute("r").as_string(), &place).ok() && status.ok()) {
        status = xbase::Status::Corruption(parts_->path, part + ": bad cell reference " + c.attribute("r").as_string());
      }
      cell.row = place.first_row;
      cell.column = column_number = place.first_column;
      const std::string type = c.attribute("t").as_string();
      const pugi::xml_node value = Child(c, "v");
      const char* text = value.text().get();
      if (type == "s") {
        const std::size_t item = value.text().as_uint();
        cell.kind = SheetCell::Kind::kText;
        if (item < parts_->shared.size()) {
          cell.text = parts_->shared[item];
        } else if (status.ok()) {
          status = xbase::Status::Corruption(parts_->path, part + ": shared string " + std::to_string(item) + " is missing");
        }
      } else if (type == "inlineStr") {
        cell.kind = SheetCell::Kind::kText;
        cell.text = TextOf(Child(c, "is"));
      } else if (type == "str" || type == "e" || type == "d") {
        cell.kind = SheetCell::Kind::kText;
        cell.text = text;
      } else if (value) {
        cell.kind = SheetCell::Kind::kNumber;
        if (!ReadNumber(text, &cell.number) && status.ok()) {
          status = xbase::Status::Corruption(parts_->path, part + ": '" + text + "' is not a number");
        }
      }
      const std::size_t style = c.attribute("s").as_uint();
      if (style < parts_->looks.size()) {
        const Look& look = parts_->looks[style];
        cell.font_name = look.font_name;
        cell.font_size = look.font_size;
        cell.bold = look.bold;
        cell.centred = look.centred;
        cell.wrapped = look.wrapped;
        cell.border = look.border;
        cell.fill_rgb = look.fill_rgb;
        cell.number_format = look.number_format;
      } else {
        cell.number_format = "General";
      }
      read.cells.push_back(std::move(cell));
    });
  });
  EachChild(Child(root, "mergeCells"), "mergeCell", [&](const pugi::xml_node& merge) {
    CellRange range;
    if (ParseRange(merge.attribute("ref").as_string(), &range).ok()) read.merges.push_back(range);
  });
  EachChild(Child(root, "cols"), "col", [&](const pugi::xml_node& col) {
    const int first = std::max(1, col.attribute("min").as_int());
    const int last = std::min(kMaxColumns, col.attribute("max").as_int());
    for (int column = first; column <= last; ++column) read.column_widths[column] = col.attribute("width").as_double();
  });
  if (!status.ok()) return status;
  *sheet = std::move(read);
  return xbase::Status::OK();
}

const SheetCell* SheetData::Find(int row, int column) const {
  for (const SheetCell& cell : cells) {
    if (cell.row == row && cell.column == column) return &cell;
  }
  return nullptr;
}

xbase::Status ReadFirstSheet(const std::string& path, SheetData* sheet) {
  XlsxReader reader;
  const xbase::Status opened = reader.Open(path);
  return opened.ok() ? reader.ReadSheet(0, sheet) : opened;
}

}  // namespace platform
