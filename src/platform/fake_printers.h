// Printers for tests: they keep what they were sent, or refuse it when told to.
#ifndef PALUNDA_PLATFORM_FAKE_PRINTERS_H_
#define PALUNDA_PLATFORM_FAKE_PRINTERS_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/page_printer.h"
#include "platform/raw_printer.h"

namespace platform {

struct RawJob {
  std::string title;
  std::string bytes;
};

class FakeRawPrinter final : public RawPrinter {
 public:
  explicit FakeRawPrinter(std::string place = "fake printer") : place_(std::move(place)) {}
  // Keeps the job, numbered from 1, unless a failure was set; then returns it and keeps nothing.
  xbase::Status Send(std::string_view title, std::string_view bytes, Delivery* delivery) override;
  // Makes every later Send fail with `status` (OK sends again).
  void FailWith(xbase::Status status) { failure_ = std::move(status); }

  const std::vector<RawJob>& jobs() const { return jobs_; }
  // The bytes of every job kept, in order.
  std::string AllBytes() const;

 private:
  std::string place_;
  xbase::Status failure_;
  std::vector<RawJob> jobs_;
};

struct PageJob {
  std::string title;
  std::vector<PrintPage> pages;
  PageSetup setup;
  int copies = 1;
};

class FakePagePrinter final : public PagePrinter {
 public:
  explicit FakePagePrinter(std::string place = "fake printer") : place_(std::move(place)) {}
  // Keeps the print, numbered from 1, unless a failure was set; then returns it and keeps nothing.
  xbase::Status Print(std::string_view title, const std::vector<PrintPage>& pages, const PageSetup& setup, int copies,
                      Delivery* delivery) override;
  // Makes every later Print fail with `status` (OK prints again).
  void FailWith(xbase::Status status) { failure_ = std::move(status); }

  const std::vector<PageJob>& jobs() const { return jobs_; }

 private:
  std::string place_;
  xbase::Status failure_;
  std::vector<PageJob> jobs_;
};

struct NamedPageJob {
  std::string printer;
  PageJob job;
};

// A print system with the printers it is given; it keeps every print with its printer's name.
class FakePrintSystem final : public PrintSystem {
 public:
  FakePrintSystem(std::vector<std::string> names = {}, std::string default_name = "")
      : list_{std::move(names), std::move(default_name)} {}
  xbase::Status List(PrinterList* list) override;
  // Keeps the print unless a failure was set or the printer is not in the list.
  xbase::Status Print(const std::string& printer, std::string_view title, const std::vector<PrintPage>& pages,
                      const PageSetup& setup, int copies, Delivery* delivery) override;
  // Makes every later Print fail with `status` (OK prints again).
  void FailWith(xbase::Status status) { failure_ = std::move(status); }

  const std::vector<NamedPageJob>& jobs() const { return jobs_; }

 private:
  PrinterList list_;
  xbase::Status failure_;
  std::vector<NamedPageJob> jobs_;
};

}  // namespace platform

#endif  // PALUNDA_PLATFORM_FAKE_PRINTERS_H_
