// The print of a month's work table: the file chosen (or listed with "?"), the rows with orders only,
// and a workbook or a text report.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "console/alert.h"
#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "purchasing/plan_prints.h"
#include "purchasing/plan_screens.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

namespace fs = std::filesystem;

// A work table in the data folder.
struct PlanFile {
  std::string name;  // without extension
  uintmax_t size = 0;
  fs::file_time_type changed;
};

// True for "FCS" or "D1" + branch + the month's 8-digit stamp + ".DBF" (upper case): the D1 orders
// saved for good (d1cbng1, d1cbng2) begin alike but are no work tables.
bool IsWorkTableName(const std::string& upper, const std::string& prefix) {
  constexpr size_t kStamp = 8;
  if (upper.size() < prefix.size() + kStamp + 4 || upper.compare(0, prefix.size(), prefix) != 0 ||
      upper.compare(upper.size() - 4, 4, ".DBF") != 0) {
    return false;
  }
  const std::string_view stamp = std::string_view(upper).substr(upper.size() - 4 - kStamp, kStamp);
  return std::all_of(stamp.begin(), stamp.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The work tables of the kind in the data folder, newest first.
std::vector<PlanFile> PlanFiles(frame::Session& session, PlanKind kind) {
  const std::string prefix = kind == PlanKind::kForecast ? "FCS" : "D1";
  std::vector<PlanFile> files;
  const std::vector<std::string>& folders = session.tables().search_path().folders();
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folders.empty() ? "." : folders.front(), error)) {
    const std::string file = entry.path().filename().string();
    const std::string upper = xbase::Upper(file);
    if (!IsWorkTableName(upper, prefix)) continue;
    std::error_code ignored;  // a file that went meanwhile shows size 0
    files.push_back({file.substr(0, file.size() - 4), entry.file_size(ignored), entry.last_write_time(ignored)});
  }
  std::sort(files.begin(), files.end(), [](const PlanFile& a, const PlanFile& b) { return a.changed > b.changed; });
  return files;
}

std::string ListLine(const PlanFile& file) {
  const std::time_t time = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(file.changed)));
  std::tm local{};
  localtime_r(&time, &local);
  char stamp[24];
  std::strftime(stamp, sizeof stamp, "%d-%m-%Y %H:%M:%S", &local);
  return xbase::PadR(file.name, 20) + Pictured(static_cast<double>(file.size), "999,999,999") + " " + stamp;
}

// "?" lists the work tables; the one chosen replaces *name. False when there are none or after Esc.
bool PickPlanFile(frame::Session& session, PlanKind kind, std::string* name) {
  const std::vector<PlanFile> files = PlanFiles(session, kind);
  if (files.empty()) return pickers::Refuse(session, "tidak ada file yg terbentuk");
  std::vector<std::string> items;
  for (const PlanFile& file : files) items.push_back(ListLine(file));
  const int choice = pickers::ChoiceBox(session.console(), items, 8, 12, 20, 67, "W+/b",
                                        "Nama File            Byte        Tanggal    Jam", 10);
  if (choice == 0) return false;
  *name = xbase::PadR(files[static_cast<size_t>(choice - 1)].name, static_cast<int>(name->size()));
  return true;
}

// The rows of the work table `name`, and the branch and ship date of its first row.
bool ReadPlanFile(frame::Session& session, PlanKind kind, const std::string& name, bool orders_only,
                  std::vector<PlanRow>* rows, std::string* branch, xbase::Date* ship) {
  xbase::WorkArea* plan = nullptr;
  if (!OpenPlanTable(session, name, &plan)) return false;
  if (plan->FieldIndex("KDCB") < 0 || plan->FieldIndex("TG_KIRIM") < 0) {
    const xbase::Status closed = session.tables().Close(kPlanAlias);
    frame::ShowFailure(session, closed);
    return pickers::Refuse(session, "File " + name + " belum terbentuk");
  }
  xbase::Status s = plan->GoTop();
  *branch = plan->Text("KDCB");
  *ship = plan->DateOf("TG_KIRIM");
  if (s.ok() && rows != nullptr) s = ReadPlanRows(*plan, kind, orders_only, rows);
  const xbase::Status closed = session.tables().Close(kPlanAlias);
  return frame::Checked(session, s.ok() ? closed : s);
}

}  // namespace

xbase::Status RunPlanPrint(frame::Session& session, PlanKind kind) {
  if (!frame::OpenTables(session, {{"PATRON"}})) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string name(18, ' ');  // the longest name: "fcs", a branch of 6 and the stamp
  std::string orders_only = "Y";
  double per_page = 55;
  std::string branch(6, ' ');
  xbase::Date ship;
  const auto file_valid = [&] {
    if (name.find('?') != std::string::npos && !PickPlanFile(session, kind, &name)) return false;
    if (xbase::IsBlank(name)) return true;
    const std::string file(xbase::AllTrim(name));
    if (!PlanTableExists(session, file)) return pickers::Refuse(session, "File " + file + " belum terbentuk");
    if (!ReadPlanFile(session, kind, file, false, nullptr, &branch, &ship)) return false;
    con.Say(9, 41, branch);
    con.Say(10, 41, xbase::Dtoc(ship));
    return true;
  };
  while (AskReport(session, kind == PlanKind::kForecast ? "CETAK FORCAST CABANG" : "CETAK D1 CABANG", kCyanBox,
                   {{8, "Nama File :", &name, "@!", file_valid},
                    {9, "Kode Cabang :", &branch, "", {}, true},
                    {10, "Tg. Kirim :", &ship, "", {}, true},
                    {11, "Order Saja (Y/N) :", &orders_only, "!",
                     [&] { return orders_only == "Y" || orders_only == "N"; }},
                    {12, "Baris/Hal :", &per_page, "999"}}) &&
         !xbase::IsBlank(name)) {
    const int output = console::Alert(con, "Cetak ", {"Excel File", "Text File"});
    if (output == 0) continue;
    std::vector<PlanRow> rows;
    if (!ReadPlanFile(session, kind, std::string(xbase::AllTrim(name)), orders_only == "Y", &rows, &branch, &ship)) {
      continue;
    }
    if (kind == PlanKind::kForecast) {
      ForecastWorkbook(session, rows, branch, ship);
    } else if (output == 1) {
      D1Workbook(session, rows, branch, ship);
    } else {
      PrintD1Text(session, rows, branch, ship, std::max(1, static_cast<int>(per_page)));
    }
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
