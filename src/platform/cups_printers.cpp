// Printing through a CUPS server with libcups: the printer list, raw dot-matrix queues and page
// printers. `server` names the server (a host or a local socket path); empty for this machine's.
#include "platform/cups_printers.h"

#include <cups/cups.h>

#include <cerrno>
#include <cstring>

#include "xbase/cp437.h"

namespace platform {
namespace {

std::string LastError() {
  const char* text = cupsLastErrorString();
  return text != nullptr && *text != '\0' ? text : std::strerror(errno);
}

bool Succeeded(ipp_status_t status) { return status <= IPP_STATUS_OK_EVENTS_COMPLETE; }

// One connection to the server, closed when it goes.
class Connection {
 public:
  Connection() = default;
  ~Connection() {
    if (http_ != nullptr) httpClose(http_);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  xbase::Status Open(const std::string& server) {
    const std::string host = server.empty() ? cupsServer() : server;
    http_ = httpConnect2(host.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30000, nullptr);
    if (http_ == nullptr) return xbase::Status::IOError(host, "cannot reach the print server: " + LastError());
    return xbase::Status::OK();
  }
  http_t* http() const { return http_; }

 private:
  http_t* http_ = nullptr;
};

struct JobDocument {
  std::string title;  // code page 437, as the reports name their prints
  const char* format;
  std::string_view bytes;
  int copies;
  bool legal_paper;
};

// Submits one document as a job on `queue`; the job is cancelled when any step fails.
xbase::Status SubmitJob(const Connection& connection, const std::string& queue, const JobDocument& document, int* job) {
  http_t* http = connection.http();
  cups_option_t* options = nullptr;
  int count = 0;
  if (document.copies > 1) count = cupsAddOption("copies", std::to_string(document.copies).c_str(), count, &options);
  if (document.legal_paper) count = cupsAddOption("media", "na_legal_8.5x14in", count, &options);
  const std::string title = xbase::Cp437ToUtf8(document.title);
  const int id = cupsCreateJob(http, queue.c_str(), title.c_str(), count, options);
  cupsFreeOptions(count, options);
  if (id == 0) return xbase::Status::IOError(queue, "the printer refused the job: " + LastError());
  std::string failure;
  if (cupsStartDocument(http, queue.c_str(), id, title.c_str(), document.format, 1) != HTTP_STATUS_CONTINUE) {
    failure = "the document could not be started: ";
  } else if (cupsWriteRequestData(http, document.bytes.data(), document.bytes.size()) != HTTP_STATUS_CONTINUE) {
    failure = "the document could not be sent: ";
    cupsFinishDocument(http, queue.c_str());
  } else if (!Succeeded(cupsFinishDocument(http, queue.c_str()))) {
    failure = "the printer did not take the document: ";
  }
  if (!failure.empty()) {
    const std::string reason = failure + LastError();
    cupsCancelJob2(http, queue.c_str(), id, 0);
    return xbase::Status::IOError(queue, reason);
  }
  *job = id;
  return xbase::Status::OK();
}

}  // namespace

xbase::Status ListCupsPrinters(const std::string& server, PrinterList* list) {
  Connection connection;
  const xbase::Status opened = connection.Open(server);
  if (!opened.ok()) return opened;
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(connection.http(), &dests);
  PrinterList found;
  for (int i = 0; i < count; ++i) {
    // Instances ("queue/instance") are option sets of a printer, not printers of their own.
    if (dests[i].instance != nullptr) continue;
    found.names.emplace_back(dests[i].name);
    if (dests[i].is_default) found.default_name = dests[i].name;
  }
  cupsFreeDests(count, dests);
  *list = std::move(found);
  return xbase::Status::OK();
}

xbase::Status CupsRawPrinter::Send(std::string_view title, std::string_view bytes, Delivery* delivery) {
  Connection connection;
  xbase::Status status = connection.Open(server_);
  int job = 0;
  if (status.ok()) status = SubmitJob(connection, queue_, {std::string(title), CUPS_FORMAT_RAW, bytes, 1, false}, &job);
  if (status.ok()) *delivery = {queue_, {job}};
  return status;
}

xbase::Status CupsPagePrinter::Print(std::string_view title, const std::vector<PrintPage>& pages,
                                     const PageSetup& setup, int copies, Delivery* delivery) {
  if (pages.empty()) return xbase::Status::InvalidArgument(printer_, "no pages to print");
  Connection connection;
  const xbase::Status opened = connection.Open(server_);
  if (!opened.ok()) return opened;
  Delivery sent{printer_, {}};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    std::string pdf;
    xbase::Status status = DrawPdf({pages[i]}, setup, &pdf);
    int job = 0;
    if (status.ok()) {
      status = SubmitJob(connection, printer_, {std::string(title), "application/pdf", pdf, std::max(1, copies), true}, &job);
    }
    if (!status.ok()) {
      std::string reason = "page " + std::to_string(i + 1) + " of " + std::to_string(pages.size()) + ": " + status.message();
      if (i > 0) reason += " (the pages before it were sent as " + sent.Describe() + ")";
      return xbase::Status::IOError(printer_, reason);
    }
    sent.jobs.push_back(job);
  }
  *delivery = std::move(sent);
  return xbase::Status::OK();
}

}  // namespace platform
