// Start-up, connection settings and login: the program's first screens.
#include "frame/login.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "console/alert.h"
#include "console/box.h"
#include "console/choice_list.h"
#include "console/get.h"
#include "console/message.h"
#include "console/secret_entry.h"
#include "console/table_access.h"
#include "console/unfinished_saves.h"
#include "frame/budget.h"
#include "frame/menu2.h"
#include "frame/open_table.h"
#include "frame/users.h"
#include "platform/workstation_settings.h"
#include "text/date_helpers.h"
#include "xbase/cipher.h"
#include "xbase/date_functions.h"
#include "xbase/ini_file.h"
#include "xbase/number_text.h"
#include "xbase/password.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

using console::Console;

constexpr std::string_view kSourceSection = "SourceData";
constexpr std::string_view kNotEntitled = "..... \"anda tidak berhak menggunakan program ini\" .....";
constexpr std::string_view kConnectionFail = "setup data connection fail";
constexpr std::string_view kWrongPassword = "Password salah....";
constexpr std::string_view kNoRights = "hak akses untuk user tersebut belum diset";
constexpr std::string_view kNoDataFolder =
    "names no data folder; palunda --settings DATA_FOLDER writes one";
constexpr std::string_view kNoDefaultLogsetup = "LOGSETUP tidak punya baris DEFAULT, tanggal proses akhir bulan ini";

constexpr int kNikLength = 10;
constexpr int kLoginAttempts = 4;
constexpr int kPasswordTries = 3;

// SETUP keys of the company values, of the extra search folders.
const std::string kCompanyTextPrefix = std::string(1, static_cast<char>(224)) + "SET1";
const std::string kCompanyDatePrefix = std::string(1, static_cast<char>(224)) + "SET2";
const std::string kSearchFolderPrefix = std::string(1, static_cast<char>(239)) + "DIR";

// The login's message on row 24; waits for a key.
void Message(Console& con, std::string_view text) { console::PESAN(con, text, con.Pick("Gr+/r", "/w")); }

