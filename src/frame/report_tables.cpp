// Page tables and work tables of reports: their names, creation, lines and erasure.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "console/message.h"
#include "console/table_access.h"
#include "frame/local_path.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "xbase/ntx_orders.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

namespace fs = std::filesystem;

constexpr int kFreeNames = 99;
// Where BUATLAPORAN shows the page counter on row 24, to its end.
constexpr int kCounterCol = 65;

void Message(Session& session, std::string_view text) {
  console::PESAN(session.console(), text, session.console().Pick("Gr+/r", "/w"));
}

// Creates `path` only when no file has the name; EEXIST tells it is taken.
int ClaimFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  ::close(fd);
  return 0;
}

// The first name `letter` + two digits in the report folder whose table name + `suffix` + ".dbf"
// this call created.
std::string ClaimName(Session& session, std::string_view letter, std::string_view suffix) {
  const std::string folder = ReportFolder(session);
  if (folder.empty()) return "";
  for (int n = 1; n <= kFreeNames; ++n) {
    const std::string name = folder + "/" + std::string(letter) + xbase::StrZero(n, 2);
    const std::string table = name + std::string(suffix) + ".dbf";
    const int error = ClaimFile(table);
    if (error == 0) return name;
    if (error != EEXIST) {
      Message(session, "Tidak bisa membuat " + table + ": " + std::strerror(error));
      return "";
    }
  }
  Message(session, "Tidak ada nama file laporan yang bebas di " + folder);
  return "";
}

std::vector<xbase::DbfField> PageFields() {
  return {{"LAP", 'C', kReportLineWidth, 0, 0}, {"DETEK", 'C', kControlWidth, 0, 0}, {"DTFONT", 'N', 3, 0, 0}};
}

// True when `name` is `base` followed by anything and ".dbf" (in any case).
bool IsTableOf(const std::string& name, std::string_view base) {
  return name.size() >= base.size() + 4 && xbase::EqualsIgnoreCase(std::string_view(name).substr(0, base.size()), base) &&
         xbase::EqualsIgnoreCase(std::string_view(name).substr(name.size() - 4), ".dbf");
}

}  // namespace

std::string ReportFolder(Session& session) {
  const std::string stored(xbase::AllTrim(session.TMPFILELAP_));
  std::string folder = session.services().LocalReportFolder();
  if (!stored.empty()) {
    const xbase::Status mapped = session.services().MapPath(stored, &folder);
    if (!mapped.ok()) {
      Message(session, mapped.message());
      return "";
    }
    folder = FolderPath(session, stored);
  }
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) {
    Message(session, "Folder laporan " + folder + " tidak bisa dibuat: " + error.message());
    return "";
  }
  return folder;
}

std::string CIPTAFILE(Session& session) { return ClaimName(session, "X", "1"); }

std::string CREATETEMPLETE(Session& session) {
  const std::string name = ClaimName(session, "Z", "1");
  return name.empty() ? name : name + "1";
}

std::string PageTableName(std::string_view base, int page) { return std::string(base) + std::to_string(page); }

xbase::WorkArea* BUATLAPORAN(Session& session, const std::string& table, int page, std::string_view alias) {
  console::Console& con = session.console();
  con.Say(console::kMessageRow, kCounterCol, xbase::PadL("Halaman : " + std::to_string(page), 15),
          con.Colour(con.Pick("Gr+/r", "/w")));
  // Kept open from its creation: the page is written without opening the file a second time.
  xbase::WorkArea* area = nullptr;
  const xbase::Status created = session.tables().CreateTable(table, PageFields(), alias, &area);
  if (!created.ok()) {
    Message(session, created.message());
    return nullptr;
  }
  return area;
}

xbase::Status AddReportLine(xbase::WorkArea& page, const ReportLine& line) {
  // Page tables are held exclusively: an append waits for no one.
  xbase::Status status = page.Append();
  if (status.ok()) status = page.Put("LAP", xbase::Value::Text(line.text));
  if (status.ok()) status = page.Put("DETEK", xbase::Value::Text(line.controls));
  if (status.ok()) status = page.Put("DTFONT", xbase::Value::Num(line.font));
  return status;
}

