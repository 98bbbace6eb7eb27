// Workbooks written with the writer and read back with the reader.
#include <gtest/gtest.h>
#include <zip.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/temp_folder.h"
#include "platform/xlsx_reader.h"
#include "platform/xlsx_writer.h"
#include "support/pdf_tools.h"

namespace platform {
namespace {

using support::FileBytes;

namespace fs = std::filesystem;

// The recap layout: title rows, a two-row heading block, data, a coloured subtotal and a total.
Workbook RecapWorkbook() {
  Workbook book;
  for (const char* unit : {"Carton", "Value"}) {
    Worksheet& sheet = book.AddSheet(unit);
    sheet.SetFont("Arial", 10);
    sheet.SetValue(1, 1, "REKAP PENJUALAN PER PRODUK");
    sheet.SetValue(2, 1, "Periode : 01-03-2024 s/d 31-03-2024");
    sheet.SetValue(3, 1, unit);
    sheet.SetValue(4, 1, "Kode");
    sheet.SetValue(4, 2, "Nama Barang");
    sheet.SetValue(4, 3, "Maret");
    sheet.SetValue(5, 3, "Target");
    sheet.SetValue(5, 4, "Realisasi");
    sheet.Merge("A4:A5");
    sheet.Merge("B4:B5");
    sheet.Merge("C4:D4");
    sheet.Centre("A4:D5");
    sheet.Bold("A1:D5");
    sheet.SetBorders("A4:D5", 2);
    sheet.SetValue(6, 1, "'000123");
    sheet.SetValue(6, 2, "SABUN MANDI 90G");
    sheet.SetNumber(6, 3, 1500);
    sheet.SetNumber(6, 4, -250.75);
    sheet.SetValue(7, 1, "JUMLAH GROUP A");
    sheet.SetNumber(7, 3, 1500);
    sheet.SetFill("A7:D7", 6);
    sheet.SetFill("A8:D8", 34);
    sheet.Bold("A7:D8");
    sheet.SetBorders("A6:D8", 2);
    sheet.SetNumberFormat("C:D", "#,##0_);[Red](#,##0)");
    sheet.SetNumberFormat("D6", "#,##0.00_);[Red](#,##0.00)");
    sheet.SetColumnWidth("A", 12);
    sheet.AutoFit("B");
  }
  return book;
}

TEST(XlsxTest, WhatTheWriterWroteReadsBackCellForCell) {
  support::TempFolder folder;
  const std::string path = (std::filesystem::path(folder.path()) / "recap.xlsx").string();
  ASSERT_TRUE(WriteXlsx(RecapWorkbook(), path).ok());

  XlsxReader reader;
  ASSERT_TRUE(reader.Open(path).ok());
  EXPECT_EQ(reader.sheet_names(), (std::vector<std::string>{"Carton", "Value"}));
  SheetData sheet;
  ASSERT_TRUE(reader.ReadSheet(1, &sheet).ok());
  EXPECT_EQ(sheet.name, "Value");

  const SheetCell* code = sheet.Find(6, 1);
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(code->kind, SheetCell::Kind::kText);
  EXPECT_EQ(code->text, "000123");
  EXPECT_EQ(code->font_name, "Arial");
  EXPECT_EQ(code->font_size, 10);
  EXPECT_EQ(code->border, "thin");
  EXPECT_FALSE(code->bold);
  EXPECT_EQ(code->fill_rgb, "");
  EXPECT_EQ(code->number_format, "General");

  EXPECT_EQ(sheet.Find(3, 1)->text, "Value");
  const SheetCell* amount = sheet.Find(6, 4);
  EXPECT_EQ(amount->kind, SheetCell::Kind::kNumber);
  EXPECT_EQ(amount->number, -250.75);
  EXPECT_EQ(amount->number_format, "#,##0.00_);[Red](#,##0.00)");
  EXPECT_EQ(sheet.Find(6, 3)->number_format, "#,##0_);[Red](#,##0)");

  const SheetCell* heading = sheet.Find(4, 3);
  EXPECT_EQ(heading->text, "Maret");
  EXPECT_TRUE(heading->bold);
  EXPECT_TRUE(heading->centred);
  const SheetCell* merged_away = sheet.Find(5, 1);  // covered by the A4:A5 merge, still formatted
  ASSERT_NE(merged_away, nullptr);
  EXPECT_EQ(merged_away->kind, SheetCell::Kind::kEmpty);
  EXPECT_EQ(merged_away->border, "thin");
  EXPECT_EQ(sheet.merges, (std::vector<CellRange>{{4, 1, 5, 1}, {4, 2, 5, 2}, {4, 3, 4, 4}}));

  const SheetCell* subtotal = sheet.Find(7, 1);
  EXPECT_EQ(subtotal->text, "JUMLAH GROUP A");
  EXPECT_TRUE(subtotal->bold);
  EXPECT_EQ(subtotal->fill_rgb, "FFFF00");
  EXPECT_EQ(sheet.Find(8, 4)->fill_rgb, "CCFFFF");
  EXPECT_EQ(sheet.Find(8, 4)->kind, SheetCell::Kind::kEmpty);
  EXPECT_EQ(sheet.Find(9, 1), nullptr);

  // Widths as stored: the typed width plus the spreadsheet's padding.
  EXPECT_DOUBLE_EQ(sheet.column_widths.at(1), 12.7109375);
  EXPECT_DOUBLE_EQ(sheet.column_widths.at(2), 16.7109375);  // AutoFit: 15 characters + 1
  EXPECT_DOUBLE_EQ(sheet.column_widths.at(3), 9.140625);    // a format only: the default width
}

TEST(XlsxTest, ARefusedWorkbookIsNotWritten) {
  support::TempFolder folder;
  Workbook book;
  book.AddSheet("Carton").SetFill("A1", 0);
  const std::string path = (std::filesystem::path(folder.path()) / "bad.xlsx").string();
  EXPECT_EQ(WriteXlsx(book, path).message(), "sheet Carton: colour index 0: use 1 to 56");
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(WriteXlsx(RecapWorkbook(), (std::filesystem::path(folder.path()) / "no" / "such" / "folder.xlsx").string()).IsIOError());
}

TEST(XlsxTest, PublishingWritesANewFileInTheReportsFolderAndOpensTheViewer) {
  support::TempFolder folder;
  WorkstationSettings settings;
  settings.reports_folder = (std::filesystem::path(folder.path()) / "laporan").string();
  const fs::path opened = std::filesystem::path(folder.path()) / "opened";
  fs::create_directories(opened);
  settings.viewer = {"cp", "-t", opened.string()};
  const FileClock clock = [] { return std::time_t{0}; };
  std::string first, second;
  ASSERT_TRUE(PublishWorkbook(RecapWorkbook(), "Rekap Produk", settings, &first, clock).ok());
  ASSERT_TRUE(PublishWorkbook(RecapWorkbook(), "Rekap Produk", settings, &second, clock).ok());
  EXPECT_EQ(fs::path(first).parent_path(), settings.reports_folder);
  EXPECT_TRUE(fs::path(first).filename().string().starts_with("Rekap_Produk-")) << first;
  EXPECT_TRUE(first.ends_with(".xlsx")) << first;
  EXPECT_EQ(second, first.substr(0, first.size() - 5) + "-2.xlsx");
  SheetData sheet;
  ASSERT_TRUE(ReadFirstSheet(first, &sheet).ok());
  EXPECT_EQ(sheet.name, "Carton");

  // The viewer is started without waiting: give it a moment to copy both files.
  const fs::path copy = opened / fs::path(second).filename();
  for (int tries = 0; tries < 100 && !fs::exists(copy); ++tries) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(FileBytes(copy.string()), FileBytes(second));

  settings.viewer = {"no-such-viewer-program"};
  std::string third;
  const xbase::Status status = PublishWorkbook(RecapWorkbook(), "Rekap Produk", settings, &third, clock);
  EXPECT_EQ(status.message(), "no-such-viewer-program: cannot start: No such file or directory");
  EXPECT_EQ(third, first.substr(0, first.size() - 5) + "-3.xlsx");  // written all the same
  EXPECT_TRUE(fs::exists(third));

  Workbook refused;
  refused.AddSheet("A").Merge("A1:B2:");
  std::string none = "untouched";
  EXPECT_FALSE(PublishWorkbook(refused, "Rekap Produk", settings, &none, clock).ok());
  EXPECT_EQ(none, "untouched");
  EXPECT_EQ(std::distance(fs::directory_iterator(settings.reports_folder), fs::directory_iterator()), 3);
}

// A package holding the given parts, for workbooks from other writers.
void WritePackage(const std::string& path, const std::vector<std::pair<std::string, std::string>>& parts) {
  int error = 0;
  zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(zip, nullptr);
  for (const auto& [name, text] : parts) {
    zip_source_t* source = zip_source_buffer(zip, text.data(), text.size(), 0);
    ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE), 0);
  }
  ASSERT_EQ(zip_close(zip), 0);
}

