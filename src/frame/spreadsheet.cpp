// The spreadsheet exports: a workbook filled and formatted cell by cell, written as an .xlsx file into the reports
// folder and opened.
#include "frame/spreadsheet.h"

#include "console/message.h"
#include "platform/xlsx_writer.h"

namespace frame {
namespace {

constexpr std::string_view kFirstSheet = "Sheet1";
constexpr int kDeeperFillBase = 32;

}  // namespace

std::string AsText(std::string_view code) { return "'" + std::string(code); }

double Ratio(double a, double b) { return b == 0 ? 0 : a / b * 100; }

int GroupTotalFill(int level) { return level <= 1 ? kGroupTotalFill : level + kDeeperFillBase; }

SpreadsheetExport::SpreadsheetExport(Session& session, std::string title)
    : session_(session), title_(std::move(title)), active_(&book_.AddSheet(kFirstSheet)) {}

void SpreadsheetExport::NameSheets(const std::vector<std::string>& names) {
  book_ = platform::Workbook();
  active_ = nullptr;
  for (const std::string& name : names) {
    platform::Worksheet& sheet = book_.AddSheet(name);
    if (active_ == nullptr) active_ = &sheet;
  }
  if (active_ == nullptr) active_ = &book_.AddSheet(kFirstSheet);
}

platform::Worksheet& SpreadsheetExport::Select(std::string_view name) {
  platform::Worksheet* sheet = book_.Sheet(name);
  active_ = sheet != nullptr ? sheet : &book_.AddSheet(name);
  return *active_;
}

bool SpreadsheetExport::Show(std::string* path) {
  console::Console& con = session_.console();
  std::string written;
  const xbase::Status status = platform::PublishWorkbook(book_, title_, session_.services().settings(), &written,
                                                         session_.services().file_clock());
  if (path != nullptr) *path = written;
  if (written.empty()) {
    console::PESAN(con, status.message(), con.Pick("Gr+/r", "/w"));
    return false;
  }
  console::PESAN(con, "Laporan tersimpan di " + written, con.Pick("W+/b", "/w"));
  if (!status.ok()) console::PESAN(con, status.message(), con.Pick("Gr+/r", "/w"));
  return true;
}

}  // namespace frame
