// The report side of the memos: pages of lines handed to the report engine, the layouts the memo
// prints share, and the formatting of their cells.
#ifndef PALUNDA_MEMOS_MEMO_REPORT_H_
#define PALUNDA_MEMOS_MEMO_REPORT_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/report_engine.h"
#include "frame/report_pages.h"
#include "frame/session.h"
#include "xbase/date.h"

namespace memos {

using frame::PrintPages;
using frame::ReportPages;

// The layout of the memo prints: `width` columns, the title, left margin 2, no signature box.
frame::ReportLayout MemoLayout(int width, std::string title = "MEMO", int left_margin = 2);
// One page of `lines`, each with the same control letters.
frame::ReportPage PageOf(const std::vector<std::string>& lines, std::string_view controls);
// The body lines cut into pages of `rows` lines, each page opened by the heading; the closing lines
// go on the last page.
ReportPages Paginate(const std::vector<std::string>& heading, const std::vector<std::string>& body, int rows,
                     const std::vector<std::string>& closing, std::string_view controls);

// A number through a picture ("999", "99,999,999"), a date as dd-mm-yyyy ("  -  -    " when empty), a
// text padded or cut to `width`.
std::string Figure(double value, std::string_view picture);
std::string DateText(xbase::Date date);
std::string Cut(std::string_view text, int width);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_REPORT_H_
