// Page printing: pages drawn as PDF and sent to a printer, or kept as a PDF file.
#ifndef PALUNDA_PLATFORM_PAGE_PRINTER_H_
#define PALUNDA_PLATFORM_PAGE_PRINTER_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/delivery.h"
#include "platform/new_file.h"
#include "platform/page_document.h"
#include "xbase/status.h"

namespace platform {

class PagePrinter {
 public:
  virtual ~PagePrinter() = default;
  // Prints `pages` laid out by `setup`, `copies` of each (at least 1), under the job name `title`;
  // OK only when every page reached the printer or file, and then `delivery` tells where.
  virtual xbase::Status Print(std::string_view title, const std::vector<PrintPage>& pages, const PageSetup& setup,
                              int copies, Delivery* delivery) = 0;
};

struct PrinterList {
  std::vector<std::string> names;
  std::string default_name;  // empty when no printer is the default
};

// The page printers of this machine: their list, and printing on one of them by name.
class PrintSystem {
 public:
  virtual ~PrintSystem() = default;
  // The printers installed and the default; an empty list when there are none.
  virtual xbase::Status List(PrinterList* list) = 0;
  // Prints on the printer `printer` as PagePrinter::Print does.
  virtual xbase::Status Print(const std::string& printer, std::string_view title, const std::vector<PrintPage>& pages,
                              const PageSetup& setup, int copies, Delivery* delivery) = 0;
};

// A folder where each print becomes a new PDF file "<title>-yyyymmdd-hhmmss[-n].pdf" holding all
// its pages once (a file needs no copies).
class PdfFilePrinter final : public PagePrinter {
 public:
  // `clock` gives the time that names the files (the real time by default).
  explicit PdfFilePrinter(std::string folder, FileClock clock = nullptr);
  xbase::Status Print(std::string_view title, const std::vector<PrintPage>& pages, const PageSetup& setup, int copies,
                      Delivery* delivery) override;

 private:
  std::string folder_;
  FileClock clock_;
};

}  // namespace platform

#endif  // PALUNDA_PLATFORM_PAGE_PRINTER_H_