bool ReadReportPage(Session& session, std::string_view base, int page, ReportPage* lines) {
  const std::string table = PageTableName(base, page);
  constexpr std::string_view kAlias = "LAPBACA";
  xbase::WorkArea* area = nullptr;
  if (!console::BUKAFILE(session.console(), session.tables(), table, true, kOpenWait, kAlias, &area)) return false;
  lines->clear();
  xbase::Status status = area->GoTop();
  for (; status.ok() && !area->eof(); status = area->Skip()) {
    lines->push_back({area->Text("LAP"), std::string(xbase::RTrim(area->Text("DETEK"))),
                      static_cast<int>(area->Number("DTFONT"))});
  }
  const xbase::Status closed = session.tables().Close(kAlias);
  if (status.ok()) status = closed;
  if (!status.ok()) Message(session, status.message());
  return status.ok();
}

void EraseReportTables(std::string_view base) {
  const fs::path path(base);
  const std::string stem = path.filename().string();
  std::error_code error;
  for (fs::directory_iterator it(path.parent_path(), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code ignored;
    if (IsTableOf(name, stem)) fs::remove(it->path(), ignored);
  }
}

ReportWriter::ReportWriter(Session& session, std::string alias) : session_(session), alias_(std::move(alias)) {}

ReportWriter::~ReportWriter() {
  if (page_ != nullptr) session_.tables().Close(alias_).IgnoreError();
  if (!handed_over_ && !base_.empty()) EraseReportTables(base_);
  if (!handed_over_ && under_counter_) session_.console().Restore(*under_counter_);
}

bool ReportWriter::Start() {
  base_ = CIPTAFILE(session_);
  return !base_.empty();
}

bool ReportWriter::Fail(const xbase::Status& status) {
  Message(session_, status.message());
  failed_ = true;
  return false;
}

bool ReportWriter::ClosePage() {
  if (page_ == nullptr) return true;
  page_ = nullptr;
  const xbase::Status closed = session_.tables().Close(alias_);
  return closed.ok() || Fail(closed);
}

bool ReportWriter::NewPage() {
  if (failed_ || base_.empty() || !ClosePage()) return false;
  if (!under_counter_) {
    under_counter_ =
        session_.console().Save(console::kMessageRow, kCounterCol, console::kMessageRow, console::kCols - 1);
  }
  page_ = BUATLAPORAN(session_, PageTableName(base_, pages_ + 1), pages_ + 1, alias_);
  if (page_ == nullptr) {
    failed_ = true;
    return false;
  }
  ++pages_;
  lines_on_page_ = 0;
  return true;
}

bool ReportWriter::Line(std::string_view text, std::string_view controls, int font) {
  if (failed_ || page_ == nullptr) return false;
  const xbase::Status added = AddReportLine(*page_, {std::string(text), std::string(controls), font});
  if (!added.ok()) return Fail(added);
  ++lines_on_page_;
  return true;
}

bool ReportWriter::Print(const ReportLayout& layout) {
  if (base_.empty()) return false;
  const bool closed = ClosePage();
  handed_over_ = true;
  const bool printed = !failed_ && closed && CETLAPOR(session_, base_, pages_, layout);
  if (failed_ || !closed) EraseReportTables(base_);
  // The counter is done with: the screen the report was asked from gets its row 24 back.
  if (under_counter_) session_.console().Restore(*under_counter_);
  return printed;
}

WorkTable::~WorkTable() {
  if (area_ != nullptr) session_.tables().Close(alias_).IgnoreError();
  std::error_code ignored;
  for (const std::string& file : files_) fs::remove(file, ignored);
}

bool WorkTable::Create(std::vector<xbase::DbfField> fields, std::string_view alias) {
  name_ = CREATETEMPLETE(session_);
  if (name_.empty()) return false;
  files_.push_back(name_ + ".dbf");
  alias_ = std::string(alias);
  const xbase::Status created = session_.tables().CreateTable(name_, std::move(fields), alias_, &area_);
  if (!created.ok()) {
    Message(session_, created.message());
    return false;
  }
  return true;
}

xbase::Status WorkTable::Index(int number, std::string_view key) {
  if (area_ == nullptr) return xbase::Status::InvalidArgument("work table", "not open");
  const std::string path = name_ + std::to_string(number) + ".ntx";
  files_.push_back(path);
  return area_->orders().Create(path, {std::string(key)});
}

}  // namespace frame