// The data folder as a path ending in a folder separator; stored backslashes are separators.
std::string DataFolderPath(std::string_view folder) {
  std::string path(xbase::AllTrim(folder));
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// One SETUP row: its key and its KET.
struct SetupRow {
  std::string key;
  std::string ket;
};

// The SETUP rows in key order, and the rows whose key begins with a prefix.
class SetupRows {
 public:
  xbase::Status Read(xbase::WorkArea& setup) {
    std::vector<uint32_t> records;
    xbase::Status status = setup.SetOrder(1);
    if (status.ok()) status = setup.SeekAll("", &records);
    for (size_t i = 0; status.ok() && i < records.size(); ++i) {
      status = setup.GoTo(records[i]);
      rows_.push_back({setup.Text("SETUP"), setup.Text("KET")});
    }
    return status;
  }
  std::vector<const SetupRow*> Matching(std::string_view prefix) const {
    std::vector<const SetupRow*> rows;
    for (const SetupRow& row : rows_) {
      if (row.key.starts_with(prefix)) rows.push_back(&row);
    }
    return rows;
  }
  // The first row of the prefix, or null.
  const SetupRow* Find(std::string_view prefix) const {
    const std::vector<const SetupRow*> rows = Matching(prefix);
    return rows.empty() ? nullptr : rows.front();
  }

 private:
  std::vector<SetupRow> rows_;
};

// The number in positions 6-7 of a company value key.
int CompanySlot(const SetupRow& row) { return static_cast<int>(xbase::Val(xbase::SubStr(row.key, 6, 2)).value); }

// The login-wide values kept in SETUP: VAT, stock adjustment date, company values, report folder,
// extra search folders and this workstation's printer margins.
xbase::Status LoadSetupValues(Session& session, xbase::WorkArea& setup) {
  SetupRows setup_rows;
  const xbase::Status status = setup_rows.Read(setup);
  if (!status.ok()) return status;
  if (const SetupRow* row = setup_rows.Find("POTONGPPN")) session.POTONGPPN = xbase::Val(row->ket).value;
  if (const SetupRow* row = setup_rows.Find("ADJUSTMENT")) session.TGAJUSMENT = xbase::Ctod(xbase::AllTrim(row->ket));
  for (const SetupRow* row : setup_rows.Matching(kCompanyTextPrefix)) {
    const int slot = CompanySlot(*row);
    if (slot < 1 || slot > 13) continue;
    // A text longer than the slot is kept whole.
    const std::string_view text = xbase::AllTrim(row->ket);
    session.STP.text[static_cast<size_t>(slot)] =
        xbase::PadR(text, std::max(CompanySetup::kWidths[static_cast<size_t>(slot)], static_cast<int>(text.size())));
  }
  for (const SetupRow* row : setup_rows.Matching(kCompanyDatePrefix)) {
    // Only the last company value is a date.
    if (CompanySlot(*row) == 14) session.STP.date = session.Today();
  }
  if (const SetupRow* row = setup_rows.Find("TMPFILELAP")) session.TMPFILELAP_ = std::string(xbase::RTrim(row->ket));
  for (const SetupRow* row : setup_rows.Matching(kSearchFolderPrefix)) {
    session.SEARCHPATH_ += ";" + std::string(xbase::AllTrim(row->ket));
  }
  const SetupRow* margins = setup_rows.Find(MarginKey(session.workstation()));
  session.margins = margins == nullptr ? PrinterMargins{} : ParseMargins(margins->ket);
  return status;
}

// Reads the posting-date window from the LOGSETUP row marked DEFAULT and, at the first login of
// a day, writes today into it. Without such a row the process date is this month's last day.
xbase::Status LoadBudget(Session& session, xbase::WorkArea& logsetup) {
  bool found = false;
  xbase::Status status = FindDefaultRow(logsetup, &found);
  if (!status.ok()) return status;
  if (!found) {
    Message(session.console(), kNoDefaultLogsetup);
    ISITGLPROSES(session, &session.ZTGPROSES);
    return status;
  }
  Budget budget = ParseBudget(logsetup.Text("BUDGET"));
  session.ZTGLBATAS = budget.last_start;
  session.ZTGPROSES = budget.process_end;
  session.ZHARIBATAS = budget.days_after;
  session.ZHARICETAK = budget.days_before;
  if (session.ZTGPROSES.empty()) ISITGLPROSES(session, &session.ZTGPROSES);
  if (session.ZTGLBATAS >= session.Today()) return status;

  // The program goes on with the last start date read above.
  budget.process_end = session.ZTGPROSES;
  status = console::LOCK_REC(session.console(), logsetup);
  if (status.ok()) status = logsetup.Put("BUDGET", xbase::Value::Text(RewriteBudget(budget, session.Today())));
  const xbase::Status unlocked = logsetup.Unlock();
  if (status.ok()) status = unlocked;
  if (!status.ok()) return status;
  const Budget written = ParseBudget(logsetup.Text("BUDGET"));
  session.ZHARIBATAS = written.days_after;
  session.ZHARICETAK = written.days_before;
  return status;
}

// The data folder must be there and hold the SETUP table; otherwise the status says which folder
// and what to do, instead of naming only a table that was not found.
xbase::Status CheckDataFolder(const std::string& folder) {
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error)) {
    return xbase::Status::NotFound(folder, "the data folder named in Palunda.ini does not exist");
  }
  std::string found;
  if (xbase::FindInFolder(folder, "setup.dbf", &found).IsNotFound()) {
    return xbase::Status::NotFound(folder, "holds no setup.dbf; make a data folder with palunda-setup");
  }
  return xbase::Status::OK();
}

}  // namespace

