// Report pages drawn into a PDF: paper, orientation and the box characters.
#include "platform/page_document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"
#include "platform/fake_printers.h"
#include "platform/page_printer.h"
#include "support/pdf_tools.h"

namespace platform {
namespace {

using support::RunTool;
using support::PdfInfo;
using support::PdfText;

// A page of a report `width` columns wide: a double-line box, a body line and a shaded bar.
PrintPage BoxPage(int number, int width) {
  const std::string across(static_cast<std::size_t>(width - 2), '\xcd');
  PrintPage page;
  page.push_back({"\xc9" + across + "\xbb", 0});
  std::string body = "\xba LAPORAN PENJUALAN Halaman " + std::to_string(number);
  body += std::string(static_cast<std::size_t>(width - 1) - body.size(), ' ') + "\xba";
  page.push_back({body, 0});
  page.push_back({"\xc8" + across + "\xbc", 0});
  page.push_back({"\xb0\xb1\xb2\xdb end", 7});
  return page;
}

std::string WritePdf(const support::TempFolder& folder, const std::vector<PrintPage>& pages, const PageSetup& setup) {
  std::string pdf;
  EXPECT_TRUE(DrawPdf(pages, setup, &pdf).ok());
  const std::string path = (std::filesystem::path(folder.path()) / "out.pdf").string();
  std::ofstream(path, std::ios::binary) << pdf;
  return path;
}

TEST(PageDocumentTest, WideReportsGoSidewaysOnLegalPaperWithTheirBoxCharacters) {
  support::TempFolder folder;
  const std::string path =
      WritePdf(folder, {BoxPage(1, 136), BoxPage(2, 136), BoxPage(3, 136)}, {136, 10, 10, 10, 10});
  EXPECT_EQ(PdfInfo(path, "Pages"), "3");
  EXPECT_EQ(PdfInfo(path, "Page size"), "1008 x 612 pts");
  const std::string text = PdfText(path);
  EXPECT_NE(text.find("╔════"), std::string::npos) << text;
  EXPECT_NE(text.find("║ LAPORAN PENJUALAN Halaman 3"), std::string::npos) << text;
  EXPECT_NE(text.find("═══╝"), std::string::npos) << text;
  EXPECT_NE(text.find("░▒▓█ end"), std::string::npos) << text;
  std::string fonts;
  ASSERT_TRUE(RunTool({"pdffonts", path}, &fonts));
  EXPECT_NE(fonts.find("DejaVuSansMono"), std::string::npos) << fonts;
}

TEST(PageDocumentTest, NarrowReportsStandUprightOnLegalPaper) {
  support::TempFolder folder;
  const std::string path = WritePdf(folder, {BoxPage(1, 130)}, {130, 0, 0, 0, 0});
  EXPECT_EQ(PdfInfo(path, "Pages"), "1");
  EXPECT_EQ(PdfInfo(path, "Page size"), "612 x 1008 pts");
  // 130 columns at 12 points are wider than the paper: the lines are narrowed, not cut.
  const std::string text = PdfText(path);
  EXPECT_NE(text.find("Halaman 1"), std::string::npos) << text;
  EXPECT_NE(text.find("═╗"), std::string::npos) << text;
}

TEST(PageDocumentTest, NoPagesIsRefused) {
  std::string pdf = "unchanged";
  EXPECT_TRUE(DrawPdf({}, {}, &pdf).IsInvalidArgument());
  EXPECT_EQ(pdf, "unchanged");
}

TEST(PdfFilePrinterTest, APrintBecomesOneNewPdfFileInTheFolder) {
  support::TempFolder folder;
  PdfFilePrinter printer((std::filesystem::path(folder.path()) / "reports").string(), [] { return std::time_t{0}; });
  Delivery first, second;
  ASSERT_TRUE(printer.Print("Rekap Jual", {BoxPage(1, 80), BoxPage(2, 80)}, {80, 0, 0, 0, 0}, 3, &first).ok());
  ASSERT_TRUE(printer.Print("Rekap Jual", {BoxPage(1, 80)}, {80, 0, 0, 0, 0}, 1, &second).ok());
  EXPECT_EQ(first.place.rfind((std::filesystem::path(folder.path()) / "reports" / "Rekap_Jual-").string(), 0), 0u) << first.place;
  EXPECT_TRUE(first.place.ends_with(".pdf"));
  EXPECT_EQ(second.place, first.place.substr(0, first.place.size() - 4) + "-2.pdf");
  EXPECT_EQ(PdfInfo(first.place, "Pages"), "2");
}

TEST(FakePagePrinterTest, KeepsPrintsUntilToldToFail) {
  FakePagePrinter printer("Laser");
  Delivery delivery;
  ASSERT_TRUE(printer.Print("Nota", {BoxPage(1, 80)}, {80, 1, 2, 3, 4}, 2, &delivery).ok());
  EXPECT_EQ(delivery.Describe(), "Laser (job 1)");
  printer.FailWith(xbase::Status::IOError("Laser", "refused"));
  EXPECT_FALSE(printer.Print("Nota", {BoxPage(2, 80)}, {}, 1, &delivery).ok());
  ASSERT_EQ(printer.jobs().size(), 1u);
  EXPECT_EQ(printer.jobs()[0].copies, 2);
  EXPECT_EQ(printer.jobs()[0].setup.bottom_mm, 4);
  EXPECT_EQ(printer.jobs()[0].pages[0][3].points, 7);
}

}  // namespace
}  // namespace platform
