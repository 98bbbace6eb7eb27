// The report side of the memos: pages of lines handed to the report engine, the layouts the memo
// prints share, and the formatting of their cells.
#include "memos/memo_report.h"

#include <algorithm>

#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"
#include "xbase/value.h"

namespace memos {

frame::ReportLayout MemoLayout(int width, std::string title, int left_margin) {
  frame::ReportLayout layout;
  layout.width = width;
  layout.title = std::move(title);
  layout.left_margin = left_margin;
  layout.signature_box = false;
  return layout;
}

frame::ReportPage PageOf(const std::vector<std::string>& lines, std::string_view controls) {
  frame::ReportPage page;
  for (const std::string& line : lines) page.push_back({line, std::string(controls), 0});
  return page;
}

ReportPages Paginate(const std::vector<std::string>& heading, const std::vector<std::string>& body, int rows,
                     const std::vector<std::string>& closing, std::string_view controls) {
  ReportPages pages;
  std::vector<std::string> page;
  const size_t per_page = static_cast<size_t>(std::max(1, rows));
  for (size_t i = 0; i == 0 || i < body.size(); i += per_page) {
    page = heading;
    for (size_t j = i; j < std::min(body.size(), i + per_page); ++j) page.push_back(body[j]);
    if (i + per_page >= body.size()) page.insert(page.end(), closing.begin(), closing.end());
    pages.push_back(PageOf(page, controls));
  }
  return pages;
}

std::string Figure(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

std::string DateText(xbase::Date date) { return xbase::Dtoc(date); }

std::string Cut(std::string_view text, int width) { return xbase::PadR(xbase::Left(text, width), width); }

}  // namespace memos