bool LoadLoginSettings(Session& session) {
  Console& con = session.console();
  if (const xbase::Status status = CheckDataFolder(session.DRVDATA_); !status.ok()) {
    Message(con, status.message());
    return false;
  }
  // Saves a workstation left unfinished when it died are undone before anything else.
  if (const xbase::Status status = console::RecoverUnfinishedSaves(con, session.DRVDATA_, xbase::RecoveryScope::kAll);
      !status.ok()) {
    Message(con, status.message());
    return false;
  }
  session.SetSearchPath(session.DRVDATA_);
  xbase::WorkArea* setup = nullptr;
  if (!OpenTable(session, "setup", false, {}, &setup)) return false;
  xbase::Status status = LoadSetupValues(session, *setup);
  if (!status.ok()) {
    Message(con, status.message());
    return false;
  }
  std::string& folder = session.STP.text[13];
  folder = session.DRVDATA_ + folder;
  session.MAXBARIS = 100;
  session.SetSearchPath(std::string(xbase::AllTrim(session.DRVDATA_)) + ";" + std::string(xbase::AllTrim(folder)) +
                        ";" + session.SEARCHPATH_);

  xbase::WorkArea* logsetup = nullptr;
  if (!OpenTable(session, "Logsetup", false, {}, &logsetup)) return false;
  status = LoadBudget(session, *logsetup);
  if (!status.ok()) {
    Message(con, status.message());
    return false;
  }
  return true;
}

namespace {

// The tables that the login box and the menu building read.
OpenedTables OpenLoginTables(Session& session) { return OpenTables(session, {"userdat", "Menu", "Transak"}); }

enum class Attempt {
  kLeave,     // Esc or an empty NIK: the login ends
  kFailed,    // unknown user, wrong password, no rights or no group chosen
  kLoggedIn,  // MMEMBER is set and the menu of the chosen group is built
};

// TRANSAK standing on the user of `nik`; null when there is none.
const xbase::WorkArea* FindUser(Session& session, xbase::WorkArea& transak, const std::string& nik) {
  bool found = false;
  const xbase::Status status = SeekUser(transak, nik, &found);
  if (!status.ok()) Message(session.console(), status.message());
  return found ? &transak : nullptr;
}

// True when the user has at least one USERDAT row.
bool HasRights(Session& session, xbase::WorkArea& userdat, const std::string& nik) {
  xbase::Status status = userdat.SetOrder(2);
  if (status.ok()) status = userdat.Seek(nik);
  if (!status.ok()) Message(session.console(), status.message());
  return status.ok() && userdat.found();
}

// Up to three password tries for the user TRANSAK stands on; false when they fail or one is empty.
bool CheckPassword(Session& session, const xbase::WorkArea& transak, std::string_view colour) {
  Console& con = session.console();
  const std::string stored(xbase::AllTrim(transak.Text("PASS_ID")));
  for (int tries = 0; tries < kPasswordTries; ++tries) {
    const std::string typed = console::GETPASS(con, 11, 35, colour);
    if (typed.empty()) return false;
    if (xbase::AllTrim(xbase::TransformPassword(typed)) == stored) return true;
    Message(con, kWrongPassword);
  }
  return false;
}

// The user of the TRANSAK record the area stands on.
Member ReadMember(const xbase::WorkArea& transak, const std::string& nik) {
  Member member;
  member.nik = nik;
  member.name = transak.Text("USER_NM");
  member.level = transak.Number("LEVEL_ID");
  member.password = transak.Text("PASS_ID");
  member.rights = transak.Text("KODEPROG");
  member.warehouse = transak.Text("GUDANG");
  return member;
}

// One login attempt in the login box: NIK, password, rights and the menu group.
Attempt LoginAttempt(Session& session, const OpenedTables& tables, Menu* menu, std::string* group) {
  Console& con = session.console();
  const std::string colour(con.Pick("W+/bg", "W/w"));
  std::string nik(kNikLength, ' ');
  console::GetList form;
  form.Add(9, 35, &nik, "@!").colour = con.Pick("Gr+/bg,W+/r+", "W+/w,W/n");
  const console::ReadResult read = form.Read(con);
  if (read.escaped || xbase::IsBlank(nik)) return Attempt::kLeave;

  const xbase::WorkArea* transak = FindUser(session, tables["TRANSAK"], nik);
  if (transak == nullptr) {
    Message(con, kUnknownUser);
    return Attempt::kFailed;
  }
  con.Say(10, 35, transak->Text("USER_NM"), con.Colour(colour));
  if (!CheckPassword(session, *transak, colour)) return Attempt::kFailed;
  if (!HasRights(session, tables["USERDAT"], nik)) {
    Message(con, kNoRights);
    return Attempt::kFailed;
  }
  session.MMEMBER = ReadMember(*transak, nik);
  if (!GETMENUUTAMA(session, tables["USERDAT"], tables["MENU"], menu, group)) {
    session.MMEMBER = Member{};
    return Attempt::kFailed;
  }
  return Attempt::kLoggedIn;
}

// The workstation's own sections of the settings file: the output devices and the way data files are
// reached follow them. A wrong value is shown and the program ends.
bool LoadWorkstation(Session& session, const std::string& ini_path) {
  platform::WorkstationSettings settings;
  const xbase::Status status = platform::LoadWorkstationSettings(ini_path, &settings);
  if (!status.ok()) {
    Message(session.console(), status.message());
    return false;
  }
  xbase::SetFileAccess(settings.file_access);
  xbase::SetFlushing(settings.flush);
  session.services().Configure(std::move(settings));
  return true;
}

}  // namespace

