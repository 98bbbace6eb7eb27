// The services of one workstation: its Palunda.ini settings and the output devices every print goes through.
#include "frame/workstation_services.h"

#include <filesystem>

#include "platform/cups_printers.h"
#include "xbase/ini_file.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

platform::WorkstationSettings DefaultSettings() {
  platform::WorkstationSettings settings;
  // An empty settings file holds nothing that can be refused.
  platform::ReadWorkstationSettings(xbase::IniFile(), std::filesystem::current_path().string(), &settings).IgnoreError();
  return settings;
}

}  // namespace

WorkstationServices::WorkstationServices()
    : settings_(DefaultSettings()),
      dot_matrix_(platform::MakeRawPrinter(settings_.dot_matrix)),
      printers_(std::make_unique<platform::CupsPrintSystem>()) {}

void WorkstationServices::Configure(platform::WorkstationSettings settings) {
  settings_ = std::move(settings);
  if (!devices_given_) dot_matrix_ = platform::MakeRawPrinter(settings_.dot_matrix);
}

void WorkstationServices::UseDevices(std::unique_ptr<platform::RawPrinter> dot_matrix,
                                     std::unique_ptr<platform::PrintSystem> printers) {
  dot_matrix_ = std::move(dot_matrix);
  printers_ = std::move(printers);
  devices_given_ = true;
}

xbase::Status WorkstationServices::MapPath(std::string_view stored, std::string* local) const {
  return settings_.drives.Map(xbase::AllTrim(stored), local);
}

std::string WorkstationServices::LocalReportFolder() const {
  return (std::filesystem::path(settings_.home) / "tmp").string();
}

}  // namespace frame
