// Report engine benchmarks: a 10,000-line report (170 pages) written into page tables and printed
// through the dot-matrix dialog to the spool folder (target: under 1 s), and a 100-page report
// printed through the page-printer dialog as PDF (target: under 2 s).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "console/clock.h"
#include "console/console.h"
#include "console/keys.h"
#include "console/scripted_terminal.h"
#include "frame/procedure_registry.h"
#include "frame/report_engine.h"
#include "frame/session.h"
#include "platform/page_printer.h"
#include "platform/raw_printer.h"
#include "report_lines.h"

namespace {

namespace fs = std::filesystem;
namespace key = console::key;

constexpr int kWidth = bench::kReportWidth;
constexpr int kLinesPerPage = 59;

// Page printers that are one PDF file printer in a folder.
class PdfPrintSystem final : public platform::PrintSystem {
 public:
  explicit PdfPrintSystem(std::string folder) : printer_(std::move(folder)) {}
  xbase::Status List(platform::PrinterList* list) override {
    *list = {{"PDF"}, "PDF"};
    return xbase::Status::OK();
  }
  xbase::Status Print(const std::string&, std::string_view title, const std::vector<platform::PrintPage>& pages,
                      const platform::PageSetup& setup, int copies, platform::Delivery* delivery) override {
    return printer_.Print(title, pages, setup, copies, delivery);
  }

 private:
  platform::PdfFilePrinter printer_;
};

// A workstation on a scripted terminal whose report folder, spool and PDF files live in a folder
// of their own.
struct Workstation {
  Workstation()
      : folder(fs::temp_directory_path() / "palunda-report-bench"),
        clock({xbase::Date::FromYmd(2026, 12, 8), 9 * 3600}),
        term({}, &clock),
        con(term, clock),
        session(con, registry, "BENCH") {
    fs::remove_all(folder);
    session.TMPFILELAP_ = (folder / "tmp").string();
    session.services().UseDevices(std::make_unique<platform::SpoolRawPrinter>((folder / "spool").string()),
                                  std::make_unique<PdfPrintSystem>((folder / "pdf").string()));
  }
  ~Workstation() { fs::remove_all(folder); }

  // Writes `lines` lines, `kLinesPerPage` a page, and prints them with `keys` answering the dialogs.
  bool Report(int lines, const std::vector<int>& keys) {
    frame::ReportWriter report(session);
    if (!report.Start()) return false;
    for (int line = 0; line < lines; ++line) {
      if (line % kLinesPerPage == 0 && !report.NewPage()) return false;
      if (!report.Line(bench::ReportLine(line), "C")) return false;
    }
    term.AddKeys(keys);
    frame::ReportLayout layout;
    layout.width = kWidth;
    layout.title = "LAPORAN";
    return report.Print(layout);
  }

  fs::path folder;
  console::ManualClock clock;
  console::ScriptedTerminal term;
  console::Console con;
  frame::ProcedureRegistry registry;
  frame::Session session;
};

void DotMatrixTenThousandLines(benchmark::State& state) {
  Workstation station;
  // The dot matrix, the print form as offered, the question and the place it went.
  const std::vector<int> keys = {key::kRight, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter, key::kEnter};
  for (auto _ : state) {
    if (!station.Report(10000, keys)) state.SkipWithError("the report was not printed");
  }
}
BENCHMARK(DotMatrixTenThousandLines)->Unit(benchmark::kMillisecond);

void PagePrinterHundredPages(benchmark::State& state) {
  Workstation station;
  // The page printer, its list, the print form, the question and the place it went.
  const std::vector<int> keys = {key::kRight, key::kRight, key::kEnter, key::kEnter, key::kEnter,
                                 key::kEnter, key::kEnter, key::kEnter};
  for (auto _ : state) {
    if (!station.Report(100 * kLinesPerPage, keys)) state.SkipWithError("the report was not printed");
  }
}
BENCHMARK(PagePrinterHundredPages)->Unit(benchmark::kMillisecond);

}  // namespace
