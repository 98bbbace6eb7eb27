// The settings of this workstation that the connection settings have no place for: sections of
// Palunda.ini read at start-up.
//
//   [DotMatrix]    one of Device=/dev/usb/lp0, Queue=LX300 (a raw CUPS queue) or Spool=FOLDER
//   [Reports]      Folder=FOLDER (workbooks, PDF files and copies), Viewer=COMMAND (optional)
//   [Drives]       D=/srv/palunda, \\server\share=/mnt/share, ... (stored Windows paths)
//   [MySQL]        Server=HOST, Port=3306, Socket=PATH (with Server=localhost), User=NAME, Password=TEXT,
//                  Database=mapping_clipper, Timeout=SECONDS (the head office's database of invoices
//                  and returns)
//   [Storage]      Access=automatic|mapped|direct (how data files are reached; xbase/file_access.h),
//                  Flush=on|off (whether a save waits until the disk holds its journal and its
//                  writes; on unless set: off survives a killed program but not a power cut)
//
// Relative folders are taken under the folder of Palunda.ini.
#ifndef PALUNDA_PLATFORM_WORKSTATION_SETTINGS_H_
#define PALUNDA_PLATFORM_WORKSTATION_SETTINGS_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/drive_map.h"
#include "xbase/file_access.h"
#include "xbase/ini_file.h"
#include "xbase/status.h"

namespace platform {

inline constexpr std::string_view kDotMatrixSection = "DotMatrix";
inline constexpr std::string_view kReportsSection = "Reports";
inline constexpr std::string_view kDrivesSection = "Drives";
inline constexpr std::string_view kMySqlSection = "MySQL";
inline constexpr std::string_view kStorageSection = "Storage";

// The head office's MySQL server; no server set means no link.
struct MySqlSettings {
  std::string server;
  int port = 3306;
  std::string socket;  // a server on this machine: its socket, reached with the server "localhost"
  std::string user;
  std::string password;
  std::string database = "mapping_clipper";
  int timeout_seconds = 10;
};

// Where the raw byte stream of a dot-matrix print goes.
struct DotMatrixSink {
  enum class Kind { kDevice, kQueue, kSpool };
  Kind kind = Kind::kSpool;
  std::string target;  // the device path, the CUPS queue name or the spool folder
};

struct WorkstationSettings {
  std::string home;                     // the folder of Palunda.ini
  DotMatrixSink dot_matrix;             // default: the folder "spool" beside Palunda.ini
  std::string reports_folder;           // default: the folder "reports" beside Palunda.ini
  std::vector<std::string> viewer;      // the viewer program and its arguments; empty for none
  DriveMap drives;
  MySqlSettings mysql;
  xbase::FileAccess file_access = xbase::FileAccess::kAutomatic;
  bool flush = true;
};

// Reads the workstation sections of `ini`, relative folders under `home`; InvalidArgument naming
// the section and key of a wrong value.
xbase::Status ReadWorkstationSettings(const xbase::IniFile& ini, const std::string& home, WorkstationSettings* settings);
// Loads the settings file at `ini_path` and reads it as above, under the file's own folder.
xbase::Status LoadWorkstationSettings(const std::string& ini_path, WorkstationSettings* settings);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_WORKSTATION_SETTINGS_H_
