// Printing through a CUPS server with libcups: the printer list, raw dot-matrix queues and page
// printers. `server` names the server (a host or a local socket path); empty for this machine's.
#ifndef PALUNDA_PLATFORM_CUPS_PRINTERS_H_
#define PALUNDA_PLATFORM_CUPS_PRINTERS_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/page_printer.h"
#include "platform/raw_printer.h"
#include "xbase/status.h"

namespace platform {

// The printers the server offers and its default; an empty list when none is installed, IOError
// when the server cannot be reached.
xbase::Status ListCupsPrinters(const std::string& server, PrinterList* list);

// A CUPS queue taking the bytes unchanged, in raw mode.
class CupsRawPrinter final : public RawPrinter {
 public:
  explicit CupsRawPrinter(std::string queue, std::string server = "") : queue_(std::move(queue)), server_(std::move(server)) {}
  xbase::Status Send(std::string_view title, std::string_view bytes, Delivery* delivery) override;

 private:
  std::string queue_;
  std::string server_;
};

// A CUPS printer taking each page as a PDF job of its own, on Legal paper.
class CupsPagePrinter final : public PagePrinter {
 public:
  explicit CupsPagePrinter(std::string printer, std::string server = "")
      : printer_(std::move(printer)), server_(std::move(server)) {}
  xbase::Status Print(std::string_view title, const std::vector<PrintPage>& pages, const PageSetup& setup, int copies,
                      Delivery* delivery) override;

 private:
  std::string printer_;
  std::string server_;
};

// The printers of a CUPS server, each page a PDF job of its own.
class CupsPrintSystem final : public PrintSystem {
 public:
  explicit CupsPrintSystem(std::string server = "") : server_(std::move(server)) {}
  xbase::Status List(PrinterList* list) override { return ListCupsPrinters(server_, list); }
  xbase::Status Print(const std::string& printer, std::string_view title, const std::vector<PrintPage>& pages,
                      const PageSetup& setup, int copies, Delivery* delivery) override {
    return CupsPagePrinter(printer, server_).Print(title, pages, setup, copies, delivery);
  }

 private:
  std::string server_;
};

}  // namespace platform

#endif  // PALUNDA_PLATFORM_CUPS_PRINTERS_H_
