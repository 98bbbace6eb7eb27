// Session: one workstation's login: its screen, its open tables and the login-wide variables
// that every screen reads. Nothing of it is global, so a test can run two sessions side by side.
#ifndef PALUNDA_FRAME_SESSION_H_
#define PALUNDA_FRAME_SESSION_H_

#include <array>
#include <string>
#include <string_view>

#include "console/console.h"
#include "frame/budget.h"
#include "frame/procedure_registry.h"
#include "frame/workstation_services.h"
#include "xbase/date.h"
#include "xbase/session.h"

namespace frame {

// MMEMBER: the logged-in user, read from TRANSAK.
struct Member {
  std::string nik;        // USER_ID
  std::string name;       // USER_NM
  double level = 0;       // LEVEL_ID
  std::string password;   // PASS_ID, the stored form
  std::string rights;     // KODEPROG, codes such as "/SPV"
  std::string warehouse;  // GUDANG
  bool logged_in() const { return !nik.empty(); }
  // True when the rights text holds `code` (for example "/SPV").
  bool HasRight(std::string_view code) const { return rights.find(code) != std::string::npos; }
};

// STP: the company values; slots 1-13 are texts of fixed widths, slot 14 a date.
struct CompanySetup {
  // Widths of the text slots 1..13 (slot 0 unused).
  static constexpr std::array<int, 14> kWidths = {0, 60, 60, 60, 35, 15, 15, 10, 10, 2, 50, 50, 20, 50};
  std::array<std::string, 14> text;  // slots 1..13
  xbase::Date date;                  // slot 14
  CompanySetup();
};

class Session {
 public:
  Session(console::Console& console, const ProcedureRegistry& registry, std::string workstation);
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  console::Console& console() { return console_; }
  xbase::Session& tables() { return tables_; }
  const ProcedureRegistry& registry() const { return registry_; }
  // The workstation name (the host name), which keys the printer margins.
  const std::string& workstation() const { return workstation_; }
  // This workstation's settings and output devices.
  WorkstationServices& services() { return services_; }
  const WorkstationServices& services() const { return services_; }
  // Today's date from the console's clock.
  xbase::Date Today() const { return console_.clock().Now().date; }

  // Closes every table; tables are then found through the folders of `path` (";"-separated).
  void SetSearchPath(std::string_view path);
  // Closes every table; a failure (a last write that did not reach its file) is shown on row 24.
  void CloseTables();

  // Login-wide variables, under the names the screens know them by.
  CompanySetup STP;
  Member MMEMBER;
  bool OKEE = false;
  std::string SEARCHPATH_;          // extra search folders, ";"-separated
  std::string DRVDATA_;             // the data folder, ending in a folder separator
  std::string SERVER_;              // the file server
  std::string TMPFILELAP_;          // the temporary report folder
  std::string DRVTRAN_;
  xbase::Date ZTGLBATAS;            // last start date
  xbase::Date ZTGPROSES;            // last day of the process month
  xbase::Date TGAJUSMENT;           // last stock-opname adjustment
  std::string ZHARIBATAS = "  ";    // day limit after the last start date, as 2-character text
  std::string ZHARICETAK = "  ";    // day limit before it, as 2-character text
  int MAXBARIS = 100;
  PrinterMargins margins;           // NLEFTMARGIN ... NBARISPORT
  double POTONGPPN = 0;             // VAT percent

 private:
  console::Console& console_;
  const ProcedureRegistry& registry_;
  std::string workstation_;
  WorkstationServices services_;
  xbase::Session tables_;
};

}  // namespace frame

#endif  // PALUNDA_FRAME_SESSION_H_