xbase::Status WriteConnectionSettings(const ConnectionSettings& settings, const std::string& ini_path) {
  if (xbase::IsBlank(settings.folder)) return xbase::Status::InvalidArgument(ini_path, kNoDataFolder);
  xbase::IniFile ini;
  xbase::Status status = ini.Set(xbase::IniFile::kMainSection, "Desc", "Aplikasi Palunda");
  if (status.ok()) status = ini.Set(xbase::IniFile::kMainSection, "Ver", "Version (2018)");
  const std::pair<std::string_view, std::string> values[] = {
      {"Host_ID", xbase::EncipherSetting(settings.server)},
      {"User_ID", xbase::EncipherSetting(settings.user)},
      {"Pass_ID", xbase::EncipherSetting(settings.password)},
      {"Database", settings.folder},
  };
  for (const auto& [key, value] : values) {
    if (status.ok()) status = ini.Set(kSourceSection, key, value);
  }
  return status.ok() ? ini.Save(ini_path) : status;
}

xbase::Status ReadConnectionSettings(const std::string& ini_path, ConnectionSettings* settings) {
  xbase::IniFile ini;
  xbase::Status status = xbase::IniFile::Load(ini_path, &ini);
  const std::pair<std::string_view, std::string*> secrets[] = {
      {"Host_ID", &settings->server}, {"User_ID", &settings->user}, {"Pass_ID", &settings->password}};
  for (const auto& [key, value] : secrets) {
    if (status.ok()) status = xbase::DecipherSetting(ini.Get(kSourceSection, key).value_or(""), value);
  }
  if (status.ok()) settings->folder = ini.Get(kSourceSection, "Database").value_or("");
  // Without a folder every path would start at the root of the file system.
  if (status.ok() && xbase::IsBlank(settings->folder)) return xbase::Status::InvalidArgument(ini_path, kNoDataFolder);
  return status;
}

void MULAI(Session& session, const std::string& ini_path) {
  Console& con = session.console();
  con.ClearScreen();
  session.tables().set_deleted_hidden(true);
  session.TMPFILELAP_.clear();
  session.SEARCHPATH_.clear();
  if (LISENSI_(session, ini_path)) {
    if (LoadWorkstation(session, ini_path)) LOGIN(session);
  } else {
    console::Alert(con, kNotEntitled);
  }
  session.CloseTables();
  con.set_colours(console::ColourSet());
  con.ClearScreen();
}

bool LISENSI_(Session& session, const std::string& ini_path) {
  Console& con = session.console();
  ConnectionSettings settings;
  const xbase::Status status = ReadConnectionSettings(ini_path, &settings);
  if (status.IsNotFound()) {
    console::ScreenKeeper keeper(con);
    if (!SETCONNECTIONDATA(session, &settings, ini_path)) return false;
  } else if (!status.ok()) {
    Message(con, status.message());
    return false;
  }
  // The share is mounted by the system: no command runs here, and a folder that cannot be
  // reached shows up as tables that cannot be opened.
  session.SERVER_ = settings.server;
  session.DRVDATA_ = DataFolderPath(settings.folder);
  return true;
}

