// Workbook cells, ranges, formats and colours as the spreadsheet reads them.
#include "platform/workbook.h"

#include <gtest/gtest.h>

#include "platform/colour_palette.h"

namespace platform {
namespace {

TEST(CellRangeTest, ReadsCellsBlocksAndWholeColumns) {
  CellRange range;
  ASSERT_TRUE(ParseRange("a4:B5", &range).ok());
  EXPECT_EQ(range, (CellRange{4, 1, 5, 2}));
  ASSERT_TRUE(ParseRange("D9:B2", &range).ok());
  EXPECT_EQ(range, (CellRange{2, 2, 9, 4}));
  ASSERT_TRUE(ParseRange("AA1", &range).ok());
  EXPECT_EQ(range, (CellRange{1, 27, 1, 27}));
  ASSERT_TRUE(ParseRange("B:D", &range).ok());
  EXPECT_EQ(range, (CellRange{1, 2, kMaxRows, 4}));
  EXPECT_TRUE(range.whole_columns());
  ASSERT_TRUE(ParseRange("XFD1048576", &range).ok());
  EXPECT_EQ(range, (CellRange{kMaxRows, kMaxColumns, kMaxRows, kMaxColumns}));
  for (const char* bad : {"", "4", "A0", "A4:B", "XFE1", "A1048577", "A4:", "A-4", "A4 "}) {
    EXPECT_TRUE(ParseRange(bad, &range).IsInvalidArgument()) << bad;
  }
  EXPECT_EQ(ColumnName(1), "A");
  EXPECT_EQ(ColumnName(26), "Z");
  EXPECT_EQ(ColumnName(27), "AA");
  EXPECT_EQ(ColumnName(16384), "XFD");
  EXPECT_EQ(RangeName({4, 1, 5, 2}), "A4:B5");
  EXPECT_EQ(RangeName({6, 3, 6, 3}), "C6");
  EXPECT_EQ(RangeName({1, 2, kMaxRows, 4}), "B:D");
}

TEST(ColourPaletteTest, HoldsTheDefaultFiftySixColours) {
  EXPECT_EQ(PaletteColour(1), 0x000000u);
  EXPECT_EQ(PaletteColour(6), 0xFFFF00u);
  EXPECT_EQ(PaletteColour(15), 0xC0C0C0u);
  EXPECT_EQ(PaletteColour(33), 0x00CCFFu);
  EXPECT_EQ(PaletteColour(35), 0xCCFFCCu);
  EXPECT_EQ(PaletteColour(36), 0xFFFF99u);
  EXPECT_EQ(PaletteColour(56), 0x333333u);
  EXPECT_EQ(PaletteColour(0), std::nullopt);
  EXPECT_EQ(PaletteColour(57), std::nullopt);
}

TEST(WorksheetTest, ValuesAreTextOrNumbersAsTheSpreadsheetTakesThem) {
  Workbook book;
  Worksheet& sheet = book.AddSheet("Value");
  sheet.SetValue(6, 1, "'00123");        // a code kept as text
  sheet.SetValue(6, 2, "00123");         // the same without the apostrophe is a number
  sheet.SetValue(6, 3, " -12.50 ");
  sheet.SetValue(6, 4, "1,234");         // not a plain number
  sheet.SetValue(6, 5, "TOKO \x82" "LAN");  // code page text becomes UTF-8
  sheet.SetValue(6, 6, "'");
  sheet.SetNumber(6, 7, 2.5);
  sheet.SetValue(6, 8, "x");
  sheet.SetValue(6, 8, "");              // empty text clears the cell
  sheet.SetValue(6, 9, "1e3");
  sheet.SetValue(6, 10, "nan");
  ASSERT_TRUE(book.status().ok());
  auto text = [&](int column) { return sheet.CellAt(6, column)->text; };
  auto number = [&](int column) { return sheet.CellAt(6, column)->number; };
  EXPECT_EQ(sheet.CellAt(6, 1)->kind, Cell::Kind::kText);
  EXPECT_EQ(text(1), "00123");
  EXPECT_EQ(sheet.CellAt(6, 2)->kind, Cell::Kind::kNumber);
  EXPECT_EQ(number(2), 123);
  EXPECT_EQ(number(3), -12.5);
  EXPECT_EQ(text(4), "1,234");
  EXPECT_EQ(text(5), "TOKO éLAN");
  EXPECT_EQ(sheet.CellAt(6, 6)->kind, Cell::Kind::kText);
  EXPECT_EQ(text(6), "");
  EXPECT_EQ(number(7), 2.5);
  EXPECT_EQ(sheet.CellAt(6, 8), nullptr);
  EXPECT_EQ(number(9), 1000);
  EXPECT_EQ(text(10), "nan");
}

TEST(WorksheetTest, FormatsLandOnEveryCellOfTheirBlock) {
  Workbook book;
  Worksheet& sheet = book.AddSheet("Carton");
  sheet.SetFont("Arial", 12);
  sheet.Bold("A4:B5");
  sheet.Centre("A4:B5");
  sheet.SetBorders("A4:C6", 2);
  sheet.SetFill("C6", 33);
  sheet.SetNumberFormat("C:C", "#,##0_);[Red](#,##0)");
  sheet.SetNumberFormat("C5", "#,##0.00_);[Red](#,##0.00)");
  sheet.Merge("A4:A5");
  ASSERT_TRUE(book.status().ok());
  EXPECT_EQ(sheet.font_name(), "Arial");
  EXPECT_EQ(sheet.font_size(), 12);
  const CellStyle corner = sheet.StyleAt(5, 2);
  EXPECT_TRUE(corner.bold);
  EXPECT_TRUE(corner.centred);
  EXPECT_EQ(corner.border_weight, 2);
  EXPECT_EQ(corner.fill_index, 0);
  const CellStyle filled = sheet.StyleAt(6, 3);
  EXPECT_FALSE(filled.bold);
  EXPECT_EQ(filled.fill_index, 33);
  EXPECT_EQ(filled.number_format, "#,##0_);[Red](#,##0)");
  EXPECT_EQ(sheet.StyleAt(5, 3).number_format, "#,##0.00_);[Red](#,##0.00)");
  EXPECT_EQ(sheet.StyleAt(900, 3).number_format, "#,##0_);[Red](#,##0)");
  EXPECT_EQ(sheet.StyleAt(7, 1).border_weight, 0);
  EXPECT_EQ(sheet.merges(), (std::vector<CellRange>{{4, 1, 5, 1}}));
}

TEST(WorksheetTest, AutoFitWidensToTheWidestShownValueLeavingMergedCellsAside) {
  Workbook book;
  Worksheet& sheet = book.AddSheet("Fit");
  sheet.SetValue(1, 1, "REKAP PENJUALAN PER SALESMAN BULAN MARET");  // merged title
  sheet.Merge("A1:C1");
  sheet.SetValue(6, 1, "'S001");
  sheet.SetValue(7, 1, "BUDI SANTOSO");
  sheet.SetValue(4, 4, "TGT BL DP");  // a heading merged down its column counts
  sheet.Merge("D4:D5");
  sheet.SetNumber(6, 4, 30);
  sheet.SetNumber(6, 2, -1234567);
  sheet.SetNumberFormat("B:B", "#,##0_);[Red](#,##0)");
  sheet.SetNumber(6, 3, 0.125);
  sheet.SetNumberFormat("C6", "#,##.00%;[Red](#,##.00%)");
  sheet.Bold("A7");
  sheet.AutoFit("A:E");
  ASSERT_TRUE(book.status().ok());
  EXPECT_DOUBLE_EQ(sheet.columns().at(1).width, 14.2);  // 12 bold characters
  EXPECT_DOUBLE_EQ(sheet.columns().at(2).width, 12);    // "(1,234,567)"
  EXPECT_DOUBLE_EQ(sheet.columns().at(3).width, 7);     // "12.50%"
  EXPECT_DOUBLE_EQ(sheet.columns().at(4).width, 10);    // "TGT BL DP", not "30"
  EXPECT_EQ(sheet.columns().count(5), 0u);              // nothing to fit
  sheet.SetFont("Arial", 20);
  sheet.AutoFit("A");
  EXPECT_DOUBLE_EQ(sheet.columns().at(1).width, 27.4);
  sheet.SetColumnWidth("A", 12);
  EXPECT_DOUBLE_EQ(sheet.columns().at(1).width, 12);
}

TEST(WorkbookTest, RefusedCallsAreKeptAndReported) {
  Workbook book;
  EXPECT_EQ(book.status().message(), "workbook: no sheets");
  Worksheet& sheet = book.AddSheet("Carton");
  book.AddSheet("carton").SetValue(1, 1, "ignored");
  EXPECT_EQ(book.status().message(), "sheet 'carton': there is a sheet of that name already");
  EXPECT_EQ(book.sheets().size(), 1u);
  EXPECT_EQ(book.Sheet("CARTON"), &sheet);
  EXPECT_EQ(book.Sheet("Value"), nullptr);

  auto first_refusal = [](void (*call)(Worksheet&)) {
    Workbook fresh;
    call(fresh.AddSheet("S"));
    return fresh.status().message();
  };
  EXPECT_EQ(first_refusal([](Worksheet& s) { s.Bold("A4:"); }),
            "sheet S: range 'A4:': not a cell, block or column such as A4, A4:B5 or B:D");
  EXPECT_EQ(first_refusal([](Worksheet& s) { s.Bold("A:B"); }), "sheet S: range 'A:B': give a block of cells such as A4:D9");
  EXPECT_EQ(first_refusal([](Worksheet& s) { s.SetFill("A1", 57); }), "sheet S: colour index 57: use 1 to 56");
  EXPECT_EQ(first_refusal([](Worksheet& s) { s.SetBorders("A1", 3); }), "sheet S: border weight 3: use 1, 2, 4 or -4138");
  EXPECT_EQ(first_refusal([](Worksheet& s) { s.SetValue(0, 1, "x"); }), "sheet S: cell (0, 1): outside the sheet");
  EXPECT_EQ(first_refusal([](Worksheet& s) {
              s.Merge("A4:B5");
              s.Merge("B5:C6");
            }),
            "sheet S: merge B5:C6: overlaps the merge A4:B5");
  EXPECT_EQ(first_refusal([](Worksheet& s) { s.SetFont("", 10); }), "sheet S: font '': needs a name and a size from 1 to 409");
  EXPECT_EQ(first_refusal([](Worksheet& s) { s.SetColumnWidth("A", 300); }), "sheet S: column width 300: use 0 to 255");

  Workbook names;
  names.AddSheet("Rekap:Maret");
  EXPECT_EQ(names.status().message(), "sheet 'Rekap:Maret': a sheet name cannot hold any of []:*?/\\");
  Workbook long_name;
  long_name.AddSheet(std::string(32, 'x'));
  EXPECT_EQ(long_name.status().message(), "sheet '" + std::string(32, 'x') + "': a sheet name has 1 to 31 characters");
}

}  // namespace
}  // namespace platform
