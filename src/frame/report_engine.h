// The report engine: every text report and printed form is written page by page into page tables
// (one DBF table a page, one record a printed line: LAP the text, DETEK its control letters, DTFONT
// the font size of page printing), then handed to the output dialog "Laporan Mau Dicetak Ke", which
// shows it on the screen, prints it on the dot-matrix or the page printer, or copies it into a text
// file, and afterwards erases the page tables. The dialog tells its caller whether the report
// reached a printer, and only then may the caller mark documents printed.
//
// A report in a few lines:
//
//   ReportWriter report(session);
//   if (!report.Start()) return;                  // a free base name, or a message on row 24
//   for (each page) {
//     if (!report.NewPage()) return;              // page tables X011, X012, ...
//     report.Line(heading, "CB");                 // condensed and bold on the dot matrix
//     report.Line(body, "Cg");                    // condensed; green in the viewer
//   }
//   ReportLayout layout;
//   layout.width = 136;                           // wider than 130: landscape on the page printer
//   layout.title = "REKAP JUAL";
//   const bool printed = report.Print(layout);    // the dialog; the page tables are erased
//
// Page ends are the writer's choice: session.margins gives this workstation's lines per landscape
// and portrait page. Work tables of a report come from WorkTable, which erases them at the end.
#ifndef PALUNDA_FRAME_REPORT_ENGINE_H_
#define PALUNDA_FRAME_REPORT_ENGINE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "frame/session.h"
#include "xbase/dbf_field.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace frame {

// Widths of the page table's fields.
inline constexpr int kReportLineWidth = 600;
inline constexpr int kControlWidth = 20;

// One line of a page table.
struct ReportLine {
  std::string text;      // LAP, with any left margin the writer wants
  std::string controls;  // DETEK: control letters (see report_controls.h)
  int font = 0;          // DTFONT: point size on the page printer, 0 for 12
};
using ReportPage = std::vector<ReportLine>;

// How the output dialog treats a report (the arguments of CETLAPOR after the base name).
struct ReportLayout {
  int width = 80;             // columns of the report; wider than 130 prints landscape
  std::string title;          // names the printing question, and the print job when `job` is empty
  int left_margin = 10;       // blanks before each dot-matrix line
  int frozen_columns = 0;     // viewer: the first columns stay when the view shifts sideways
  int first_body_row = 1;     // viewer: rows above it always show the page's first lines
  bool signature_box = true;  // the signature box after the report's last page
  bool no_printer = false;    // true: only the viewer and the copy are offered
  std::string job;            // the report's own title: names its print jobs and spool files

  const std::string& JobTitle() const { return job.empty() ? title : job; }
};

// The folder of report and work tables: SETUP "TMPFILELAP" through the drive map, else the
// workstation's local folder; made when missing. Empty after a message on row 24 when it cannot be.
std::string ReportFolder(Session& session);
// CIPTAFILE: takes the next free report base name (folder + "/X" + two digits), claiming the
// table of its first page with an exclusive create so no other workstation gets it. Empty after a
// message on row 24 when there is no folder or no free name.
std::string CIPTAFILE(Session& session);
// CREATETEMPLETE: takes the next free work table name (folder + "/Z" + two digits + "1", without
// extension), claimed the same way; empty after a message on row 24.
std::string CREATETEMPLETE(Session& session);
// The page table of page `page` of a report: the base name followed by the page number.
std::string PageTableName(std::string_view base, int page);
// BUATLAPORAN: shows "Halaman : " + page on row 24, creates the page table `table` and opens it
// exclusively under `alias`; null after a message when it cannot.
xbase::WorkArea* BUATLAPORAN(Session& session, const std::string& table, int page, std::string_view alias);
// Appends one line to an open page table.
xbase::Status AddReportLine(xbase::WorkArea& page, const ReportLine& line);
// Opens page `page` of the report `base` (exclusive, retried while held) and reads its lines;
// false after a message on row 24 when it is missing or cannot be read.
bool ReadReportPage(Session& session, std::string_view base, int page, ReportPage* lines);
// CETLAPOR: the output dialog over the `pages` pages of the report `base`; erases its page tables
// whatever the user chose. True only when this call delivered the report to a printer (Esc, a
// refused job or a sink that cannot be written give false).
bool CETLAPOR(Session& session, const std::string& base, int pages, const ReportLayout& layout);
// Erases every table of the report folder whose name is `base` followed by anything and ".dbf".
void EraseReportTables(std::string_view base);

// A report being written: its base name, its pages and the page being filled.
class ReportWriter {
 public:
  explicit ReportWriter(Session& session, std::string alias = "lapor");
  // Closes a page left open and erases the page tables when Print did not run.
  ~ReportWriter();
  ReportWriter(const ReportWriter&) = delete;
  ReportWriter& operator=(const ReportWriter&) = delete;

  // Takes a free base name (CIPTAFILE); false after a message.
  bool Start();
  // Closes the page being written and begins the next (BUATLAPORAN); false after a message.
  bool NewPage();
  // Adds a line to the current page; false after a message (the report then prints nothing).
  bool Line(std::string_view text, std::string_view controls = {}, int font = 0);
  // Closes the last page and runs the output dialog: true when the report reached a printer. Row 24
  // then shows again what it showed before the page counter.
  bool Print(const ReportLayout& layout);

  const std::string& base() const { return base_; }
  int pages() const { return pages_; }
  // Lines written on the current page.
  int lines_on_page() const { return lines_on_page_; }

 private:
  bool ClosePage();
  bool Fail(const xbase::Status& status);

  Session& session_;
  std::string alias_;
  std::string base_;
  int pages_ = 0;
  int lines_on_page_ = 0;
  xbase::WorkArea* page_ = nullptr;
  bool failed_ = false;
  bool handed_over_ = false;
  // The cells of row 24 that BUATLAPORAN's page counter covers, as they were before the first page.
  std::optional<console::Region> under_counter_;
};

// A work table of a report (CREATETEMPLETE), opened exclusively under its alias ("dumm") and
// erased with its index files when the object goes.
class WorkTable {
 public:
  explicit WorkTable(Session& session) : session_(session) {}
  ~WorkTable();
  WorkTable(const WorkTable&) = delete;
  WorkTable& operator=(const WorkTable&) = delete;

  // Creates the table with `fields` under a free name and opens it; false after a message.
  bool Create(std::vector<xbase::DbfField> fields, std::string_view alias = "dumm");
  // Builds index file number `number` (the table name + number + ".ntx") on `key` and makes it the
  // controlling order.
  xbase::Status Index(int number, std::string_view key);
  xbase::WorkArea& area() { return *area_; }
  const std::string& name() const { return name_; }

 private:
  Session& session_;
  std::string name_;
  std::string alias_;
  xbase::WorkArea* area_ = nullptr;
  std::vector<std::string> files_;
};

}  // namespace frame

#endif  // PALUNDA_FRAME_REPORT_ENGINE_H_
