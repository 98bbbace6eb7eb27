// Spreadsheet exports: a workbook filled as the reports fill it, written into the reports folder
// and read back.
#include "frame/spreadsheet.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "console/keys.h"
#include "platform/xlsx_reader.h"
#include "support/files.h"
#include "support/scripted_session.h"
#include "support/temp_folder.h"

namespace frame {
namespace {

class SpreadsheetTest : public ::testing::Test {
 protected:
  SpreadsheetTest() {
    platform::WorkstationSettings settings;
    EXPECT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
    rig.session.services().Configure(std::move(settings));
    rig.session.services().set_file_clock([] { return std::time_t{1796000000}; });
  }

  support::TempFolder home;
  support::SessionRig rig;
};

TEST_F(SpreadsheetTest, RatiosCodesAndGroupFills) {
  EXPECT_EQ(Ratio(45, 60), 75);
  EXPECT_EQ(Ratio(45, 0), 0);
  EXPECT_EQ(AsText("00123"), "'00123");
  EXPECT_EQ(GroupTotalFill(1), 6);
  EXPECT_EQ(GroupTotalFill(2), 34);
  EXPECT_EQ(GroupTotalFill(3), 35);
}

TEST_F(SpreadsheetTest, AReportWithTwoSheetsIsWrittenIntoTheReportsFolderAndReadsBack) {
  SpreadsheetExport book(rig.session, "REKAP GROUP");
  book.NameSheets({"Carton", "Value"});
  EXPECT_EQ(&book.ActiveSheet(), &book.Select("carton"));
  for (const char* name : {"Carton", "Value"}) {
    platform::Worksheet& sheet = book.Select(name);
    sheet.SetValue(1, 1, "REKAP PENJUALAN by GROUP PRODUK");
    sheet.SetFontSize("A1:A2", 12);
    sheet.SetValue(4, 1, "NO");
    sheet.SetValue(4, 2, "SALES");
    sheet.Merge("A4:A5");
    sheet.Centre("A4:C5");
    sheet.SetBorders("A4:C5", kBorderWeight);
    sheet.Bold("A1:C5");
    sheet.SetValue(6, 1, "1");
    sheet.SetValue(6, 2, AsText("007"));
    sheet.SetNumber(6, 3, Ratio(3, 4));
    sheet.SetDate(6, 4, xbase::Date::FromYmd(2026, 12, 8));
    sheet.SetNumberFormat("D6", "dd mmm yyyy");
    sheet.SetNumberFormat("C", kTwoDecimalFormat);
    sheet.Wrap("B6");
    sheet.SetFill("A7:C7", GroupTotalFill(1));
    sheet.SetValue(7, 2, "TOTAL");
  }
  rig.term.AddKeys({console::key::kEnter});
  std::string path;
  ASSERT_TRUE(book.Show(&path));
  EXPECT_EQ(std::filesystem::path(path).parent_path(), std::filesystem::path(home.File("reports")));
  EXPECT_EQ(std::filesystem::path(path).filename().string().substr(0, 12), "REKAP_GROUP-");
  // A long path is shown whole, in a box: its end, the file's name, too.
  EXPECT_TRUE(support::Shown(rig.term, std::filesystem::path(path).filename().string()));

  platform::XlsxReader reader;
  ASSERT_TRUE(reader.Open(path).ok());
  EXPECT_EQ(reader.sheet_names(), (std::vector<std::string>{"Carton", "Value"}));
  platform::SheetData sheet;
  ASSERT_TRUE(reader.ReadSheet(1, &sheet).ok());
  const platform::SheetCell* title = sheet.Find(1, 1);
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->font_name, "Arial");
  EXPECT_EQ(title->font_size, 12);
  EXPECT_TRUE(title->bold);
  const platform::SheetCell* code = sheet.Find(6, 2);
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(code->kind, platform::SheetCell::Kind::kText);
  EXPECT_EQ(code->text, "007");
  EXPECT_TRUE(code->wrapped);
  EXPECT_EQ(code->font_size, 10);
  EXPECT_EQ(sheet.Find(6, 1)->number, 1);
  EXPECT_EQ(sheet.Find(6, 3)->number, 75);
  EXPECT_EQ(sheet.Find(6, 3)->number_format, kTwoDecimalFormat);
  EXPECT_EQ(sheet.Find(6, 4)->number, 46364);
  EXPECT_EQ(sheet.Find(6, 4)->number_format, "dd mmm yyyy");
  EXPECT_TRUE(sheet.Find(4, 1)->centred);
  EXPECT_EQ(sheet.Find(4, 1)->border, "thin");
  EXPECT_EQ(sheet.Find(7, 2)->fill_rgb, "FFFF00");
  EXPECT_EQ(sheet.merges, (std::vector<platform::CellRange>{{4, 1, 5, 1}}));
}

TEST_F(SpreadsheetTest, AWorkbookThatCannotBeWrittenIsToldAndNotShown) {
  support::WriteFile(home.File("reports"), "a file where the folder should be");
  SpreadsheetExport book(rig.session, "GAGAL");
  book.ActiveSheet().SetValue(1, 1, "x");
  rig.term.AddKeys({console::key::kEnter});
  std::string path = "unchanged";
  EXPECT_FALSE(book.Show(&path));
  EXPECT_EQ(path, "");
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, home.File("reports")));
}

}  // namespace
}  // namespace frame
