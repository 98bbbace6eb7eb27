// Page printing: pages drawn as PDF and sent to a printer, or kept as a PDF file.
#include "platform/page_printer.h"

namespace platform {

PdfFilePrinter::PdfFilePrinter(std::string folder, FileClock clock)
    : folder_(std::move(folder)), clock_(std::move(clock)) {}

xbase::Status PdfFilePrinter::Print(std::string_view title, const std::vector<PrintPage>& pages,
                                    const PageSetup& setup, int, Delivery* delivery) {
  std::string pdf;
  xbase::Status status = DrawPdf(pages, setup, &pdf);
  std::string path;
  if (status.ok()) status = WriteNewFile(folder_, title, ".pdf", clock_, pdf, &path);
  if (status.ok()) *delivery = {path, {}};
  return status;
}

}  // namespace platform
