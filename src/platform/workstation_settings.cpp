// The settings of this workstation that the connection settings have no place for: sections of Palunda.ini.
#include "platform/workstation_settings.h"

#include <filesystem>
#include <optional>

#include "platform/program_start.h"
#include "xbase/text_functions.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string Where(std::string_view section, std::string_view key) {
  return "[" + std::string(section) + "] " + std::string(key);
}

// The value of a key, empty values counting as unset.
std::optional<std::string> Value(const xbase::IniFile& ini, std::string_view section, std::string_view key) {
  std::optional<std::string> value = ini.Get(section, key);
  if (value && value->empty()) value.reset();
  return value;
}

xbase::Status RefuseUnknownKeys(const xbase::IniFile& ini, std::string_view section,
                                const std::vector<std::string_view>& known) {
  for (const std::string& key : ini.KeyNames(section)) {
    bool found = false;
    for (std::string_view name : known) found = found || xbase::EqualsIgnoreCase(key, name);
    if (!found) {
      std::string names;
      for (std::string_view name : known) names += (names.empty() ? "" : ", ") + std::string(name);
      return xbase::Status::InvalidArgument(Where(section, key), "unknown key; the keys here are " + names);
    }
  }
  return xbase::Status::OK();
}

std::string UnderHome(const std::string& home, const std::string& folder) {
  return fs::path(folder).is_absolute() ? folder : (fs::path(home) / folder).lexically_normal().string();
}

// CUPS queue names are printable characters without blanks, slashes, '#', quotes or '?'.
bool IsQueueName(std::string_view name) {
  if (name.empty() || name.size() > 127) return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte == 0x7F || std::string_view("/\\#?'\"").find(c) != std::string_view::npos) return false;
  }
  return true;
}

xbase::Status ReadDotMatrix(const xbase::IniFile& ini, const std::string& home, DotMatrixSink* sink) {
  const xbase::Status known = RefuseUnknownKeys(ini, kDotMatrixSection, {"Device", "Queue", "Spool"});
  if (!known.ok()) return known;
  const std::optional<std::string> device = Value(ini, kDotMatrixSection, "Device");
  const std::optional<std::string> queue = Value(ini, kDotMatrixSection, "Queue");
  const std::optional<std::string> spool = Value(ini, kDotMatrixSection, "Spool");
  if (int(device.has_value()) + int(queue.has_value()) + int(spool.has_value()) > 1) {
    return xbase::Status::InvalidArgument("[" + std::string(kDotMatrixSection) + "]",
                                          "set only one of Device, Queue and Spool");
  }
  if (device) {
    if (!fs::path(*device).is_absolute()) {
      return xbase::Status::InvalidArgument(Where(kDotMatrixSection, "Device"),
                                            "'" + *device + "' is not a full device path such as /dev/usb/lp0");
    }
    *sink = {DotMatrixSink::Kind::kDevice, *device};
  } else if (queue) {
    if (!IsQueueName(*queue)) {
      return xbase::Status::InvalidArgument(Where(kDotMatrixSection, "Queue"),
                                            "'" + *queue + "' is not a print queue name (no blanks, /, \\, #, ? or quotes)");
    }
    *sink = {DotMatrixSink::Kind::kQueue, *queue};
  } else {
    *sink = {DotMatrixSink::Kind::kSpool, UnderHome(home, spool.value_or("spool"))};
  }
  return xbase::Status::OK();
}

xbase::Status ReadReports(const xbase::IniFile& ini, const std::string& home, WorkstationSettings* settings) {
  const xbase::Status known = RefuseUnknownKeys(ini, kReportsSection, {"Folder", "Viewer"});
  if (!known.ok()) return known;
  settings->reports_folder = UnderHome(home, Value(ini, kReportsSection, "Folder").value_or("reports"));
  const xbase::Status split = SplitCommandLine(Value(ini, kReportsSection, "Viewer").value_or(""), &settings->viewer);
  if (!split.ok()) return xbase::Status::InvalidArgument(Where(kReportsSection, "Viewer"), split.message());
  return xbase::Status::OK();
}

xbase::Status ReadDrives(const xbase::IniFile& ini, DriveMap* drives) {
  for (const std::string& key : ini.KeyNames(kDrivesSection)) {
    const std::string folder = ini.Get(kDrivesSection, key).value_or("");
    if (!fs::path(folder).is_absolute()) {
      return xbase::Status::InvalidArgument(Where(kDrivesSection, key), "'" + folder + "' is not a full folder path");
    }
    const xbase::Status added = drives->Add(key, folder);
    if (!added.ok()) return xbase::Status::InvalidArgument("[" + std::string(kDrivesSection) + "]", added.message());
  }
  return xbase::Status::OK();
}

