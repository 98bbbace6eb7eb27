// Dot-matrix output: the raw byte stream (ESC/P codes and text) of a print, sent as one job to a
// device file, a raw CUPS queue or a new file in a spool folder.
#include "platform/raw_printer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/cups_printers.h"
#include "platform/new_file.h"

namespace platform {

xbase::Status DeviceRawPrinter::Send(std::string_view, std::string_view bytes, Delivery* delivery) {
  const int fd = ::open(device_.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT) return xbase::Status::NotFound(device_, "no such printer device");
    return xbase::Status::IOError(device_, std::string("cannot open the printer device: ") + std::strerror(error));
  }
  xbase::Status status = WriteAll(fd, bytes, device_);
  if (::close(fd) != 0 && status.ok()) {
    status = xbase::Status::IOError(device_, std::string("close failed: ") + std::strerror(errno));
  }
  if (status.ok()) *delivery = {device_, {}};
  return status;
}

SpoolRawPrinter::SpoolRawPrinter(std::string folder, FileClock clock)
    : folder_(std::move(folder)), clock_(std::move(clock)) {}

xbase::Status SpoolRawPrinter::Send(std::string_view title, std::string_view bytes, Delivery* delivery) {
  std::string path;
  const xbase::Status status = WriteNewFile(folder_, title, ".prn", clock_, bytes, &path);
  if (status.ok()) *delivery = {path, {}};
  return status;
}

std::unique_ptr<RawPrinter> MakeRawPrinter(const DotMatrixSink& sink) {
  switch (sink.kind) {
    case DotMatrixSink::Kind::kDevice:
      return std::make_unique<DeviceRawPrinter>(sink.target);
    case DotMatrixSink::Kind::kQueue:
      return std::make_unique<CupsRawPrinter>(sink.target);
    case DotMatrixSink::Kind::kSpool:
      break;
  }
  return std::make_unique<SpoolRawPrinter>(sink.target);
}

}  // namespace platform
