// Printing benchmarks: 100 Legal pages of a 136-column report drawn as PDF (target: under 2 s),
// a 10,000-line report (170 pages of raw text) sent to the spool folder, and a 10,000-row
// workbook written as .xlsx.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/page_document.h"
#include "platform/raw_printer.h"
#include "platform/xlsx_writer.h"
#include "report_lines.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = bench::kReportWidth;
constexpr int kLinesPerPage = 59;

std::vector<platform::PrintPage> ReportPages(int pages) {
  std::vector<platform::PrintPage> report(static_cast<std::size_t>(pages));
  for (int page = 0; page < pages; ++page) {
    report[static_cast<std::size_t>(page)].push_back({"\xda" + std::string(kWidth - 2, '\xc4') + "\xbf", 0});
    for (int line = 0; line < 43; ++line) report[static_cast<std::size_t>(page)].push_back({bench::ReportLine(page * 43 + line), 0});
    report[static_cast<std::size_t>(page)].push_back({"Halaman : " + std::to_string(page + 1), 7});
  }
  return report;
}

void PdfHundredPages(benchmark::State& state) {
  const std::vector<platform::PrintPage> pages = ReportPages(100);
  for (auto _ : state) {
    std::string pdf;
    if (!platform::DrawPdf(pages, {kWidth, 10, 10, 10, 10}, &pdf).ok()) state.SkipWithError("drawing failed");
    benchmark::DoNotOptimize(pdf);
  }
}
BENCHMARK(PdfHundredPages)->Unit(benchmark::kMillisecond);

void SpoolTenThousandLines(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / "palunda-spool-bench";
  platform::SpoolRawPrinter printer(folder.string());
  for (auto _ : state) {
    std::string bytes = "\x1b@";
    for (int line = 0; line < 10000; ++line) {
      bytes += "\x0f" + bench::ReportLine(line) + "\x12\r\n";
      if (line % kLinesPerPage == kLinesPerPage - 1) bytes += "\x0c";
    }
    platform::Delivery delivery;
    if (!printer.Send("Laporan", bytes, &delivery).ok()) state.SkipWithError("spool failed");
  }
  fs::remove_all(folder);
}
BENCHMARK(SpoolTenThousandLines)->Unit(benchmark::kMillisecond);

void WorkbookTenThousandRows(benchmark::State& state) {
  const std::string path = (fs::temp_directory_path() / "palunda-bench.xlsx").string();
  for (auto _ : state) {
    platform::Workbook book;
    platform::Worksheet& sheet = book.AddSheet("Value");
    for (int row = 6; row < 10006; ++row) {
      sheet.SetValue(row, 1, "'" + std::to_string(100000 + row));
      sheet.SetValue(row, 2, "TOKO SUMBER REJEKI");
      sheet.SetNumber(row, 3, row * 1234.5);
    }
    sheet.SetNumberFormat("C:C", "#,##0_);[Red](#,##0)");
    sheet.SetBorders("A6:C10005", 2);
    sheet.AutoFit("A:C");
    if (!platform::WriteXlsx(book, path).ok()) state.SkipWithError("writing failed");
  }
  fs::remove(path);
}
BENCHMARK(WorkbookTenThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace
