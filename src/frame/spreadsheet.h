// The spreadsheet exports: a workbook filled cell by cell and formatted the way the reports drive a
// spreadsheet program, then written as an .xlsx file into the reports folder of Palunda.ini and
// opened with the viewer set there.
//
//   SpreadsheetExport book(session, "REKAP PENJUALAN");  // Workbooks:Add, one sheet "Sheet1"
//   book.NameSheets({"Carton", "Value"});                // only for reports with several sheets
//   platform::Worksheet& sheet = book.Select("Carton");  // Sheets(name):Select, ActiveSheet
//   sheet.SetValue(1, 1, "REKAP ...");                   // Cells(row, column):Value
//   sheet.SetValue(6, 2, AsText(code));                  // codes kept as text
//   sheet.SetNumber(6, 3, Ratio(real, target));          // a / b * 100, 0 for b = 0
//   sheet.SetNumberFormat("C:F", kAmountFormat);
//   book.Show();                                         // Visible: written, path on row 24
#ifndef PALUNDA_FRAME_SPREADSHEET_H_
#define PALUNDA_FRAME_SPREADSHEET_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "platform/workbook.h"

namespace frame {

// Number formats of the exports: amounts and counts, two-decimal amounts, percentages.
inline constexpr std::string_view kAmountFormat = "#,##0_);[Red](#,##0)";
inline constexpr std::string_view kTwoDecimalFormat = "#,##0.00_);[Red](#,##0.00)";
inline constexpr std::string_view kPercentFormat = "#,##%;[Red](#,##%)";
// Borders of the heading and data blocks, and the fill of first-level group totals.
inline constexpr int kBorderWeight = 2;
inline constexpr int kGroupTotalFill = 6;

// A code as a cell value that the spreadsheet keeps as text: "'" + code.
std::string AsText(std::string_view code);
// A ratio column's value: a / b x 100, 0 when b is 0.
double Ratio(double a, double b);
// The fill of a group total at `level` (1 for the first level): 6, then level + 32.
int GroupTotalFill(int level);

class SpreadsheetExport {
 public:
  // A new workbook titled `title` (which names its file) with one active sheet "Sheet1", in
  // "Arial" 10.
  SpreadsheetExport(Session& session, std::string title);
  SpreadsheetExport(const SpreadsheetExport&) = delete;
  SpreadsheetExport& operator=(const SpreadsheetExport&) = delete;

  // The workbook's sheets become `names`, in order; the first is active.
  void NameSheets(const std::vector<std::string>& names);
  // Makes the sheet of that name (any case) active and gives it; a sheet of a new name is added.
  platform::Worksheet& Select(std::string_view name);
  platform::Worksheet& ActiveSheet() { return *active_; }
  const platform::Workbook& book() const { return book_; }

  // Visible: writes the workbook as a new file in the reports folder, tells its path on row 24 and
  // starts the viewer; false after a message when it could not be written. The path goes to *path
  // when asked for.
  bool Show(std::string* path = nullptr);

 private:
  Session& session_;
  std::string title_;
  platform::Workbook book_;
  platform::Worksheet* active_ = nullptr;
};

}  // namespace frame

#endif  // PALUNDA_FRAME_SPREADSHEET_H_