bool SETCONNECTIONDATA(Session& session, ConnectionSettings* settings, const std::string& ini_path) {
  Console& con = session.console();
  const std::string_view colour = con.Pick("W+/bg", "W/w");
  constexpr int kWidth = 65;
  const int left = console::kCols / 2 - kWidth / 2;
  console::ISHADOW(con, 6, left - 1, 14, left + kWidth, colour);
  const std::string_view lines[] = {" Aplikasi Palunda", "", "    SerVer :", " Direktory :", "      User :",
                                    "  Password :", ""};
  int row = 7;
  for (std::string_view line : lines) con.Say(row++, left, xbase::PadR(line, kWidth), con.Colour(colour));

  ConnectionSettings typed;
  typed.server = console::ENTERPASWORD(con, 9, 20, colour);
  typed.folder = console::ENTERPASWORD(con, 10, 20, colour);
  typed.user = console::ENTERPASWORD(con, 11, 20, colour);
  typed.password = console::ENTERPASWORD(con, 12, 20, colour);
  if (xbase::IsBlank(typed.server) || xbase::IsBlank(typed.folder)) {
    console::Alert(con, kConnectionFail);
    return false;
  }
  const xbase::Status status = WriteConnectionSettings(typed, ini_path);
  if (!status.ok()) Message(con, status.message());
  for (std::string* value : {&typed.server, &typed.user, &typed.password, &typed.folder}) {
    *value = std::string(xbase::AllTrim(*value));
  }
  *settings = std::move(typed);
  return true;
}

void LOGIN(Session& session) {
  Console& con = session.console();
  {
    console::ScreenKeeper keeper(con);
    con.ClearScreen();
    if (!LoadLoginSettings(session)) {
      session.CloseTables();
      return;
    }
  }
  session.CloseTables();
  session.MMEMBER = Member{};

  OpenedTables tables;
  for (int attempts = 0; attempts < kLoginAttempts;) {
    if (!tables && !(tables = OpenLoginTables(session))) break;
    TAMPIL(con);
    Menu menu;
    std::string group;
    const Attempt attempt = LoginAttempt(session, tables, &menu, &group);
    if (attempt == Attempt::kLeave) break;
    if (attempt == Attempt::kFailed) {
      ++attempts;
      continue;
    }
    session.CloseTables();
    tables = OpenedTables();
    const MenuExit exit = MENUUTAMA(session, menu, group);
    session.MMEMBER = Member{};
    if (exit == MenuExit::kEndProgram) break;
    con.ClearScreen();  // the next login box stands alone, as the first one did
    attempts = 1;  // the finished visit counts as the first attempt
  }
  session.CloseTables();
  con.ClearScreen();
}

std::optional<std::string> GETGRUP(Session& session, const std::vector<std::string>& groups) {
  if (groups.empty()) return std::string(kNikLength, ' ');
  if (groups.size() == 1) return groups.front();
  Console& con = session.console();
  console::ScreenKeeper keeper(con);
  const std::string_view colour = con.Pick("W+/br", "W+/n");
  console::ISHADOW(con, 10, 50, 22, 62, colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(11, 51, "Grup Menu  ", attr);
  con.Fill(12, 51, 12, 61, 0xC4, attr);
  con.SetColour(colour);
  const int chosen = console::AChoice(con, 13, 51, 21, 61, groups);
  if (chosen == 0) return std::nullopt;
  return std::string(xbase::Left(groups[static_cast<size_t>(chosen - 1)], kNikLength));
}

void ISITGLPROSES(Session& session, xbase::Date* date) { *date = text::TGLAKHIR(session.Today()); }

void TAMPIL(Console& con) {
  const std::string_view colour = con.Pick("W+/bg", "W/w");
  console::ISHADOW(con, 6, 22, 12, 56, colour);
  const std::string_view lines[] = {" Login                    PALUNDA", "", " Nik      : ..........           ",
                                    " Nama     : .................... ", " Password :                      "};
  int row = 7;
  for (std::string_view line : lines) con.Say(row++, 23, xbase::PadR(line, 33), con.Colour(colour));
}

}  // namespace frame
