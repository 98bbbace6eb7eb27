// A text report of the purchasing that counts its body lines: every page opens with the heading
// lines and a counter of 1; a page check after a line closes the page once the counter has passed
// the lines per page, ends it with the report's break lines and starts the next.
#ifndef PALUNDA_PURCHASING_PAGED_REPORT_H_
#define PALUNDA_PURCHASING_PAGED_REPORT_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"

namespace purchasing {

// The output of the purchase lists: `width` columns as "rekap jual", left margin 2, the five heading
// lines kept in view, no signature box.
frame::ReportLayout ListLayout(int width);

class PagedReport {
 public:
  PagedReport(std::vector<std::string> headings, int lines_per_page);

  // Adds a body line and counts it.
  void Line(std::string text);
  // The page check: past the lines per page, the page ends with breaks() and the next begins.
  void Check();
  // The lines that end a page at a break (the running totals); none when not set.
  void set_breaks(std::function<std::vector<std::string>()> breaks) { breaks_ = std::move(breaks); }

  const std::vector<std::vector<std::string>>& pages() const { return pages_; }

  // Hands the pages, each line condensed, to the output dialog; true when they reached a printer.
  bool Print(frame::Session& session, const frame::ReportLayout& layout) const;

 private:
  void NewPage();

  std::vector<std::string> headings_;
  int lines_per_page_;
  int counter_ = 1;
  std::function<std::vector<std::string>()> breaks_;
  std::vector<std::vector<std::string>> pages_;
};

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PAGED_REPORT_H_
