// A text report of the purchasing that counts its body lines and breaks its pages with heading and break lines.
#include "purchasing/paged_report.h"

namespace purchasing {

frame::ReportLayout ListLayout(int width) {
  frame::ReportLayout layout;
  layout.width = width;
  layout.title = "rekap jual";
  layout.left_margin = 2;
  layout.first_body_row = 6;
  layout.signature_box = false;
  return layout;
}

PagedReport::PagedReport(std::vector<std::string> headings, int lines_per_page)
    : headings_(std::move(headings)), lines_per_page_(lines_per_page) {
  NewPage();
}

void PagedReport::NewPage() {
  pages_.push_back(headings_);
  counter_ = 1;
}

void PagedReport::Line(std::string text) {
  pages_.back().push_back(std::move(text));
  ++counter_;
}

void PagedReport::Check() {
  if (counter_ <= lines_per_page_) return;
  if (breaks_) {
    for (std::string& line : breaks_()) pages_.back().push_back(std::move(line));
  }
  NewPage();
}

bool PagedReport::Print(frame::Session& session, const frame::ReportLayout& layout) const {
  frame::ReportWriter report(session);
  if (!report.Start()) return false;
  for (const std::vector<std::string>& page : pages_) {
    if (!report.NewPage()) return false;
    for (const std::string& line : page) {
      if (!report.Line(line, "C")) return false;
    }
  }
  return report.Print(layout);
}

}  // namespace purchasing
