// A text report written page by page through the report engine: the same heading lines atop
// every page, a page ended when its body lines reach the lines per page, and an optional footer
// written at the end of every page.
#ifndef PALUNDA_PERFORMANCE_PAGED_REPORT_H_
#define PALUNDA_PERFORMANCE_PAGED_REPORT_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"

namespace performance {

class PagedReport {
 public:
  // `rows_per_page` body lines a page (at least 1).
  PagedReport(frame::Session& session, int rows_per_page);

  // The lines atop every page, with their control letters.
  void set_heading(std::vector<frame::ReportLine> heading) { heading_ = std::move(heading); }
  // Written at the end of every page (the report's last included); it writes through Line.
  void set_footer(std::function<bool()> footer) { footer_ = std::move(footer); }

  // Takes a report name; false after a message.
  bool Start();
  // A body line: the page is ended first when it is full. False after a message.
  bool Row(std::string_view text, std::string_view controls = "C");
  // A line without counting it as a body line nor ending a page (footers, notes).
  bool Line(std::string_view text, std::string_view controls = "C");
  // Ends the last page and runs the output dialog; true when the report reached a printer.
  bool Print(const frame::ReportLayout& layout);

 private:
  bool BeginPage();
  bool EndPage();

  frame::ReportWriter writer_;
  int rows_per_page_;
  int rows_ = 0;
  bool page_open_ = false;
  std::vector<frame::ReportLine> heading_;
  std::function<bool()> footer_;
};

// A number as the text reports print it: the picture of " 999,999,999" and its like.
std::string Amount(double value, std::string_view picture);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_PAGED_REPORT_H_
