// A browse over records that are reached by skipping: a table in index order, or anything
// else that can go to its top and bottom, skip, and come back to a position.
#include "console/record_browse.h"

#include <algorithm>
#include <iterator>

#include "console/keys.h"

namespace console {

RecordBrowse::RecordBrowse(RecordSource source, std::vector<RecordColumn> columns, Window window, std::string colour,
                           int frozen)
    : source_(std::move(source)), columns_(std::move(columns)), window_(window), colour_(std::move(colour)) {
  const bool empty = source_.empty();
  std::vector<ColumnView::Column> view;
  for (const RecordColumn& column : columns_) {
    int width = column.width;
    if (width == 0) width = std::max(HeadWidth(column.head), empty ? 0 : static_cast<int>(column.text().size()));
    view.push_back({column.head, width, false});
  }
  view_ = ColumnView(std::move(view), frozen, window.left, window.right);
}

void RecordBrowse::DrawLine(Console& con, int line, bool current) {
  const int row = window_.top + 1 + view_.head_rows() + line;
  const Attr attr = colours_.slot(row_slot_ ? row_slot_() : 0);
  con.Clear(row, window_.left, row, window_.right, attr);
  for (const auto& [i, x] : view_.Layout()) {
    view_.DrawCell(con, row, i, columns_[i].text(), current && i == view_.current() ? colours_.enhanced : attr);
  }
  view_.DrawColumnSeparators(con, row, attr);
}

void RecordBrowse::Stabilize(Console& con) {
  colours_ = con.colours().With(colour_);
  con.Clear(window_.top, window_.left, window_.bottom, window_.right, colours_.standard);
  view_.DrawHeads(con, window_.top, colours_.standard);
  if (source_.empty()) return;
  const long here = source_.position();
  line_ = -source_.skip(-std::clamp(line_, 0, page() - 1));
  for (int line = 0; line < page(); ++line) {
    if (line > 0 && source_.skip(1) == 0) break;
    DrawLine(con, line, line == line_);
  }
  source_.go_to(here);
}

bool RecordBrowse::Navigate(int key) {
  if (view_.Navigate(key)) return true;
  static constexpr int kRowKeys[] = {key::kDown, key::kUp, key::kPgDn, key::kPgUp, key::kCtrlPgUp, key::kCtrlPgDn};
  if (std::find(std::begin(kRowKeys), std::end(kRowKeys), key) == std::end(kRowKeys)) return false;
  if (source_.empty()) return true;
  switch (key) {
    case key::kDown:
      if (source_.skip(1) != 0) line_ = std::min(line_ + 1, page() - 1);
      break;
    case key::kUp:
      if (source_.skip(-1) != 0) line_ = std::max(line_ - 1, 0);
      break;
    case key::kPgDn: source_.skip(page()); break;
    case key::kPgUp: source_.skip(-page()); break;
    case key::kCtrlPgUp:
      source_.go_top();
      line_ = 0;
      break;
    case key::kCtrlPgDn:
      source_.go_bottom();
      line_ = page() - 1;
      break;
    default: break;
  }
  return true;
}

}  // namespace console
