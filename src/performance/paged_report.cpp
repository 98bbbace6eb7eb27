// A text report written page by page through the report engine, with the same heading atop every page and an optional
// footer.
#include "performance/paged_report.h"

#include <algorithm>

#include "xbase/picture.h"

namespace performance {

PagedReport::PagedReport(frame::Session& session, int rows_per_page)
    : writer_(session), rows_per_page_(std::max(1, rows_per_page)) {}

bool PagedReport::Start() { return writer_.Start(); }

bool PagedReport::BeginPage() {
  if (!writer_.NewPage()) return false;
  page_open_ = true;
  rows_ = 0;
  for (const frame::ReportLine& line : heading_) {
    if (!writer_.Line(line.text, line.controls, line.font)) return false;
  }
  return true;
}

bool PagedReport::EndPage() {
  if (!page_open_) return true;
  page_open_ = false;
  return !footer_ || footer_();
}

bool PagedReport::Row(std::string_view text, std::string_view controls) {
  if (page_open_ && rows_ >= rows_per_page_ && !EndPage()) return false;
  if (!page_open_ && !BeginPage()) return false;
  ++rows_;
  return writer_.Line(text, controls);
}

bool PagedReport::Line(std::string_view text, std::string_view controls) {
  if (writer_.pages() == 0 && !BeginPage()) return false;
  return writer_.Line(text, controls);
}

bool PagedReport::Print(const frame::ReportLayout& layout) {
  if (writer_.pages() == 0 && !BeginPage()) return false;
  if (!EndPage()) return false;
  return writer_.Print(layout);
}

std::string Amount(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

}  // namespace performance
