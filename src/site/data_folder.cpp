// Making a new data folder: every table of the catalog with its index files, the settings, counters, menu
// and first administrator a site starts with, and on request a small demonstration company.
#include "site/data_folder.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "frame/budget.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "site/all_procedures.h"
#include "site/demo_data.h"
#include "site/folder_writer.h"
#include "site/menu_rows.h"
#include "site/site_counters.h"
#include "site/transfer_tables.h"
#include "text/english_number_words.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/password.h"
#include "xbase/text_functions.h"

namespace site {
namespace fs = std::filesystem;
namespace {

// Days a posting date may lie after and before the last start date (BUDGET positions 24-25 and 27-28).
constexpr const char* kDaysAfter = "10";
constexpr const char* kDaysBefore = "10";

// Keys of the company values begin with chr(224): "SET1" + nn for value nn, "SET214" for the process date.
std::string CompanyKey(std::string_view name) { return static_cast<char>(224) + std::string(name); }

// Why a folder could not be made: the system's reason, or what stands in the way when it gave none.
std::string Reason(const std::error_code& ec) { return ec ? ec.message() : "something else is there under that name"; }

// Refuses a path whose link leads nowhere, such as a share that is not mounted: nothing is made in
// its place and the link is left alone.
xbase::Status CheckNotDangling(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec)) || fs::exists(fs::status(path, ec))) return xbase::Status::OK();
  return xbase::Status::NotFound(path.string(), "is a link to " + fs::read_symlink(path, ec).string() +
                                                    ", which cannot be reached (a share not mounted?); nothing was changed");
}

// Makes the missing folders of `dir` one by one from the outermost; `*made` names the outermost
// made here, so that a failure removes only what this run made.
xbase::Status MakeMissingFolders(const fs::path& dir, std::string* made) {
  std::vector<fs::path> missing;
  std::error_code ec;
  fs::path up = dir;
  for (; !up.empty() && !fs::exists(fs::symlink_status(up, ec)); up = up.parent_path()) {
    missing.push_back(up);
    if (up == up.root_path()) break;
  }
  if (!up.empty() && fs::exists(fs::symlink_status(up, ec))) {
    xbase::Status s = CheckNotDangling(up);
    if (!s.ok()) return s;
    if (!fs::is_directory(up, ec)) return xbase::Status::InvalidArgument(up.string(), "is a file, not a folder");
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (!fs::create_directory(*it, ec) || ec) {
      const std::string reason = Reason(ec);
      if (!made->empty()) fs::remove_all(*made, ec);
      made->clear();
      return xbase::Status::IOError(dir.string(), "cannot be made: " + reason);
    }
    if (made->empty()) *made = it->string();
  }
  return xbase::Status::OK();
}

// Accepts a missing folder (made here with the missing folders above it; `*made` names the outermost
// of them) or an empty one (`*made` empty); refuses anything else.
xbase::Status PrepareFolder(const std::string& dir, std::string* made) {
  std::error_code ec;
  made->clear();
  xbase::Status s = CheckNotDangling(dir);
  if (!s.ok()) return s;
  const fs::file_status status = fs::status(dir, ec);
  if (fs::exists(status)) {
    if (!fs::is_directory(status)) return xbase::Status::InvalidArgument(dir, "is a file, not a folder");
    if (!fs::is_empty(dir, ec) || ec) {
      return xbase::Status::InvalidArgument(dir, "is not empty; a data folder is never made over an existing one, "
                                                 "nothing was changed");
    }
  } else {
    s = MakeMissingFolders(dir, made);
    if (!s.ok()) return s;
  }
  if (access(dir.c_str(), W_OK | X_OK) != 0) {
    const std::string reason = std::strerror(errno);
    if (!made->empty()) fs::remove_all(*made, ec);
    return xbase::Status::IOError(dir, "cannot be written: " + reason);
  }
  return xbase::Status::OK();
}

// Leaves the folder as it was found: the folders made here removed, an empty folder emptied again.
void Undo(const std::string& dir, const std::string& made) {
  std::error_code ec;
  if (!made.empty()) {
    fs::remove_all(made, ec);
    return;
  }
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) fs::remove_all(entry.path(), ec);
}

