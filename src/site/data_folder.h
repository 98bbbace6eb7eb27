// Making a new data folder: every table of the catalog with its index files, the settings, counters, menu
// and first administrator a site starts with, and on request a small demonstration company.
#ifndef PALUNDA_SITE_DATA_FOLDER_H_
#define PALUNDA_SITE_DATA_FOLDER_H_

#include <string>

#include "frame/procedure_registry.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace site {

// The first administrator of a new data folder, and the menu group that reaches every entry.
inline constexpr const char* kAdminNik = "SYSADMIN";
inline constexpr const char* kAdminPassword = "admin";
inline constexpr const char* kAdminName = "ADMINISTRATOR";
inline constexpr const char* kAdminMenuGroup = "ADMIN";
inline constexpr const char* kAdminRights = "/SPV /EDP EDP AAO ACC \\EDP";

// The folder of report work files inside a new data folder (SETUP "TMPFILELAP").
inline constexpr const char* kReportFolder = "laporan";
// The folder of transfer files inside a new data folder (SETUP "TMPFILEEXP", "DT-TAMPUNG" and "TMPFILEIMP").
inline constexpr const char* kTransferFolder = "transfer";

struct DataFolderOptions {
  bool demo = false;                      // add the demonstration company
  xbase::Date today;                      // start date of the process month; the system date when empty
  std::string branch = "JKT001";          // the site's branch code (at most 6 characters)
  std::string branch_name = "JAKARTA";
  std::string customer_prefix = "J";      // customer codes of the branch begin with it (1 to 4 characters)
  std::string company = "PT. PALUNDA SENTOSA";
  std::string address = "JL. PINANGSIA RAYA NO. 12";
  std::string city = "JAKARTA";
  std::string vat_percent = "11";         // SETUP "POTONGPPN"
  const frame::ProcedureRegistry* registry = nullptr;  // entries the menu reaches; every registered one when null
};

class FolderWriter;

// A user of a new data folder.
struct NewUser {
  std::string nik;
  std::string name;
  std::string password;  // as typed; stored through the password transformation
  std::string rights;    // KODEPROG
  std::string warehouse;
};

// Appends `user` to TRANSAK.
xbase::Status AddUser(FolderWriter& writer, const NewUser& user);

// Makes the data folder `dir` (created when missing; an existing folder must be empty). On failure the
// folder is left as it was found and the status says why. `report` (optional) receives what was made.
xbase::Status MakeDataFolder(const std::string& dir, const DataFolderOptions& options, std::string* report);

}  // namespace site

#endif  // PALUNDA_SITE_DATA_FOLDER_H_
