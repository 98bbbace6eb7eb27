// Start-up, connection settings and login: the program's first screens.
#ifndef PALUNDA_FRAME_LOGIN_H_
#define PALUNDA_FRAME_LOGIN_H_

#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace frame {

// The settings file, read from and written to the current folder.
inline constexpr const char* kIniFileName = "Palunda.ini";

// The connection settings of the settings file.
struct ConnectionSettings {
  std::string server;    // the file server share
  std::string user;      // network user name
  std::string password;  // network password
  std::string folder;    // the data folder
};

// Writes the settings file: the program's name and version, the three secret values enciphered,
// the data folder in plain text; InvalidArgument, writing nothing, without a data folder.
xbase::Status WriteConnectionSettings(const ConnectionSettings& settings, const std::string& ini_path);
// Reads the settings file; NotFound when there is none, Corruption when a secret value is damaged,
// InvalidArgument when it names no data folder (an empty, garbled or cut file).
xbase::Status ReadConnectionSettings(const std::string& ini_path, ConnectionSettings* settings);

// The start procedure: sets up the session, finds the connection settings and runs the login
// until it is left. The program ends when it returns.
void MULAI(Session& session, const std::string& ini_path = kIniFileName);

// Finds the connection settings (asking for them when there is no settings file) and fixes the
// data folder; false when the settings screen was left incomplete.
bool LISENSI_(Session& session, const std::string& ini_path = kIniFileName);

// The connection settings screen: true with the trimmed values when server and folder were
// entered, and the settings file written.
bool SETCONNECTIONDATA(Session& session, ConnectionSettings* settings, const std::string& ini_path);

// Steps 1 to 7 of the login over the data folder DRVDATA_: unfinished saves undone, the settings of
// SETUP, the search path and the posting-date window. False, with the fault shown, when a table could
// not be opened or read.
bool LoadLoginSettings(Session& session);

// The login loop: loads the login-wide settings, then logs users in and runs their menus until
// the login box is left, four attempts in a row fail, or a menu ends the program.
void LOGIN(Session& session);

// Lets the user choose one of the menu groups: 10 blanks when there is none, the group itself
// when there is one, else a choice list; nothing after Esc.
std::optional<std::string> GETGRUP(Session& session, const std::vector<std::string>& groups);

// Sets the date to the last day of the current month.
void ISITGLPROSES(Session& session, xbase::Date* date);

// Draws the login box.
void TAMPIL(console::Console& con);

}  // namespace frame

#endif  // PALUNDA_FRAME_LOGIN_H_
