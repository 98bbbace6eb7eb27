// The output dialog "Laporan Mau Dicetak Ke".
#include "frame/report_engine.h"

#include "console/alert.h"
#include "frame/dot_matrix_print.h"
#include "frame/page_print.h"
#include "frame/report_copy.h"
#include "frame/report_viewer.h"

namespace frame {
namespace {

enum Choice { kEsc = 0, kMonitor = 1, kDotMatrix = 2, kPagePrinter = 3, kCopyFile = 4 };

}  // namespace

bool CETLAPOR(Session& session, const std::string& base, int pages, const ReportLayout& layout) {
  console::Console& con = session.console();
  bool printed = false;
  for (bool open = pages > 0; open;) {
    const int choice = console::Alert(con, "Laporan Mau Dicetak Ke",
                                      {"Monitor", "Printer Dot Matrix", "Print Windows", "Copy File"},
                                      con.Pick("W+/br,Gr+/b", "W+/n,n/w"));
    switch (choice) {
      case kMonitor:
        LAPORANTENAN(session, base, pages, layout);
        break;
      case kDotMatrix:
        if (layout.no_printer) break;
        printed = CETAKPRINTER(session, base, pages, layout);
        open = false;
        break;
      case kPagePrinter:
        if (layout.no_printer) break;
        printed = PRINTWINDOWS(session, base, layout, pages);
        open = false;
        break;
      case kCopyFile:
        COPYKE(session, base, pages);
        break;
      default:
        open = false;
        break;
    }
  }
  EraseReportTables(base);
  con.ShowCursor(true);
  return printed;
}

}  // namespace frame
