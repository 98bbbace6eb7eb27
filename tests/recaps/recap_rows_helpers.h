// Rows the recap tests write and read: documents with their lines, and the recap tables read back as
// text, one line per record.
#ifndef PALUNDA_TESTS_RECAPS_RECAP_ROWS_HELPERS_H_
#define PALUNDA_TESTS_RECAPS_RECAP_ROWS_HELPERS_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "platform/xlsx_reader.h"
#include "support/data_folder.h"
#include "xbase/date.h"

namespace recaps::testing {

xbase::Value Day(int year, int month, int day);
inline xbase::Value L(bool flag) { return xbase::Value::Logical(flag); }

// One line of a document: item, quantity, price and the two line discounts.
struct DocLine {
  std::string item;
  double quantity = 0;
  double price = 0;
  double discount = 0;
  double discount2 = 0;
};

// Appends a document header (`header` fields) and its lines to the header and line tables; the lines
// carry the number under `number_field` and the warehouse "GDG1".
void AddDocument(frame::Session& session, const std::string& header_table, const std::string& line_table,
                 const std::string& number_field, support::Row header, const std::vector<DocLine>& lines);

// Every record of an open table as "field=value" pairs of the named fields, trimmed, blank-separated;
// numbers as the field stores them, trimmed.
std::vector<std::string> TableRows(frame::Session& session, const std::string& table,
                                   const std::vector<std::string>& fields);

// Workbooks of the session go into `home`/reports (Palunda.ini without sections read from `home`).
void UseReportsFolder(frame::Session& session, const std::string& home);

// The workbooks written into a reports folder, oldest first.
std::vector<std::string> Workbooks(const std::string& folder);

// A sheet of a workbook read back; fails the test when it cannot be read.
platform::SheetData ReadSheet(const std::string& path, size_t index);

// The shown text of a row of a sheet from column 1 to `columns`: text as it is, numbers with up to
// two decimals and no trailing zeros, empty cells as "", joined by "|".
std::string SheetRow(const platform::SheetData& sheet, int row, int columns);

}  // namespace recaps::testing

#endif  // PALUNDA_TESTS_RECAPS_RECAP_ROWS_HELPERS_H_
