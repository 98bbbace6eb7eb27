// Dot-matrix output: the raw byte stream (ESC/P codes and text) of a print, sent as one job to a
// device file, a raw CUPS queue or a new file in a spool folder.
#ifndef PALUNDA_PLATFORM_RAW_PRINTER_H_
#define PALUNDA_PLATFORM_RAW_PRINTER_H_

#include <memory>
#include <string>
#include <string_view>

#include "platform/delivery.h"
#include "platform/new_file.h"
#include "platform/workstation_settings.h"
#include "xbase/status.h"

namespace platform {

class RawPrinter {
 public:
  virtual ~RawPrinter() = default;
  // Sends `bytes` unchanged as one job named `title`; OK only when all of them reached the
  // device, queue or file, and then `delivery` tells where.
  virtual xbase::Status Send(std::string_view title, std::string_view bytes, Delivery* delivery) = 0;
};

// A device file such as /dev/usb/lp0, written in place (never created).
class DeviceRawPrinter final : public RawPrinter {
 public:
  explicit DeviceRawPrinter(std::string device) : device_(std::move(device)) {}
  xbase::Status Send(std::string_view title, std::string_view bytes, Delivery* delivery) override;

 private:
  std::string device_;
};

// A folder where each job becomes a new file "<title>-yyyymmdd-hhmmss[-n].prn".
class SpoolRawPrinter final : public RawPrinter {
 public:
  // `clock` gives the time that names the files (the real time by default).
  explicit SpoolRawPrinter(std::string folder, FileClock clock = nullptr);
  xbase::Status Send(std::string_view title, std::string_view bytes, Delivery* delivery) override;

 private:
  std::string folder_;
  FileClock clock_;
};

// The printer of the workstation's [DotMatrix] setting.
std::unique_ptr<RawPrinter> MakeRawPrinter(const DotMatrixSink& sink);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_RAW_PRINTER_H_
