// The services of one workstation: the settings of Palunda.ini that the connection settings have
// no place for, and the output devices every print goes through (the dot-matrix sink and the
// page printers). A program reads them at start-up; tests put fake devices in place.
#ifndef PALUNDA_FRAME_WORKSTATION_SERVICES_H_
#define PALUNDA_FRAME_WORKSTATION_SERVICES_H_

#include <memory>
#include <string>
#include <string_view>

#include "platform/new_file.h"
#include "platform/page_printer.h"
#include "platform/raw_printer.h"
#include "platform/workstation_settings.h"
#include "xbase/status.h"

namespace frame {

class WorkstationServices {
 public:
  // The default settings under the current folder, with the devices they name and this machine's CUPS.
  WorkstationServices();
  WorkstationServices(const WorkstationServices&) = delete;
  WorkstationServices& operator=(const WorkstationServices&) = delete;

  const platform::WorkstationSettings& settings() const { return settings_; }
  // Takes the settings read at start-up; the devices follow them unless UseDevices put others in place.
  void Configure(platform::WorkstationSettings settings);
  // Puts devices in place of those the settings name (tests: the fakes); later settings leave them.
  void UseDevices(std::unique_ptr<platform::RawPrinter> dot_matrix, std::unique_ptr<platform::PrintSystem> printers);
  // The clock that names new spool, PDF and workbook files (the real time when not set).
  void set_file_clock(platform::FileClock clock) { file_clock_ = std::move(clock); }
  const platform::FileClock& file_clock() const { return file_clock_; }

  // Where the raw byte stream of a dot-matrix print goes.
  platform::RawPrinter& dot_matrix() { return *dot_matrix_; }
  // The page printers of this machine.
  platform::PrintSystem& printers() { return *printers_; }

  // A stored path (a Windows path with a drive or share, or a local one) as a path of this
  // machine: through the drive map, each part matched without regard to case. NotFound naming the
  // drive when it is not mapped.
  xbase::Status MapPath(std::string_view stored, std::string* local) const;
  // The folder of report and work tables when SETUP names none: "tmp" beside Palunda.ini.
  std::string LocalReportFolder() const;

 private:
  platform::WorkstationSettings settings_;
  std::unique_ptr<platform::RawPrinter> dot_matrix_;
  std::unique_ptr<platform::PrintSystem> printers_;
  bool devices_given_ = false;
  platform::FileClock file_clock_;
};

}  // namespace frame

#endif  // PALUNDA_FRAME_WORKSTATION_SERVICES_H_
