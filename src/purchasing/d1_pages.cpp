// The text prints of D1 orders: pages that open with their heading lines and end, at the rows per page
// and at the end, with a rule and the running totals; and the product-line group of an item.
#include "purchasing/d1_pages.h"

#include "purchasing/purchase_documents.h"

namespace purchasing {

D1Pages::D1Pages(std::vector<std::string> headings, int rows_per_page, std::function<std::vector<std::string>()> page_end)
    : headings_(std::move(headings)), rows_per_page_(std::max(1, rows_per_page)), page_end_(std::move(page_end)) {}

void D1Pages::Line(std::string text, std::string controls) {
  if (!open_) {
    pages_.emplace_back();
    for (const std::string& heading : headings_) pages_.back().push_back({heading, "N", 0});
    rows_ = 0;
    open_ = true;
  }
  pages_.back().push_back({std::move(text), std::move(controls), 0});
  if (++rows_ >= rows_per_page_) ClosePage();
}

void D1Pages::ClosePage() {
  for (std::string& line : page_end_()) pages_.back().push_back({std::move(line), "N", 0});
  open_ = false;
}

void D1Pages::Finish() {
  if (open_) ClosePage();
}

bool D1Pages::Print(frame::Session& session, const std::string& title, int width) const {
  frame::ReportWriter report(session);
  if (!report.Start()) return false;
  for (const std::vector<frame::ReportLine>& page : pages_) {
    if (!report.NewPage()) return false;
    for (const frame::ReportLine& line : page) {
      if (!report.Line(line.text, line.controls)) return false;
    }
  }
  frame::ReportLayout layout;
  layout.width = width;
  layout.title = title;
  layout.left_margin = 3;
  layout.signature_box = false;
  return report.Print(layout);
}

void ItemGroup(frame::Session& session, const std::string& code, std::string* group, std::string* name) {
  xbase::WorkArea* lines = session.tables().Area("PATRON2");
  if (lines == nullptr || !lines->SetOrder("PATRON22").ok()) {
    *group = std::string(2, ' ');
    *name = std::string(30, ' ');
    return;
  }
  const std::string line = MasterText(session, "PATRON2", code, "PATRON", 10);
  *group = MasterText(session, "PATRON", line, "KEL", 2);
  *name = MasterText(session, "KELOMPOK", *group, "NAMA", 30);
}

}  // namespace purchasing
