// The text of a receivables report: heading lines repeated on every page and body lines with their
// print-style tags, cut into pages and handed to the report engine's output dialog.
#include "receivable-reports/report_text.h"

#include <algorithm>

#include "frame/report_engine.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"
#include "xbase/value.h"

namespace receivable_reports {

ReportText::ReportText(std::vector<TaggedLine> headings, int lines_per_page)
    : headings_(std::move(headings)),
      lines_per_page_(std::max(lines_per_page, static_cast<int>(headings_.size()) + 5)) {}

void ReportText::Add(std::string text, std::string_view tag) {
  if (pages_.empty() || static_cast<int>(pages_.back().size()) >= lines_per_page_) pages_.push_back(headings_);
  pages_.back().push_back({std::move(text), std::string(tag)});
}

std::vector<std::string> ReportText::Body() const {
  std::vector<std::string> body;
  for (const auto& page : pages_) {
    for (size_t i = headings_.size(); i < page.size(); ++i) body.push_back(page[i].text);
  }
  return body;
}

int ReportText::width() const { return headings_.empty() ? 80 : static_cast<int>(headings_.back().text.size()); }

bool PrintReport(frame::Session& session, const ReportText& report, const std::string& title) {
  if (report.empty()) return false;
  frame::ReportWriter writer(session);
  if (!writer.Start()) return false;
  for (const auto& page : report.pages()) {
    if (!writer.NewPage()) return false;
    for (const TaggedLine& line : page) {
      if (!writer.Line(line.text, line.tag, line.tag == kTitle ? 20 : 0)) return false;
    }
  }
  frame::ReportLayout layout;
  layout.width = report.width();
  layout.title = title;
  layout.left_margin = 2;
  layout.signature_box = false;
  return writer.Print(layout);
}

std::string Cut(std::string_view text, int width) { return xbase::PadR(text, width); }

std::string DateText(xbase::Date date) { return xbase::Dtoc(date); }

std::string Period(xbase::Date from, xbase::Date to) { return DateText(from) + " s/d " + DateText(to); }

}  // namespace receivable_reports