xbase::Status MakeSubFolder(const std::string& dir, const char* name, std::string* path) {
  *path = (fs::path(dir) / name).string();
  std::error_code ec;
  if (!fs::create_directory(*path, ec) || ec) return xbase::Status::IOError(*path, "cannot be made: " + Reason(ec));
  return xbase::Status::OK();
}

xbase::Status WriteSettings(FolderWriter& writer, const std::string& dir, const DataFolderOptions& options,
                            xbase::Date today) {
  std::vector<std::string> company(14);
  company[1] = options.company;
  company[2] = options.address;
  company[3] = options.city;
  xbase::Status s;
  for (int nn = 1; nn <= 13 && s.ok(); ++nn) s = AddSetting(writer, CompanyKey("SET1" + xbase::StrZero(nn, 2)), company[static_cast<size_t>(nn)]);
  std::string report;
  std::string transfer;
  if (s.ok()) s = AddSetting(writer, CompanyKey("SET214"), xbase::Dtoc(xbase::Eom(today)));
  if (s.ok()) s = AddSetting(writer, "POTONGPPN", options.vat_percent);
  if (s.ok()) s = MakeSubFolder(dir, kReportFolder, &report);
  // Stored relative to the data folder, so a moved or copied folder keeps using its own.
  if (s.ok()) s = AddSetting(writer, "TMPFILELAP", kReportFolder);
  if (s.ok()) s = MakeSubFolder(dir, kTransferFolder, &transfer);
  if (s.ok()) s = MakeTransferTables(transfer);
  if (s.ok()) s = AddSetting(writer, "TMPFILEEXP", kTransferFolder);
  if (s.ok()) s = AddSetting(writer, "DT-TAMPUNG", kTransferFolder);
  if (s.ok()) s = AddSetting(writer, "TMPFILEIMP", kTransferFolder);
  const std::string branch = xbase::PadR(options.branch, 6);
  if (s.ok()) s = AddSetting(writer, "CABANG" + options.customer_prefix, branch + " " + options.branch_name);
  if (s.ok()) s = AddSetting(writer, "MTCB" + branch, options.branch_name);
  // The branch fields of the screens check the code against the SETUP keys (GETCB).
  if (s.ok()) s = AddSetting(writer, branch, options.branch_name);
  if (s.ok()) s = AddSetting(writer, "KUVOCABANG", branch);
  for (const SiteCounter& kind : SiteCounters()) {
    if (!s.ok()) break;
    s = AddSetting(writer, SiteCounterKey(kind, options.branch), kind.start);
  }
  return s;
}

xbase::Status WriteLogsetup(FolderWriter& writer, const std::string& dir, xbase::Date today) {
  frame::Budget budget;
  budget.process_end = xbase::Eom(today);
  budget.days_after = kDaysAfter;
  budget.days_before = kDaysBefore;
  return writer.Add("LOGSETUP", {{"LOGEDPATH", dir},
                                 {"LOGEDDATE", budget.process_end},
                                 {"DEFAULT", true},
                                 {"BUDGET", frame::RewriteBudget(budget, today)}});
}

xbase::Status WriteDollar(FolderWriter& writer) {
  xbase::Status s;
  for (int n = 1; n <= 99 && s.ok(); ++n) s = writer.Add("DOLLAR", {{"TERBILANG", text::EnglishNumberWords(n)}});
  return s;
}