const char kWorkbookXml[] =
    R"(<workbook xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="Tags" sheetId="1" r:id="rId7"/></sheets></workbook>)";
const char kRelsXml[] =
    R"(<Relationships><Relationship Id="rId7" Target="/xl/worksheets/tags.xml"/></Relationships>)";

TEST(XlsxReaderTest, ReadsInlineRichAndSharedStringsFromOtherWriters) {
  support::TempFolder folder;
  const std::string path = (std::filesystem::path(folder.path()) / "tags.xlsx").string();
  WritePackage(path, {{"xl/workbook.xml", kWorkbookXml},
                      {"xl/_rels/workbook.xml.rels", kRelsXml},
                      {"xl/sharedStrings.xml",
                       "<x:sst xmlns:x=\"s\"><x:si><x:t>BRG-01</x:t></x:si>"
                       "<x:si><x:r><x:t>Sabun </x:t></x:r><x:r><x:t>Mandi</x:t></x:r><x:rPh><x:t>ignored</x:t></x:rPh></x:si></x:sst>"},
                      {"xl/worksheets/tags.xml",
                       "<x:worksheet xmlns:x=\"s\"><x:sheetData>"
                       "<x:row r=\"2\"><x:c r=\"A2\" t=\"s\"><x:v>0</x:v></x:c><x:c t=\"s\"><x:v>1</x:v></x:c>"
                       "<x:c><x:v>12.5</x:v></x:c><x:c r=\"F2\" t=\"inlineStr\"><x:is><x:t>Rak 3</x:t></x:is></x:c></x:row>"
                       "<x:row><x:c r=\"A3\" t=\"b\"><x:v>1</x:v></x:c><x:c r=\"B3\" t=\"str\"><x:f>A1</x:f><x:v>hasil</x:v></x:c>"
                       "<x:c r=\"C3\" t=\"e\"><x:v>#DIV/0!</x:v></x:c></x:row>"
                       "</x:sheetData></x:worksheet>"}});
  SheetData sheet;
  const xbase::Status status = ReadFirstSheet(path, &sheet);
  ASSERT_TRUE(status.ok()) << status.ToString();
  EXPECT_EQ(sheet.name, "Tags");
  ASSERT_EQ(sheet.cells.size(), 7u);
  EXPECT_EQ(sheet.Find(2, 1)->text, "BRG-01");
  EXPECT_EQ(sheet.Find(2, 2)->text, "Sabun Mandi");
  EXPECT_EQ(sheet.Find(2, 3)->number, 12.5);
  EXPECT_EQ(sheet.Find(2, 6)->text, "Rak 3");
  EXPECT_EQ(sheet.Find(3, 1)->number, 1);
  EXPECT_EQ(sheet.Find(3, 2)->text, "hasil");
  EXPECT_EQ(sheet.Find(3, 3)->text, "#DIV/0!");
  EXPECT_EQ(sheet.Find(3, 3)->number_format, "General");
}

