// The text of a receivables report: heading lines repeated on every page and body lines with their
// print-style tags, cut into pages and handed to the report engine's output dialog.
#ifndef PALUNDA_RECEIVABLE_REPORTS_REPORT_TEXT_H_
#define PALUNDA_RECEIVABLE_REPORTS_REPORT_TEXT_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"

namespace receivable_reports {

// Print-style tags: the title line (printed at 20 points), normal lines, group headings and sums,
// grand totals.
inline constexpr std::string_view kTitle = "CH";
inline constexpr std::string_view kBody = "C";
inline constexpr std::string_view kGroup = "Cg";
inline constexpr std::string_view kGrand = "Cy";

struct TaggedLine {
  std::string text;
  std::string tag;
  bool operator==(const TaggedLine&) const = default;
};

class ReportText {
 public:
  // `headings` open every page; a page holds at most `lines_per_page` lines, headings included
  // (never fewer than the headings and five more).
  ReportText(std::vector<TaggedLine> headings, int lines_per_page);
  void Add(std::string text, std::string_view tag = kBody);
  // True when no body line was added.
  bool empty() const { return pages_.empty(); }
  const std::vector<std::vector<TaggedLine>>& pages() const { return pages_; }
  // The body lines of every page, in order, without the headings.
  std::vector<std::string> Body() const;
  // The width of the last heading line.
  int width() const;

 private:
  std::vector<TaggedLine> headings_;
  int lines_per_page_;
  std::vector<std::vector<TaggedLine>> pages_;
};

// Writes the pages into the report tables and runs the output dialog under `title`; false when
// nothing was written or the report did not reach a printer.
bool PrintReport(frame::Session& session, const ReportText& report, const std::string& title);

// A text padded or cut to `width`.
std::string Cut(std::string_view text, int width);
// A date as the session writes dates.
std::string DateText(xbase::Date date);
// "from s/d to".
std::string Period(xbase::Date from, xbase::Date to);

// The picture of two-decimal amounts and of whole amounts.
inline constexpr std::string_view kAmount2 = " 999,999,999,999.99";
inline constexpr std::string_view kAmount = " 999,999,999,999";

}  // namespace receivable_reports

#endif  // PALUNDA_RECEIVABLE_REPORTS_REPORT_TEXT_H_