std::string Report(const std::string& dir, const DataFolderOptions& options, const FolderWriter& writer,
                   size_t admin_bars) {
  size_t tables = 0;
  size_t indexes = 0;
  for (const schema::TableDef* table : schema::AllTables()) {
    ++tables;
    indexes += table->indexes.size();
  }
  std::string text = "Data folder " + dir + " made: " + std::to_string(tables) + " tables with " +
                     std::to_string(indexes) + " index files.\nRows written:";
  for (const auto& [table, rows] : writer.rows()) text += " " + table + " " + std::to_string(rows) + ",";
  text.back() = '\n';
  text += "Report folder: " + (fs::path(dir) / kReportFolder).string() + "\n";
  const size_t path_width = static_cast<size_t>(schema::FindField(*schema::FindTable("LOGSETUP"), "LOGEDPATH")->width);
  if (dir.size() > path_width) {
    text += "Note: the folder's path is longer than " + std::to_string(path_width) +
            " characters; LOGSETUP keeps only its start, so the folder cannot be chosen by that row.\n";
  }
  std::string groups = BarGroup(kAdminMenuGroup, 0);
  for (size_t n = 1; n < admin_bars; ++n) groups += ", " + BarGroup(kAdminMenuGroup, n);
  text += std::string("Administrator: NIK ") + kAdminNik + ", password " + kAdminPassword +
          (admin_bars > 1 ? " (menu groups " : " (menu group ") + groups + ")\n";
  if (options.demo) {
    text += std::string("Demo user: NIK ") + kDemoNik + ", password " + kDemoPassword + " (menu group " +
            kDemoMenuGroup + ")\n";
  }
  return text;
}

xbase::Status WriteFolder(const std::string& dir, const DataFolderOptions& options, const frame::ProcedureRegistry& registry,
                          std::string* report) {
  const xbase::Date today = options.today.empty() ? xbase::SystemToday() : options.today;
  xbase::Status s = schema::CreateAllTables(dir);
  if (!s.ok()) return s;
  FolderWriter writer(dir);
  s = WriteSettings(writer, dir, options, today);
  if (s.ok()) s = WriteLogsetup(writer, dir, today);
  std::vector<const frame::EntryInfo*> entries;
  for (const frame::EntryInfo& entry : registry.entries()) entries.push_back(&entry);
  if (s.ok()) s = AddMenuBars(writer, kAdminMenuGroup, entries, kAdminNik);
  const NewUser admin{kAdminNik, kAdminName, kAdminPassword, kAdminRights, options.demo ? kDemoWarehouse : ""};
  if (s.ok()) s = AddUser(writer, admin);
  if (s.ok()) s = WriteDollar(writer);
  if (s.ok() && options.demo) s = AddDemoData(writer, options, registry, today);
  xbase::Status finished = writer.Finish();
  if (s.ok()) s = finished;
  if (s.ok() && options.demo) s = AddDemoPlans(dir, options, today);
  if (s.ok() && report != nullptr) *report = Report(dir, options, writer, SplitIntoBars(entries).size());
  return s;
}

}  // namespace

xbase::Status AddUser(FolderWriter& writer, const NewUser& user) {
  return writer.Add("TRANSAK", {{"USER_ID", user.nik},
                                {"USER_NM", user.name},
                                {"PASS_ID", xbase::TransformPassword(user.password)},
                                {"LEVEL_ID", 1},
                                {"KODEPROG", user.rights},
                                {"GUDANG", user.warehouse}});
}

xbase::Status MakeDataFolder(const std::string& dir, const DataFolderOptions& options, std::string* report) {
  if (dir.empty()) return xbase::Status::InvalidArgument("data folder", "no folder given");
  if (options.branch.empty() || options.branch.size() > 6) {
    return xbase::Status::InvalidArgument(options.branch, "a branch code has 1 to 6 characters");
  }
  if (options.customer_prefix.empty() || options.customer_prefix.size() > 4) {
    return xbase::Status::InvalidArgument(options.customer_prefix, "a customer-code prefix has 1 to 4 characters");
  }
  std::error_code ec;
  const std::string folder = fs::absolute(fs::path(dir), ec).lexically_normal().string();
  const std::string trimmed = folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
  std::string made;
  xbase::Status s = PrepareFolder(trimmed, &made);
  if (!s.ok()) return s;
  frame::ProcedureRegistry own;
  if (options.registry == nullptr) RegisterAllProcedures(own);
  s = WriteFolder(trimmed, options, options.registry != nullptr ? *options.registry : own, report);
  if (!s.ok()) Undo(trimmed, made);
  return s;
}

}  // namespace site
