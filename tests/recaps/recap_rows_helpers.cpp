// The reports folder of the recap tests and the rows of the workbooks a recap writes.
#include "recaps/recap_rows_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace recaps::testing {

using support::N;
using support::T;

xbase::Value Day(int year, int month, int day) { return xbase::Value::FromDate(xbase::Date::FromYmd(year, month, day)); }

void AddDocument(frame::Session& session, const std::string& header_table, const std::string& line_table,
                 const std::string& number_field, support::Row header, const std::vector<DocLine>& lines) {
  xbase::Value number;
  for (const auto& [field, value] : header) {
    if (field == number_field) number = value;
  }
  support::AddRows(support::Open(session, header_table), {header});
  for (const DocLine& line : lines) {
    support::Row row = {{number_field, number}, {"KODE", T(line.item)}, {"GUDANG", T("GDG1")},
                        {"QUANTITY", N(line.quantity)}, {"HARGA", N(line.price)}};
    // Mutation lines have no discounts.
    if (line.discount != 0) row.push_back({"DISCOUNT", N(line.discount)});
    if (line.discount2 != 0) row.push_back({"DISCOUNT2", N(line.discount2)});
    support::AddRows(support::Open(session, line_table), {row});
  }
}

std::vector<std::string> TableRows(frame::Session& session, const std::string& table,
                                   const std::vector<std::string>& fields) {
  xbase::WorkArea& area = support::Open(session, table);
  std::vector<std::string> rows;
  for (uint32_t recno = 1; recno <= area.table().record_count(); ++recno) {
    EXPECT_TRUE(area.GoTo(recno).ok());
    std::string row;
    for (const std::string& field : fields) {
      xbase::Value value;
      EXPECT_TRUE(area.Get(field, &value).ok()) << field;
      const xbase::FieldHandle handle = area.Field(field);
      const std::string shown(xbase::AllTrim(area.table().Bytes(handle)));
      if (!row.empty()) row += ' ';
      row += field + "=" + shown;
    }
    rows.push_back(row);
  }
  return rows;
}

void UseReportsFolder(frame::Session& session, const std::string& home) {
  platform::WorkstationSettings settings;
  EXPECT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home, &settings).ok());
  session.services().Configure(std::move(settings));
}

std::vector<std::string> Workbooks(const std::string& folder) {
  std::vector<std::string> books;
  if (!std::filesystem::is_directory(folder)) return books;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) books.push_back(entry.path().string());
  std::sort(books.begin(), books.end(), [](const std::string& a, const std::string& b) {
    return std::filesystem::last_write_time(a) < std::filesystem::last_write_time(b) ||
           (std::filesystem::last_write_time(a) == std::filesystem::last_write_time(b) && a < b);
  });
  return books;
}

platform::SheetData ReadSheet(const std::string& path, size_t index) {
  platform::XlsxReader reader;
  platform::SheetData sheet;
  EXPECT_TRUE(reader.Open(path).ok()) << path;
  EXPECT_TRUE(reader.ReadSheet(index, &sheet).ok()) << path;
  return sheet;
}

std::string SheetRow(const platform::SheetData& sheet, int row, int columns) {
  std::string shown;
  for (int column = 1; column <= columns; ++column) {
    if (column > 1) shown += '|';
    const platform::SheetCell* cell = sheet.Find(row, column);
    if (cell == nullptr) continue;
    if (cell->kind == platform::SheetCell::Kind::kText) {
      shown += cell->text;
    } else if (cell->kind == platform::SheetCell::Kind::kNumber) {
      std::string number = xbase::Str(cell->number, 20, 2);
      number = std::string(xbase::AllTrim(number));
      while (number.find('.') != std::string::npos && (number.back() == '0' || number.back() == '.')) {
        const bool dot = number.back() == '.';
        number.pop_back();
        if (dot) break;
      }
      shown += number;
    }
  }
  return shown;
}

}  // namespace recaps::testing
