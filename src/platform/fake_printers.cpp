// Printers for tests: they keep what they were sent, or refuse it when told to.
#include "platform/fake_printers.h"

#include <algorithm>

namespace platform {

xbase::Status FakeRawPrinter::Send(std::string_view title, std::string_view bytes, Delivery* delivery) {
  if (!failure_.ok()) return failure_;
  jobs_.push_back({std::string(title), std::string(bytes)});
  *delivery = {place_, {static_cast<int>(jobs_.size())}};
  return xbase::Status::OK();
}

std::string FakeRawPrinter::AllBytes() const {
  std::string all;
  for (const RawJob& job : jobs_) all += job.bytes;
  return all;
}

xbase::Status FakePagePrinter::Print(std::string_view title, const std::vector<PrintPage>& pages,
                                     const PageSetup& setup, int copies, Delivery* delivery) {
  if (!failure_.ok()) return failure_;
  jobs_.push_back({std::string(title), pages, setup, copies});
  *delivery = {place_, {static_cast<int>(jobs_.size())}};
  return xbase::Status::OK();
}

xbase::Status FakePrintSystem::List(PrinterList* list) {
  *list = list_;
  return xbase::Status::OK();
}

xbase::Status FakePrintSystem::Print(const std::string& printer, std::string_view title,
                                     const std::vector<PrintPage>& pages, const PageSetup& setup, int copies,
                                     Delivery* delivery) {
  if (!failure_.ok()) return failure_;
  if (std::find(list_.names.begin(), list_.names.end(), printer) == list_.names.end()) {
    return xbase::Status::NotFound(printer, "no such printer");
  }
  jobs_.push_back({printer, {std::string(title), pages, setup, copies}});
  *delivery = {printer, {static_cast<int>(jobs_.size())}};
  return xbase::Status::OK();
}

}  // namespace platform
