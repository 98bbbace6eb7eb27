// What the recap reports share: the period windows of a report date, walking a recap table, the
// heading block and rows of their workbooks, and the "OUTPUT EXCELL" choice.
#include "recaps/recap_report.h"

#include "console/alert.h"
#include "frame/spreadsheet.h"
#include "platform/cell_range.h"
#include "recaps/recap_posting.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace recaps {
namespace {

std::string Cell(int row, int column) { return platform::ColumnName(column) + std::to_string(row); }
std::string Block(int row1, int column1, int row2, int column2) { return Cell(row1, column1) + ":" + Cell(row2, column2); }

}  // namespace

Windows::Windows(xbase::Date date) {
  const std::string year = xbase::StrZero(date.year(), 4), before = xbase::StrZero(date.year() - 1, 4);
  const std::string mm = date.Dtos().substr(4, 2);
  year_first = year + "01";
  month = year + mm;
  year_last = year + "12";
  last_year_first = before + "01";
  last_month = before + mm;
  next_month = PeriodOf(date + 1);
  month_number = date.month();
}

bool Begins(std::string_view text, std::string_view prefix) { return text.starts_with(xbase::AllTrim(prefix)); }

xbase::Status ForEachRow(xbase::WorkArea& area, const std::function<void()>& visit) {
  xbase::Status s = area.SetOrder(0);
  if (s.ok()) s = area.GoTop();
  while (s.ok() && !area.eof()) {
    visit();
    s = area.Skip();
  }
  return s;
}

xbase::Status ForEachRowFrom(xbase::WorkArea& area, std::string_view field, std::string_view prefix,
                             const std::function<void()>& visit) {
  const std::string_view trimmed = xbase::AllTrim(prefix);
  xbase::Status s = area.SetOrder(1);
  if (s.ok()) s = area.Seek(trimmed, true);
  while (s.ok() && !area.eof() && area.Text(field).starts_with(trimmed)) {
    visit();
    s = area.Skip();
  }
  return s;
}

int WriteHeadings(platform::Worksheet& sheet, const std::vector<std::string>& titles,
                  const std::vector<Heading>& headings) {
  for (size_t i = 0; i < titles.size(); ++i) sheet.SetValue(static_cast<int>(i) + 1, 1, titles[i]);
  if (!titles.empty()) sheet.Bold(Block(1, 1, static_cast<int>(titles.size()), 1));
  int column = 1;
  for (const Heading& heading : headings) {
    sheet.SetValue(4, column, heading.text);
    if (heading.subs.empty()) {
      sheet.Merge(Block(4, column, 5, column));
      ++column;
      continue;
    }
    const int span = static_cast<int>(heading.subs.size());
    if (span > 1) sheet.Merge(Block(4, column, 4, column + span - 1));
    for (int i = 0; i < span; ++i) sheet.SetValue(5, column + i, heading.subs[static_cast<size_t>(i)]);
    column += span;
  }
  const int columns = column - 1;
  if (columns == 0) return 0;
  const std::string block = Block(4, 1, 5, columns);
  sheet.Centre(block);
  sheet.Bold(block);
  sheet.SetBorders(block, frame::kBorderWeight);
  return columns;
}

void WriteLabel(platform::Worksheet& sheet, int row, std::string_view code, std::string_view name) {
  sheet.SetValue(row, 1, frame::AsText(xbase::RTrim(code)));
  sheet.SetValue(row, 2, xbase::RTrim(name));
}

void WriteNumbers(platform::Worksheet& sheet, int row, int first, const std::vector<double>& numbers) {
  for (size_t i = 0; i < numbers.size(); ++i) sheet.SetNumber(row, first + static_cast<int>(i), numbers[i]);
}

void MarkRow(platform::Worksheet& sheet, int row, int columns, bool bold, int fill) {
  const std::string block = Block(row, 1, row, columns);
  if (bold) sheet.Bold(block);
  if (fill != 0) sheet.SetFill(block, fill);
}

void FinishSheet(platform::Worksheet& sheet, int last_row, int columns) {
  if (last_row >= 6) sheet.SetBorders(Block(6, 1, last_row, columns), frame::kBorderWeight);
  sheet.SetColumnWidth("A", 12);
  if (columns >= 2) sheet.AutoFit("B:" + platform::ColumnName(columns));
}

void ShowBook(frame::Session& session, std::string_view file_title, const std::vector<std::string>& sheets,
              const std::vector<std::string>& titles, const std::vector<Heading>& headings,
              const std::function<int(platform::Worksheet& sheet, size_t number, int columns)>& body) {
  frame::SpreadsheetExport book(session, std::string(file_title));
  book.NameSheets(sheets);
  for (size_t i = 0; i < sheets.size(); ++i) {
    platform::Worksheet& sheet = book.Select(sheets[i]);
    std::vector<std::string> lines = titles;
    if (sheets.size() > 1) {
      lines.resize(2);
      lines.push_back(sheets[i]);
    }
    const int columns = WriteHeadings(sheet, lines, headings);
    // Amounts from column C; a report's own formats (percentages) are set by its rows over this.
    if (columns >= 3) sheet.SetNumberFormat("C:" + platform::ColumnName(columns), frame::kAmountFormat);
    FinishSheet(sheet, body(sheet, i, columns), columns);
  }
  book.Show();
}

void AskOutput(frame::Session& session, const std::function<void(bool detail)>& write) {
  for (;;) {
    const int choice = console::Alert(session.console(), "OUTPUT EXCELL", {"Group", "Detail", "Keluar"});
    if (choice != 1 && choice != 2) return;
    write(choice == 2);
  }
}

xbase::Status ReadCodeNames(xbase::WorkArea& area, std::vector<CodeName>* rows) {
  rows->clear();
  return ForEachRow(area, [&] { rows->push_back({area.Text("KODE"), std::string(xbase::RTrim(area.Text("NAMA")))}); });
}

void AddTo(std::vector<double>* sum, const std::vector<double>& figures) {
  if (sum->size() < figures.size()) sum->resize(figures.size());
  for (size_t i = 0; i < figures.size(); ++i) (*sum)[i] += figures[i];
}

bool AllZero(const std::vector<double>& figures) {
  for (const double figure : figures) {
    if (figure != 0) return false;
  }
  return true;
}

}  // namespace recaps