TEST(XlsxReaderTest, MissingAndBrokenWorkbooksGiveClearStatuses) {
  support::TempFolder folder;
  const std::string path = (std::filesystem::path(folder.path()) / "book.xlsx").string();
  SheetData sheet;
  xbase::Status status = ReadFirstSheet(path, &sheet);
  EXPECT_TRUE(status.IsNotFound());
  EXPECT_EQ(status.message(), path + ": no such file");

  std::ofstream(path) << "ID;NAMA\n1;x\n";
  status = ReadFirstSheet(path, &sheet);
  EXPECT_TRUE(status.IsCorruption());
  EXPECT_EQ(status.message(), path + ": not a workbook (not a zip package)");

  WritePackage(path, {{"xl/workbook.xml", kWorkbookXml}});
  EXPECT_EQ(ReadFirstSheet(path, &sheet).message(), path + ": xl/_rels/workbook.xml.rels is missing");

  WritePackage(path, {{"xl/workbook.xml", kWorkbookXml}, {"xl/_rels/workbook.xml.rels", kRelsXml},
                      {"xl/worksheets/tags.xml", "<worksheet><sheetData><row><c t=\"s\"><v>4</v></c></row>"}});
  status = ReadFirstSheet(path, &sheet);
  EXPECT_TRUE(status.IsCorruption());
  EXPECT_EQ(status.message().rfind(path + ": xl/worksheets/tags.xml: ", 0), 0u) << status.message();

  WritePackage(path, {{"xl/workbook.xml", kWorkbookXml}, {"xl/_rels/workbook.xml.rels", kRelsXml},
                      {"xl/worksheets/tags.xml", "<worksheet><sheetData><row><c t=\"s\"><v>4</v></c><c><v>1,5</v></c></row></sheetData></worksheet>"}});
  EXPECT_EQ(ReadFirstSheet(path, &sheet).message(), path + ": xl/worksheets/tags.xml: shared string 4 is missing");

  XlsxReader reader;
  ASSERT_TRUE(reader.Open(path).ok());
  EXPECT_TRUE(reader.ReadSheet(1, &sheet).IsNotFound());
}

TEST(NewFileTest, NamesComeFromTheTitleAndAFailedFileLeavesNothing) {
  EXPECT_EQ(FileStem("Rekap Jual/Maret*2024"), "Rekap_Jual_Maret_2024");
  EXPECT_EQ(FileStem("  "), "laporan");
  EXPECT_EQ(FileStem("Nota."), "Nota");
  EXPECT_EQ(FileStem(std::string(50, 'a')), std::string(40, 'a'));
  support::TempFolder folder;
  std::string kept;
  {
    NewFile file;
    ASSERT_TRUE(file.Create(folder.path(), "Nota", ".prn", [] { return std::time_t{0}; }).ok());
    ASSERT_TRUE(file.Write("abc").ok());
    kept = file.path();
    EXPECT_TRUE(fs::exists(kept));
  }
  EXPECT_FALSE(fs::exists(kept));  // never committed
}

}  // namespace
}  // namespace platform