// A whole number from `least` to `most`, or the default when unset.
xbase::Status ReadCount(const xbase::IniFile& ini, std::string_view section, std::string_view key, int least,
                        int most, int* count) {
  const std::optional<std::string> text = Value(ini, section, key);
  if (!text) return xbase::Status::OK();
  int value = 0;
  for (const char c : *text) {
    if (c < '0' || c > '9' || value > most) {
      value = -1;
      break;
    }
    value = value * 10 + (c - '0');
  }
  if (value < least || value > most) {
    return xbase::Status::InvalidArgument(Where(section, key), "'" + *text + "' is not a number from " +
                                                                   std::to_string(least) + " to " + std::to_string(most));
  }
  *count = value;
  return xbase::Status::OK();
}

xbase::Status ReadMySql(const xbase::IniFile& ini, MySqlSettings* mysql) {
  xbase::Status s =
      RefuseUnknownKeys(ini, kMySqlSection, {"Server", "Port", "Socket", "User", "Password", "Database", "Timeout"});
  if (s.ok()) s = ReadCount(ini, kMySqlSection, "Port", 1, 65535, &mysql->port);
  if (s.ok()) s = ReadCount(ini, kMySqlSection, "Timeout", 1, 600, &mysql->timeout_seconds);
  if (!s.ok()) return s;
  mysql->server = Value(ini, kMySqlSection, "Server").value_or("");
  mysql->socket = Value(ini, kMySqlSection, "Socket").value_or("");
  mysql->user = Value(ini, kMySqlSection, "User").value_or("");
  mysql->password = Value(ini, kMySqlSection, "Password").value_or("");
  mysql->database = Value(ini, kMySqlSection, "Database").value_or(mysql->database);
  return s;
}

// A switch: on or off (also yes/no, true/false, 1/0), any case.
xbase::Status ReadSwitch(const xbase::IniFile& ini, std::string_view section, std::string_view key, bool* value) {
  const std::optional<std::string> text = Value(ini, section, key);
  if (!text) return xbase::Status::OK();
  const std::string word = xbase::Lower(*text);
  if (word == "on" || word == "yes" || word == "true" || word == "1") {
    *value = true;
  } else if (word == "off" || word == "no" || word == "false" || word == "0") {
    *value = false;
  } else {
    return xbase::Status::InvalidArgument(Where(section, key), "'" + *text + "' is neither on nor off");
  }
  return xbase::Status::OK();
}

xbase::Status ReadStorage(const xbase::IniFile& ini, WorkstationSettings* settings) {
  const xbase::Status known = RefuseUnknownKeys(ini, kStorageSection, {"Access", "Flush"});
  if (!known.ok()) return known;
  const xbase::Status flush = ReadSwitch(ini, kStorageSection, "Flush", &settings->flush);
  if (!flush.ok()) return flush;
  const std::optional<std::string> text = Value(ini, kStorageSection, "Access");
  if (!text) return xbase::Status::OK();
  const xbase::Status parsed = xbase::ParseFileAccess(*text, &settings->file_access);
  return parsed.ok() ? parsed : xbase::Status::InvalidArgument(Where(kStorageSection, "Access"), parsed.message());
}

}  // namespace

xbase::Status ReadWorkstationSettings(const xbase::IniFile& ini, const std::string& home, WorkstationSettings* settings) {
  WorkstationSettings read;
  read.home = home;
  xbase::Status status = ReadDotMatrix(ini, home, &read.dot_matrix);
  if (status.ok()) status = ReadReports(ini, home, &read);
  if (status.ok()) status = ReadDrives(ini, &read.drives);
  if (status.ok()) status = ReadMySql(ini, &read.mysql);
  if (status.ok()) status = ReadStorage(ini, &read);
  if (status.ok()) *settings = std::move(read);
  return status;
}

xbase::Status LoadWorkstationSettings(const std::string& ini_path, WorkstationSettings* settings) {
  xbase::IniFile ini;
  const xbase::Status loaded = xbase::IniFile::Load(ini_path, &ini);
  if (!loaded.ok()) return loaded;
  const fs::path home = fs::absolute(fs::path(ini_path)).parent_path();
  const xbase::Status read = ReadWorkstationSettings(ini, home.string(), settings);
  if (!read.ok()) return xbase::Status::InvalidArgument(ini_path, read.message());
  return read;
}

}  // namespace platform
